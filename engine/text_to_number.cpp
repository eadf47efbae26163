#include <charconv>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

#include "engine/convert.hpp"
#include "engine/fullwidth_fold.hpp"

namespace pixtallo::engine {
namespace {

using detail::fold_at;
using detail::FoldedChar;

bool is_digit(char c) noexcept {
    return c >= '0' && c <= '9';
}
bool is_space(char c) noexcept {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
bool is_exponent_letter(char c) noexcept {
    return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}

// Where the leading number lies in the original bytes.
struct NumberSpan {
    std::size_t begin = 0;  // first byte of the mantissa, after any sign
    std::size_t end = 0;    // one past the last byte of the number
    bool negative = false;
    bool found = false;
    // The span holds a full-width character or a "d"/"D" exponent: from_chars needs a folded copy.
    bool needs_folding = false;
};

// Steps 1-3: fold, skip leading white space, and find the longest prefix of the form
// [+-] mantissa [exponent]. Folding happens character by character, so nothing is copied here.
NumberSpan find_number(std::string_view text) noexcept {
    NumberSpan span;
    std::size_t pos = 0;
    auto at = [&](std::size_t p) -> FoldedChar {
        return p < text.size() ? fold_at(text, p) : FoldedChar{'\0', 0};
    };
    FoldedChar c = at(pos);
    while (c.length != 0 && is_space(c.ascii)) {
        pos += c.length;
        c = at(pos);
    }
    if (c.ascii == '+' || c.ascii == '-') {
        span.negative = c.ascii == '-';
        pos += c.length;
        c = at(pos);
    }
    span.begin = pos;
    bool folded = false;
    bool seen_point = false;
    bool seen_digit = false;
    // Mantissa: digits with at most one point, at least one digit.
    while (c.length != 0 && (is_digit(c.ascii) || (c.ascii == '.' && !seen_point))) {
        seen_digit = seen_digit || is_digit(c.ascii);
        seen_point = seen_point || c.ascii == '.';
        folded = folded || c.length > 1;
        pos += c.length;
        c = at(pos);
    }
    if (!seen_digit) {
        return span;  // no mantissa: a point alone, a sign alone, or nothing
    }
    span.found = true;
    span.end = pos;
    // Exponent: taken only when a digit follows the letter and its optional sign.
    if (c.length != 0 && is_exponent_letter(c.ascii)) {
        bool exponent_folded = c.length > 1 || c.ascii == 'd' || c.ascii == 'D';
        std::size_t p = pos + c.length;
        FoldedChar e = at(p);
        if (e.ascii == '+' || e.ascii == '-') {
            exponent_folded = exponent_folded || e.length > 1;
            p += e.length;
            e = at(p);
        }
        if (e.length != 0 && is_digit(e.ascii)) {
            while (e.length != 0 && is_digit(e.ascii)) {
                exponent_folded = exponent_folded || e.length > 1;
                p += e.length;
                e = at(p);
            }
            span.end = p;
            folded = folded || exponent_folded;
        }
    }
    span.needs_folding = folded;
    return span;
}

// The span as plain ASCII that from_chars reads: full-width forms folded, "d"/"D" made "e".
std::string folded_copy(std::string_view text, const NumberSpan& span) {
    std::string ascii;
    for (std::size_t pos = span.begin; pos < span.end;) {
        const FoldedChar c = fold_at(text, pos);
        ascii.push_back(c.ascii == 'd' || c.ascii == 'D' ? 'e' : c.ascii);
        pos += c.length;
    }
    return ascii;
}

// from_chars leaves a value outside the double range unset. The range's ends lie more than 600
// decimal orders apart, so the rough decimal exponent of the leading digit decides between an
// infinity and a zero.
double out_of_range(std::string_view number) noexcept {
    constexpr std::int64_t exponent_cap = 1'000'000'000;
    std::int64_t lead_exponent = 0;  // decimal exponent of the first non-zero digit, without the
                                     // written exponent
    bool seen_nonzero = false;
    bool after_point = false;
    std::size_t i = 0;
    for (; i < number.size() && (is_digit(number[i]) || number[i] == '.'); ++i) {
        const char c = number[i];
        if (c == '.') {
            after_point = true;
        } else if (!seen_nonzero) {
            seen_nonzero = c != '0';
            lead_exponent = after_point ? lead_exponent - 1 : 0;
        } else if (!after_point && lead_exponent < exponent_cap) {
            ++lead_exponent;
        }
    }
    std::int64_t written = 0;
    if (i < number.size()) {  // the exponent letter
        ++i;
        const bool minus = i < number.size() && number[i] == '-';
        if (i < number.size() && (number[i] == '-' || number[i] == '+')) {
            ++i;
        }
        for (; i < number.size() && written < exponent_cap; ++i) {
            written = written * 10 + (number[i] - '0');
        }
        written = minus ? -written : written;
    }
    return lead_exponent + written > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

double parse_ascii(std::string_view number) noexcept {
    double magnitude = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), magnitude);
    if (result.ec == std::errc::result_out_of_range) {
        return out_of_range(number);
    }
    return magnitude;
}

}  // namespace

double text_to_number(std::string_view text) noexcept {
    const NumberSpan span = find_number(text);
    if (!span.found) {
        return 0.0;  // step 4: no mantissa gives positive zero
    }
    double magnitude = 0.0;
    if (span.needs_folding) {
        // Rare (full-width input or a "d" exponent); the only path that allocates. Out of memory
        // cannot be reported from here, so it reads as no number.
        try {
            magnitude = parse_ascii(folded_copy(text, span));
        } catch (const std::bad_alloc&) {
            return 0.0;
        }
    } else {
        magnitude = parse_ascii(text.substr(span.begin, span.end - span.begin));
    }
    return span.negative ? -magnitude : magnitude;
}

}  // namespace pixtallo::engine
