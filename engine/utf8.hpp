#pragma once
// Strict UTF-8 decoding: every text inside the system is UTF-8, and input from outside may not be.

#include <cstddef>
#include <string>
#include <string_view>

namespace pixtallo::engine {

struct DecodedChar {
    char32_t code_point;  // meaningful only when valid
    std::size_t length;   // 1 for an invalid byte, so a scan always moves on
    bool valid;
};

// The character that starts at text[pos]; pos < text.size(). Rejects overlong forms, surrogates,
// code points above U+10FFFF and sequences cut short.
DecodedChar decode_utf8_at(std::string_view text, std::size_t pos) noexcept;

bool is_valid_utf8(std::string_view text) noexcept;

// UTF-8 to UTF-16 and back, for platforms whose text calls take UTF-16 (Windows). An invalid
// byte, or an unpaired surrogate, becomes U+FFFD.
std::u16string utf8_to_utf16(std::string_view text);
std::string utf16_to_utf8(std::u16string_view text);

#ifdef _WIN32
// Windows' wchar_t is UTF-16.
inline std::wstring to_wide(std::string_view text) {
    const std::u16string wide = utf8_to_utf16(text);
    return {wide.begin(), wide.end()};
}
inline std::string from_wide(std::wstring_view text) {
    return utf16_to_utf8({reinterpret_cast<const char16_t*>(text.data()), text.size()});
}
#endif

}  // namespace pixtallo::engine
