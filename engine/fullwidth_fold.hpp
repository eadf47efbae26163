#pragma once
// Reads UTF-8 text one character at a time, with the full-width forms of Chinese input methods
// folded to ASCII. Internal to the engine.

#include <cstddef>
#include <string_view>

namespace pixtallo::engine::detail {

struct FoldedChar {
    // The ASCII character, or not_ascii for every other character and for an invalid byte.
    char ascii;
    // Bytes it takes in the text: 1 for ASCII and for an invalid byte, else 2 to 4.
    std::size_t length;
};

inline constexpr char not_ascii = '\x80';

// The character that starts at text[pos]; pos < text.size(). Never reads past the text's end.
// U+FF01..U+FF5E except U+FF04 become the ASCII character 0xFEE0 below them, U+FFE5 "$",
// U+FFE3 "~", U+3000 a blank, U+2605 and U+2606 "*". An invalid, overlong or truncated sequence
// yields a one-byte not_ascii character, so a scan always moves on.
// fold_at for a character whose first byte is 0x80 or above.
FoldedChar fold_non_ascii(std::string_view text, std::size_t pos) noexcept;

// Inline: numbers are mostly ASCII, and this sits in the scanner's inner loop.
inline FoldedChar fold_at(std::string_view text, std::size_t pos) noexcept {
    const char c = text[pos];
    if (static_cast<unsigned char>(c) < 0x80) {
        return {c, 1};
    }
    return fold_non_ascii(text, pos);
}

}  // namespace pixtallo::engine::detail
