#pragma once
// The only ways in which a field's text becomes a number and a number becomes a field's text.
// All four are pure: no state, no failure, no report. Texts are UTF-8.

#include <cstdint>
#include <string>
#include <string_view>

namespace pixtallo::engine {

// Reads the longest leading number of `text` and ignores the rest; a text with no leading number
// gives +0. Full-width digits and signs of Chinese input methods count as their ASCII forms, and
// leading white space (ASCII and the ideographic space) is skipped. The grammar is
// [+-] digits-with-at-most-one-point [(e|E|d|D) [+-] digits]. The result is the nearest double
// (halves to even); beyond the double range it is an infinity of the number's sign, below it a
// zero of that sign. Never a NaN. Invalid UTF-8 is an ordinary non-number character.
double text_to_number(std::string_view text) noexcept;

// Drops the fraction, except that a value less than about 1e-12 short of the next whole number
// away from zero counts as that number. Infinities, NaN and magnitudes of 2^63 or more give 0;
// anything else wraps into 32 bits (the low 32 bits of the whole number).
std::int32_t truncate_to_integer(double x) noexcept;

// Integer form: plain decimal, "-" for negatives, at most 11 characters.
std::string number_to_text(std::int32_t value);

// Real form: at most 13 significant digits, at most 20 characters, plain ASCII. The exact value
// is rounded to 17 significant digits (half away from zero), that result to 13 by its 14th digit
// alone. Fixed notation for decimal exponents -4..12, otherwise d.ddde+XXX with at least three
// exponent digits. 0 for both zeros; 1.#INF, -1.#INF, -1.#IND (the default NaN), [-]1.#QNAN.
std::string number_to_text(double value);

// Longest text the real form can give.
inline constexpr std::size_t max_real_text_length = 20;

}  // namespace pixtallo::engine
