#pragma once
// UTF-8 inside, UTF-16 at the Win32 edge.

#include <string>
#include <string_view>

namespace pixtallo::ui::win32 {

std::wstring to_utf16(std::string_view text);
std::string to_utf8(std::wstring_view text);

}  // namespace pixtallo::ui::win32
