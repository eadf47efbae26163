#include <charconv>
#include <cstdint>
#include <limits>
#include <new>
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
// Runs of ASCII digits, the common case, are skipped in a tight loop.
NumberSpan find_number(std::string_view text) noexcept {
    NumberSpan span;
    const std::size_t size = text.size();
    std::size_t pos = 0;
    auto at = [&](std::size_t p) -> FoldedChar {
        return p < size ? fold_at(text, p) : FoldedChar{'\0', 0};
    };
    auto skip_ascii_digits = [&](std::size_t p) {
        while (p < size && is_digit(text[p])) {
            ++p;
        }
        return p;
    };
    // Reads digits, ASCII or full-width, from p; gives where they end and whether any were read.
    auto read_digits = [&](std::size_t p, bool& folded) {
        for (;;) {
            p = skip_ascii_digits(p);
            const FoldedChar c = at(p);
            if (c.length <= 1 || !is_digit(c.ascii)) {
                return p;
            }
            folded = true;
            p += c.length;
        }
    };

    FoldedChar c = at(pos);
    while (c.length != 0 && is_space(c.ascii)) {
        pos += c.length;
        c = at(pos);
    }
    if (c.ascii == '+' || c.ascii == '-') {
        span.negative = c.ascii == '-';
        pos += c.length;
    }
    span.begin = pos;
    bool folded = false;
    // Mantissa: digits with at most one point, at least one digit in all.
    pos = read_digits(pos, folded);
    bool seen_digit = pos != span.begin;
    c = at(pos);
    if (c.ascii == '.') {
        const std::size_t after_point = pos + c.length;
        folded = folded || c.length > 1;
        pos = read_digits(after_point, folded);
        seen_digit = seen_digit || pos != after_point;
    }
    if (!seen_digit) {
        return span;  // no mantissa: a point alone, a sign alone, or nothing
    }
    span.found = true;
    span.end = pos;
    // Exponent: taken only when a digit follows the letter and its optional sign.
    c = at(pos);
    if (c.length != 0 && is_exponent_letter(c.ascii)) {
        bool exponent_folded = c.length > 1 || c.ascii == 'd' || c.ascii == 'D';
        std::size_t p = pos + c.length;
        const FoldedChar sign = at(p);
        if (sign.ascii == '+' || sign.ascii == '-') {
            exponent_folded = exponent_folded || sign.length > 1;
            p += sign.length;
        }
        const std::size_t digits_begin = p;
        p = read_digits(p, exponent_folded);
        if (p != digits_begin) {
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

// from_chars on an ASCII number; out-of-range values become an infinity or a zero.
std::from_chars_result read_ascii(const char* first, const char* last, double& magnitude) noexcept {
    const auto result = std::from_chars(first, last, magnitude);
    if (result.ec == std::errc::result_out_of_range) {
        magnitude = out_of_range({first, static_cast<std::size_t>(result.ptr - first)});
    }
    return result;
}

// The general path: any mix of ASCII and full-width forms.
double read_general(std::string_view text) noexcept {
    const NumberSpan span = find_number(text);
    if (!span.found) {
        return 0.0;  // step 4: no mantissa gives positive zero
    }
    double magnitude = 0.0;
    if (span.needs_folding) {
        // Rare (full-width input or a "d" exponent); the only path that allocates. Out of memory
        // cannot be reported from here, so it reads as no number.
        try {
            const std::string ascii = folded_copy(text, span);
            read_ascii(ascii.data(), ascii.data() + ascii.size(), magnitude);
        } catch (const std::bad_alloc&) {
            return 0.0;
        }
    } else {
        read_ascii(text.data() + span.begin, text.data() + span.end, magnitude);
    }
    return span.negative ? -magnitude : magnitude;
}

}  // namespace

double text_to_number(std::string_view text) noexcept {
    // Fast path for plain ASCII numbers, by far the most common: from_chars reads the same
    // grammar on them. It must not see a sign it would take for "-inf" or "-nan", and where the
    // number may go on in a way only the general path reads (a full-width character, a "d"
    // exponent, an exponent letter that from_chars declined), the general path decides.
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p != end && is_space(*p)) {
        ++p;
    }
    const bool negative = p != end && *p == '-';
    if (p != end && (*p == '-' || *p == '+')) {
        ++p;
    }
    if (p != end && (is_digit(*p) || *p == '.')) {
        double magnitude = 0.0;
        const auto result = read_ascii(p, end, magnitude);
        const char next = result.ptr == end ? '\0' : *result.ptr;
        // A point that from_chars declined may still be followed by a full-width digit.
        if (result.ec != std::errc::invalid_argument && static_cast<unsigned char>(next) < 0x80 &&
            !is_exponent_letter(next)) {
            return negative ? -magnitude : magnitude;
        }
    }
    return read_general(text);
}

}  // namespace pixtallo::engine
