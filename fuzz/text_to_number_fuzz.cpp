// text_to_number on arbitrary bytes: never a NaN, and the same number as a plain reference that
// folds the text on its own and reads the number with strtod.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "engine/convert.hpp"
#include "fuzz/fuzz_check.hpp"

namespace {

// The reference's own folding: strict UTF-8, the full-width table, and '\x01' for any other
// non-ASCII character or invalid byte.
std::string fold(std::string_view in) {
    std::string out;
    for (std::size_t i = 0; i < in.size();) {
        const auto b0 = static_cast<unsigned char>(in[i]);
        if (b0 < 0x80) {
            out += static_cast<char>(b0);
            ++i;
            continue;
        }
        std::size_t n = b0 >= 0xF0 ? 4 : b0 >= 0xE0 ? 3 : b0 >= 0xC0 ? 2 : 0;
        std::uint32_t cp = n == 4 ? b0 & 7u : n == 3 ? b0 & 15u : b0 & 31u;
        bool ok = n != 0 && i + n <= in.size() && b0 >= 0xC2 && b0 <= 0xF4;
        for (std::size_t k = 1; ok && k < n; ++k) {
            const auto b = static_cast<unsigned char>(in[i + k]);
            ok = (b & 0xC0) == 0x80;
            cp = (cp << 6) | (b & 0x3Fu);
        }
        ok = ok &&
             cp >= (n == 2   ? 0x80u
                    : n == 3 ? 0x800u
                             : 0x10000u) &&
             cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF);
        if (!ok) {
            out += '\x01';
            ++i;
            continue;
        }
        char c = '\x01';
        if (cp >= 0xFF01 && cp <= 0xFF5E && cp != 0xFF04)
            c = static_cast<char>(cp - 0xFEE0);
        if (cp == 0xFFE5)
            c = '$';
        if (cp == 0xFFE3)
            c = '~';
        if (cp == 0x3000)
            c = ' ';
        if (cp == 0x2605 || cp == 0x2606)
            c = '*';
        out += c;
        i += n;
    }
    return out;
}

bool digit(char c) {
    return c >= '0' && c <= '9';
}

// The longest leading number as strtod's plain form ("-12.5e-3"), or "" when there is none.
std::string leading_number(const std::string& s) {
    std::size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || (s[i] >= '\t' && s[i] <= '\r')))
        ++i;
    std::string out;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        out += s[i++];
    std::size_t digits = 0;
    bool point = false;
    while (i < s.size() && (digit(s[i]) || (s[i] == '.' && !point))) {
        point = point || s[i] == '.';
        digits += digit(s[i]) ? 1u : 0u;
        out += s[i++];
    }
    if (digits == 0)
        return "";
    if (i < s.size() && std::strchr("eEdD", s[i]) != nullptr && s[i] != '\0') {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exponent += s[j++];
        if (j < s.size() && digit(s[j])) {
            while (j < s.size() && digit(s[j]))
                exponent += s[j++];
            out += exponent;
        }
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double got = pixtallo::engine::text_to_number(text);
    PIXTALLO_FUZZ_CHECK(!std::isnan(got));
    const std::string number = leading_number(fold(text));
    const double want = number.empty() ? 0.0 : std::strtod(number.c_str(), nullptr);
    PIXTALLO_FUZZ_CHECK(std::memcmp(&got, &want, sizeof got) == 0);
    return 0;
}
