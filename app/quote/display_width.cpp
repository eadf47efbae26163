#include "app/quote/display_width.hpp"

#include <array>

#include "engine/utf8.hpp"

namespace pixtallo::quote {
namespace {

struct Range {
    char32_t first;
    char32_t last;
};

// The wide (W) and full-width (F) blocks of Unicode's East Asian Width property, coarsened.
constexpr std::array<Range, 14> wide_ranges = {{
    {0x1100, 0x115F},    // Hangul Jamo initials
    {0x2E80, 0x303E},    // CJK radicals, punctuation (、。「」)
    {0x3041, 0x33FF},    // kana, bopomofo, CJK compatibility
    {0x3400, 0x4DBF},    // CJK extension A
    {0x4E00, 0x9FFF},    // CJK unified ideographs
    {0xA000, 0xA4CF},    // Yi
    {0xAC00, 0xD7A3},    // Hangul syllables
    {0xF900, 0xFAFF},    // CJK compatibility ideographs
    {0xFE10, 0xFE19},    // vertical forms
    {0xFE30, 0xFE6F},    // CJK compatibility forms, small forms
    {0xFF00, 0xFF60},    // full-width ASCII (：（）)
    {0xFFE0, 0xFFE6},    // full-width signs (￥)
    {0x1F300, 0x1F64F},  // pictographs, emoticons
    {0x20000, 0x3FFFD},  // CJK extensions B and later
}};

bool is_wide(char32_t cp) noexcept {
    for (const Range& range : wide_ranges) {
        if (cp >= range.first && cp <= range.last) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::size_t display_width(std::string_view text) noexcept {
    std::size_t width = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const engine::DecodedChar c = engine::decode_utf8_at(text, pos);
        width += c.valid && is_wide(c.code_point) ? 2u : 1u;
        pos += c.length;
    }
    return width;
}

}  // namespace pixtallo::quote
