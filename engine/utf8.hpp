#pragma once
// Strict UTF-8 decoding: every text inside the system is UTF-8, and input from outside may not be.

#include <cstddef>
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

}  // namespace pixtallo::engine
