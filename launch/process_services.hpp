#pragma once
// The system shell and process services the launchers use: one interface, implemented once per
// platform (posix/, win32/) and by fakes in tests. Implementations only translate; what to try,
// in which order, and what a failure means is decided above them.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pixtallo::launch {

// What starting a program acquired, until released: on Windows its process and thread handles;
// elsewhere nothing is held and both stay 0.
struct StartedProgram {
    std::uintptr_t process = 0;
    std::uintptr_t thread = 0;
};

class ProcessServices {
  public:
    virtual ~ProcessServices() = default;

    // Hands `address` to the desktop's own opener, as one argument. False when the opener could
    // not be started (Windows: ShellExecute's "open"; Linux: xdg-open).
    virtual bool shell_open(std::string_view address) = 0;

    // Starts the handler registered for web pages with `address` added as its own argument.
    // False when none could be started (Windows: the ".htm" command; Linux: x-www-browser, then
    // sensible-browser).
    virtual bool open_in_web_browser(std::string_view address) = 0;

    // Hands a web page's address to the shell to show it in the desktop's way (Windows:
    // ShellExecute of explorer.exe with the address; Linux: xdg-open). False when that failed.
    virtual bool open_web_page(std::string_view address) = 0;

    // The desktop's own calculator as start_program takes it (Windows: calc.exe in the system
    // directory; Linux: the first desktop calculator found); empty when there is none.
    virtual std::string system_calculator() = 0;

    // Starts a program by itself, never through a shell; none when it could not be started.
    virtual std::optional<StartedProgram> start_program(const std::string& command) = 0;

    // Waits at most `limit` for the started program to be ready for its user (Windows:
    // WaitForInputIdle). Never waits for the program's end.
    virtual void wait_until_ready(const StartedProgram& program,
                                  std::chrono::milliseconds limit) = 0;

    // Lets go of what starting the program acquired; the program runs on by itself.
    virtual void release(const StartedProgram& program) = 0;

    // A failure the user is not shown: a line on standard error.
    virtual void report(std::string_view message) = 0;

  protected:
    ProcessServices() = default;
    ProcessServices(const ProcessServices&) = default;
    ProcessServices& operator=(const ProcessServices&) = default;
};

}  // namespace pixtallo::launch
