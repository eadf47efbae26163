#include "engine/fullwidth_fold.hpp"

#include "engine/utf8.hpp"

namespace pixtallo::engine::detail {
namespace {

char fold_code_point(char32_t cp) noexcept {
    if (cp >= 0xFF01 && cp <= 0xFF5E && cp != 0xFF04) {
        return static_cast<char>(cp - 0xFEE0);
    }
    switch (cp) {
        case 0xFFE5:
            return '$';
        case 0xFFE3:
            return '~';
        case 0x3000:
            return ' ';
        case 0x2605:
        case 0x2606:
            return '*';
        default:
            return not_ascii;
    }
}

}  // namespace

FoldedChar fold_non_ascii(std::string_view text, std::size_t pos) noexcept {
    const DecodedChar c = decode_utf8_at(text, pos);
    return {c.valid ? fold_code_point(c.code_point) : not_ascii, c.length};
}

}  // namespace pixtallo::engine::detail
