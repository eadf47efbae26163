#pragma once
// The system shell and process services the launchers use: one interface, implemented once per
// platform (posix/, win32/) and by fakes in tests. Implementations only translate; what to try,
// in which order, and what a failure means is decided above them.

#include <string_view>

namespace pixtallo::launch {

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

    // A failure the user is not shown: a line on standard error.
    virtual void report(std::string_view message) = 0;

  protected:
    ProcessServices() = default;
    ProcessServices(const ProcessServices&) = default;
    ProcessServices& operator=(const ProcessServices&) = default;
};

}  // namespace pixtallo::launch
