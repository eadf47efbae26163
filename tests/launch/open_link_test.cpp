#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "launch/open_link.hpp"

namespace pixtallo::launch {
namespace {

// Records each call; `shell_ok` and `browser_ok` decide what the calls report.
class FakeProcessServices final : public ProcessServices {
  public:
    FakeProcessServices(bool shell_ok, bool browser_ok)
        : shell_ok_(shell_ok), browser_ok_(browser_ok) {}
    bool shell_open(std::string_view address) override {
        calls.push_back("shell " + std::string(address));
        return shell_ok_;
    }
    bool open_in_web_browser(std::string_view address) override {
        calls.push_back("browser " + std::string(address));
        return browser_ok_;
    }
    void report(std::string_view message) override {
        calls.push_back("report " + std::string(message));
    }
    std::vector<std::string> calls;

  private:
    bool shell_ok_;
    bool browser_ok_;
};

TEST(OpenLink, ShellFirstThenTheWebBrowserThenASilentReport) {
    const std::string address = "tencent://message/?uin=800012345&Site=pixtallo&Menu=yes";
    FakeProcessServices shell_works(true, true);
    open_link(shell_works, address);
    EXPECT_EQ(shell_works.calls, std::vector<std::string>{"shell " + address});

    FakeProcessServices browser_works(false, true);
    open_link(browser_works, address);
    EXPECT_EQ(browser_works.calls,
              (std::vector<std::string>{"shell " + address, "browser " + address}));

    FakeProcessServices nothing_works(false, false);
    open_link(nothing_works, address);
    ASSERT_EQ(nothing_works.calls.size(), 3u);
    EXPECT_TRUE(nothing_works.calls[2].starts_with("report cannot open " + address));
}

}  // namespace
}  // namespace pixtallo::launch
