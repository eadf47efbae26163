// The Windows process services, under Wine in CI.

#include <gtest/gtest.h>
#include <windows.h>

#include "launch/win32/win32_process_services.hpp"

namespace pixtallo::launch::win32 {
namespace {

TEST(WebPageCommand, CutsTheRegisteredCommandAtItsFirstPercentOne) {
    struct Case {
        std::wstring registered;
        std::wstring command;
    };
    const Case cases[] = {
        {L"\"C:\\b\\browser.exe\" -osint -url \"%1\"",
         L"\"C:\\b\\browser.exe\" -osint -url  http://x/"},
        {L"C:\\b\\browser.exe %1", L"C:\\b\\browser.exe  http://x/"},
        {L"C:\\b\\browser.exe", L"C:\\b\\browser.exe http://x/"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(web_page_command(c.registered, L"http://x/"), c.command);
    }
}

TEST(Win32ProcessServices, CalculatorIsInTheSystemDirectory) {
    char directory[MAX_PATH] = {};
    GetSystemDirectoryA(directory, MAX_PATH);
    Win32ProcessServices services;
    EXPECT_EQ(services.system_calculator(), "\"" + std::string(directory) + "\\calc.exe\"");
}

TEST(Win32ProcessServices, StartsWaitsAndReleasesAProgram) {
    Win32ProcessServices services;
    const auto started = services.start_program("cmd.exe /c exit 0");
    ASSERT_TRUE(started.has_value());
    EXPECT_NE(started->process, 0u);
    EXPECT_NE(started->thread, 0u);
    services.wait_until_ready(*started, std::chrono::milliseconds(1000));
    services.release(*started);
    EXPECT_FALSE(services.start_program("C:\\no\\such\\program.exe").has_value());
}

}  // namespace
}  // namespace pixtallo::launch::win32
