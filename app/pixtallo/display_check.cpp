#include "app/pixtallo/display_check.hpp"

#include <cstdlib>

namespace pixtallo::app {

#if defined(__linux__)
namespace {

bool set(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

}  // namespace
#endif

std::optional<std::string> missing_display_message(const char* program) {
#if defined(__linux__)
    // An explicit Qt platform (offscreen, vnc, ...) needs no desktop.
    if (set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM")) {
        return std::nullopt;
    }
    return std::string(program) +
           ": no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set).\n"
           "Run it on a desktop, or without one under a virtual X server:\n"
           "    xvfb-run -a " +
           program + "\n";
#else
    (void)program;
    return std::nullopt;
#endif
}

}  // namespace pixtallo::app
