#pragma once

#include <string>
#include <string_view>

namespace pixtallo::quote {

// Appends `text` as a JSON string literal. The text must be valid UTF-8; it is kept as is except
// for the quote, the backslash and the control characters below U+0020, which are escaped.
void append_json_string(std::string& out, std::string_view text);

}  // namespace pixtallo::quote
