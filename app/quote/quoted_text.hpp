#pragma once

#include <string>
#include <string_view>

namespace pixtallo::quote {

// The text in single quotes for a message on standard error: control characters and invalid
// UTF-8 bytes as \xNN, cut after 64 bytes with "..." so one bad cell cannot flood the terminal.
std::string quoted_text(std::string_view text);

}  // namespace pixtallo::quote
