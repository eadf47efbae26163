#pragma once
// The process services on Windows.

#include "launch/process_services.hpp"

namespace pixtallo::launch::win32 {

class Win32ProcessServices final : public ProcessServices {
  public:
    bool shell_open(std::string_view address) override;
    bool open_in_web_browser(std::string_view address) override;
    bool open_web_page(std::string_view address) override;
    std::string system_calculator() override;
    std::optional<StartedProgram> start_program(const std::string& command) override;
    void wait_until_ready(const StartedProgram& program, std::chrono::milliseconds limit) override;
    void release(const StartedProgram& program) override;
    void report(std::string_view message) override;
};

// The command line registered for opening ".htm" files cut before its "%1" (quoted or not), per
// the registry's convention, with a blank and `address` added. For tests.
std::wstring web_page_command(std::wstring registered, std::wstring_view address);

}  // namespace pixtallo::launch::win32
