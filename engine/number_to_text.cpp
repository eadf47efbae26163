#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>

#include "engine/convert.hpp"

namespace pixtallo::engine {
namespace {

constexpr int kept_digits = 13;
constexpr int first_rounding_digits = 17;

std::string special_value_text(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const bool negative = (bits >> 63) != 0;
    if (std::isinf(value)) {
        return negative ? "-1.#INF" : "1.#INF";
    }
    // The default NaN of an invalid operation: sign set, only the top fraction bit set.
    constexpr std::uint64_t default_nan = 0xFFF8'0000'0000'0000;
    if (bits == default_nan) {
        return "-1.#IND";
    }
    return negative ? "-1.#QNAN" : "1.#QNAN";
}

// Steps 3-4 of the real form. Gives the 13 digits d1..d13 and the decimal exponent of d1.
struct RoundedDigits {
    std::array<char, kept_digits> digits;
    int exponent;
};

RoundedDigits round_to_kept_digits(double magnitude) noexcept {
    // Step 3: 17 significant digits of the exact value. to_chars with a precision is exact and
    // rounds an exact tie at digit 18 to even where the rule says away from zero, but that only
    // ever changes an even 17th digit to the odd one above it (no carry), and the 17th digit
    // plays no part in step 4, so the digits used below are those of the rule.
    std::array<char, 32> buffer{};
    const auto printed = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                       std::chars_format::scientific, first_rounding_digits - 1);
    // buffer: d.dddddddddddddddde[+-]XX[X]
    RoundedDigits result{};
    result.digits[0] = buffer[0];
    for (int i = 1; i < kept_digits; ++i) {
        result.digits[static_cast<std::size_t>(i)] = buffer[static_cast<std::size_t>(i) + 1];
    }
    const char fourteenth = buffer[kept_digits + 1];
    const char* exponent_begin = buffer.data() + first_rounding_digits + 2;
    const bool exponent_negative = *exponent_begin == '-';
    int exponent = 0;
    std::from_chars(exponent_begin + 1, printed.ptr, exponent);
    result.exponent = exponent_negative ? -exponent : exponent;

    // Step 4: round to 13 digits by the 14th alone; a carry through all nines adds a digit.
    if (fourteenth >= '5') {
        int i = kept_digits - 1;
        while (i >= 0 && result.digits[static_cast<std::size_t>(i)] == '9') {
            result.digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++result.digits[static_cast<std::size_t>(i)];
        } else {
            result.digits[0] = '1';
            ++result.exponent;
        }
    }
    return result;
}

}  // namespace

std::string number_to_text(std::int32_t value) {
    std::array<char, 12> buffer{};
    const auto printed = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return {buffer.data(), printed.ptr};
}

std::string number_to_text(double value) {
    // Step 1.
    if (!std::isfinite(value)) {
        return special_value_text(value);
    }
    // Step 2: both zeros.
    if (value == 0.0) {
        return "0";
    }
    const RoundedDigits rounded = round_to_kept_digits(std::fabs(value));
    int significant = kept_digits;
    while (significant > 1 && rounded.digits[static_cast<std::size_t>(significant) - 1] == '0') {
        --significant;
    }
    const auto digit = [&](int i) { return rounded.digits[static_cast<std::size_t>(i)]; };
    const int x = rounded.exponent;

    // Built in a buffer and copied once, so short texts stay in the string's own storage.
    std::array<char, max_real_text_length> buffer{};
    std::size_t size = 0;
    const auto push = [&](char c) { buffer[size++] = c; };
    // Step 7 (the sign) is written first.
    if (std::signbit(value)) {
        push('-');
    }
    if (x < -4 || x >= kept_digits) {
        // Step 5: exponent form, at least three exponent digits, sign always written.
        push(digit(0));
        if (significant > 1) {
            push('.');
            for (int i = 1; i < significant; ++i) {
                push(digit(i));
            }
        }
        push('e');
        push(x < 0 ? '-' : '+');
        const int magnitude = x < 0 ? -x : x;
        push(static_cast<char>('0' + magnitude / 100));
        push(static_cast<char>('0' + magnitude / 10 % 10));
        push(static_cast<char>('0' + magnitude % 10));
    } else if (x >= 0) {
        // Step 6, fixed form: x + 1 digits before the point.
        for (int i = 0; i <= x; ++i) {
            push(digit(i));
        }
        if (significant > x + 1) {
            push('.');
            for (int i = x + 1; i < significant; ++i) {
                push(digit(i));
            }
        }
    } else {
        push('0');
        push('.');
        for (int i = x + 1; i < 0; ++i) {
            push('0');
        }
        for (int i = 0; i < significant; ++i) {
            push(digit(i));
        }
    }
    return {buffer.data(), size};
}

}  // namespace pixtallo::engine
