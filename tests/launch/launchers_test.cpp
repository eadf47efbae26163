#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "launch/launchers.hpp"
#include "tests/launch/fake_process_services.hpp"

namespace pixtallo::launch {
namespace {

TEST(RunSystemCalculator, StartsWaitsAtMostASecondThenReleases) {
    FakeProcessServices services;
    run_system_calculator(services);
    EXPECT_EQ(services.calls, (std::vector<std::string>{"system_calculator",
                                                        "start_program /usr/bin/gnome-calculator",
                                                        "wait_until_ready 7 1000", "release 7 8"}));
    run_system_calculator(services);  // a second press starts a second calculator
    EXPECT_EQ(services.calls.size(), 8u);
    EXPECT_EQ(services.calls[5], "start_program /usr/bin/gnome-calculator");
}

TEST(RunSystemCalculator, AFailedStartNeitherWaitsNorReleases) {
    FakeProcessServices services;
    services.start_ok = false;
    run_system_calculator(services);
    ASSERT_EQ(services.calls.size(), 3u);
    EXPECT_TRUE(services.calls[2].starts_with("report cannot start the calculator"));
}

TEST(RunSystemCalculator, NoCalculatorInstalledStartsNothing) {
    FakeProcessServices services;
    services.calculator.clear();
    run_system_calculator(services);
    ASSERT_EQ(services.calls.size(), 2u);
    EXPECT_TRUE(services.calls[1].starts_with("report no calculator"));
}

TEST(OpenBannerWebPage, HandsTheSearchPortalToTheShell) {
    FakeProcessServices services;
    open_banner_web_page(services);
    EXPECT_EQ(services.calls, std::vector<std::string>{"open_web_page https://www.baidu.com/"});
    services.web_page_ok = false;
    open_banner_web_page(services);
    ASSERT_EQ(services.calls.size(), 3u);
    EXPECT_TRUE(services.calls[2].starts_with("report cannot open https://www.baidu.com/"));
}

}  // namespace
}  // namespace pixtallo::launch
