// The Linux process services against real processes: stub programs on a temporary search path
// record the arguments they were started with.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <signal.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "launch/launchers.hpp"
#include "launch/posix/detached_process.hpp"
#include "launch/posix/posix_process_services.hpp"

namespace pixtallo::launch::posix {
namespace {

namespace fs = std::filesystem;

class StubPrograms : public testing::Test {
  protected:
    StubPrograms() {
        char pattern[] = "/tmp/pixtallo-stubs-XXXXXX";
        dir_ = mkdtemp(pattern);
    }
    ~StubPrograms() override { fs::remove_all(dir_); }

    // A program that writes its arguments, one per line after their count, to NAME.args.
    void add_recorder(const std::string& name) {
        write_script(name, "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > \"" + record(name) +
                               ".tmp\"\nmv \"" + record(name) + ".tmp\" \"" + record(name) +
                               "\"\n");
    }
    // An executable file that cannot be executed.
    void add_broken(const std::string& name) { write_script(name, "#!/nonexistent/interpreter\n"); }

    void write_script(const std::string& name, const std::string& text) {
        const std::string path = dir_ + "/" + name;
        std::ofstream(path) << text;
        chmod(path.c_str(), 0755);
    }
    std::string record(const std::string& name) const { return dir_ + "/" + name + ".args"; }

    // What the stub recorded, waiting for it a while; empty when it never ran.
    std::string recorded(const std::string& name) const {
        for (int i = 0; i < 500 && !fs::exists(record(name)); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        std::ifstream in(record(name));
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::string dir_;
    std::ostringstream errors_;
};

TEST_F(StubPrograms, ShellOpenHandsTheAddressToXdgOpenAsOneUnchangedArgument) {
    add_recorder("xdg-open");
    PosixProcessServices services(dir_, errors_);
    const std::string hostile = "http://x.example/a b\"c'd;e$(touch " + dir_ + "/pwned)`id`&f";
    EXPECT_TRUE(services.shell_open(hostile));
    EXPECT_EQ(recorded("xdg-open"), "1\n" + hostile + "\n");
    EXPECT_FALSE(fs::exists(dir_ + "/pwned"));
    // Nothing of ours is left to reap: the opener is not our child.
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

TEST_F(StubPrograms, WebBrowserIsTheFirstOfXWwwBrowserAndSensibleBrowser) {
    add_recorder("sensible-browser");
    PosixProcessServices services(dir_, errors_);
    EXPECT_FALSE(services.shell_open("http://x.example/"));  // no xdg-open here
    EXPECT_TRUE(services.open_in_web_browser("http://x.example/"));
    EXPECT_EQ(recorded("sensible-browser"), "1\nhttp://x.example/\n");
}

TEST_F(StubPrograms, AProgramThatCannotBeExecutedCountsAsFailed) {
    add_broken("xdg-open");
    add_broken("x-www-browser");
    add_recorder("sensible-browser");
    PosixProcessServices services(dir_, errors_);
    EXPECT_FALSE(services.shell_open("http://x.example/"));
    EXPECT_TRUE(services.open_in_web_browser("http://x.example/"));
    EXPECT_EQ(recorded("sensible-browser"), "1\nhttp://x.example/\n");
}

TEST_F(StubPrograms, TheCalculatorIsTheFirstDesktopCalculatorFound) {
    PosixProcessServices services(dir_, errors_);
    EXPECT_EQ(services.system_calculator(), "");
    add_recorder("xcalc");
    add_recorder("kcalc");
    EXPECT_EQ(services.system_calculator(), dir_ + "/kcalc");
}

// A calculator that is slow to finish: it notes its process id at once, then lives on.
TEST_F(StubPrograms, EachPressStartsACalculatorThatIsNeverAwaited) {
    write_script("gnome-calculator",
                 "#!/bin/sh\necho $$ >> \"" + dir_ + "/started\"\nexec sleep 30\n");
    PosixProcessServices services(dir_, errors_);
    run_system_calculator(services);
    run_system_calculator(services);
    std::vector<pid_t> started;
    for (int i = 0; i < 500 && started.size() < 2; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        started.clear();
        std::ifstream in(dir_ + "/started");
        for (pid_t pid = 0; in >> pid;) {
            started.push_back(pid);
        }
    }
    ASSERT_EQ(started.size(), 2u);
    EXPECT_NE(started[0], started[1]);
    for (const pid_t pid : started) {
        EXPECT_EQ(kill(pid, 0), 0);  // both presses returned while the calculators run on
    }
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);  // and neither is a child left to reap
    for (const pid_t pid : started) {
        kill(pid, SIGTERM);
    }
    EXPECT_EQ(errors_.str(), "");
}

TEST_F(StubPrograms, BannerWebPageGoesToXdgOpen) {
    add_recorder("xdg-open");
    PosixProcessServices services(dir_, errors_);
    open_banner_web_page(services);
    EXPECT_EQ(recorded("xdg-open"), "1\nhttps://www.baidu.com/\n");
}

TEST_F(StubPrograms, NothingInstalledIsReportedNotShown) {
    PosixProcessServices services(dir_, errors_);
    run_system_calculator(services);
    open_banner_web_page(services);
    EXPECT_NE(errors_.str().find("no calculator to start"), std::string::npos);
    EXPECT_NE(errors_.str().find("cannot open https://www.baidu.com/"), std::string::npos);
}

TEST_F(StubPrograms, ReportGoesToTheErrorStream) {
    PosixProcessServices services(dir_, errors_);
    services.report("cannot open x");
    EXPECT_EQ(errors_.str(), "pixtallo: cannot open x\n");
}

TEST_F(StubPrograms, FindProgramSearchesThePathInOrder) {
    add_recorder("tool");
    EXPECT_EQ(find_program("tool", "/nonexistent:" + dir_), dir_ + "/tool");
    EXPECT_EQ(find_program("missing", dir_), "");
    EXPECT_EQ(find_program(dir_ + "/tool", ""), dir_ + "/tool");
    EXPECT_EQ(find_program("tool.args", dir_), "");  // not executable
}

}  // namespace
}  // namespace pixtallo::launch::posix
