#include "app/quote/quoted_text.hpp"

#include "engine/utf8.hpp"

namespace pixtallo::quote {

std::string quoted_text(std::string_view text) {
    static constexpr std::size_t shown = 64;
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out = "'";
    std::size_t pos = 0;
    while (pos < text.size() && pos < shown) {
        const engine::DecodedChar c = engine::decode_utf8_at(text, pos);
        if (c.valid && c.code_point >= 0x20 && c.code_point != 0x7F) {
            out += text.substr(pos, c.length);
        } else {
            const auto byte = static_cast<unsigned char>(text[pos]);
            out += "\\x";
            out += hex[byte >> 4];
            out += hex[byte & 0xF];
        }
        pos += c.length;
    }
    if (pos < text.size()) {
        out += "...";
    }
    out += '\'';
    return out;
}

}  // namespace pixtallo::quote
