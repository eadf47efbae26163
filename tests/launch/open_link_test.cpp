#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "launch/open_link.hpp"
#include "tests/launch/fake_process_services.hpp"

namespace pixtallo::launch {
namespace {

const std::string address = "tencent://message/?uin=800012345&Site=pixtallo&Menu=yes";

TEST(OpenLink, ShellFirst) {
    FakeProcessServices services;
    open_link(services, address);
    EXPECT_EQ(services.calls, std::vector<std::string>{"shell_open " + address});
}

TEST(OpenLink, TheWebBrowserWhenTheShellFails) {
    FakeProcessServices services;
    services.shell_ok = false;
    open_link(services, address);
    EXPECT_EQ(services.calls, (std::vector<std::string>{"shell_open " + address,
                                                        "open_in_web_browser " + address}));
}

TEST(OpenLink, ASilentReportWhenBothFail) {
    FakeProcessServices services;
    services.shell_ok = services.browser_ok = false;
    open_link(services, address);
    ASSERT_EQ(services.calls.size(), 3u);
    EXPECT_TRUE(services.calls[2].starts_with("report cannot open " + address));
}

}  // namespace
}  // namespace pixtallo::launch
