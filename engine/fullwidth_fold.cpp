#include "engine/fullwidth_fold.hpp"

#include <cstdint>

namespace pixtallo::engine::detail {
namespace {

char fold_code_point(std::uint32_t cp) noexcept {
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

bool is_continuation(unsigned char byte) noexcept {
    return (byte & 0xC0) == 0x80;
}

}  // namespace

FoldedChar fold_non_ascii(std::string_view text, std::size_t pos) noexcept {
    const auto lead = static_cast<unsigned char>(text[pos]);
    constexpr FoldedChar invalid{not_ascii, 1};
    std::size_t length = 0;
    std::uint32_t cp = 0;
    std::uint32_t min_cp = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, cp = lead & 0x1Fu, min_cp = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, cp = lead & 0x0Fu, min_cp = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, cp = lead & 0x07u, min_cp = 0x10000;
    } else {
        return invalid;
    }
    if (text.size() - pos < length) {
        return invalid;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[pos + i]);
        if (!is_continuation(byte)) {
            return invalid;
        }
        cp = (cp << 6) | (byte & 0x3Fu);
    }
    if (cp < min_cp || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return invalid;
    }
    return {fold_code_point(cp), length};
}

}  // namespace pixtallo::engine::detail
