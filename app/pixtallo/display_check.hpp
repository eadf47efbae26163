#pragma once
// Whether a window can be shown at all, so the program can say so plainly instead of failing
// inside the toolkit.

#include <optional>
#include <string>

namespace pixtallo::app {

// An explanation, with the way to run under Xvfb, when no display is reachable; none otherwise.
std::optional<std::string> missing_display_message(const char* program);

}  // namespace pixtallo::app
