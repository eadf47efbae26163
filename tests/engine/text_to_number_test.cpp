#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "engine/convert.hpp"

namespace pixtallo::engine {
namespace {

struct TextCase {
    std::string text;
    double number;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class TextToNumber : public testing::TestWithParam<TextCase> {};

TEST_P(TextToNumber, ReadsTheLongestLeadingNumber) {
    const TextCase& c = GetParam();
    const double got = text_to_number(c.text);
    EXPECT_EQ(got, c.number);
    EXPECT_EQ(std::signbit(got), std::signbit(c.number));
}

constexpr double inf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    AsciiForms, TextToNumber,
    testing::Values(TextCase{"5.2", 5.2}, TextCase{".8", 0.8}, TextCase{"8.", 8.0},
                    TextCase{"-.5", -0.5}, TextCase{" 12", 12.0}, TextCase{"\t12", 12.0},
                    TextCase{"\n\v\f\r12", 12.0}, TextCase{"12   ", 12.0}, TextCase{"1 2", 1.0},
                    TextCase{"+3", 3.0}, TextCase{"0005", 5.0}, TextCase{"1,234", 1.0},
                    TextCase{"1.2.3", 1.2}, TextCase{"0x10", 0.0}, TextCase{"-0", -0.0},
                    TextCase{"1.#INF", 1.0}, TextCase{"-1.#IND", -1.0}, TextCase{"-1.#INF", -1.0}));

INSTANTIATE_TEST_SUITE_P(Exponents, TextToNumber,
                         testing::Values(TextCase{"1e3", 1000.0}, TextCase{"1E+3", 1000.0},
                                         TextCase{"1d3", 1000.0}, TextCase{"1e0003", 1000.0},
                                         TextCase{"1D-3", 0.001}, TextCase{"1e", 1.0},
                                         TextCase{"1e+", 1.0}, TextCase{"1ex", 1.0},
                                         TextCase{"1e-x", 1.0}, TextCase{"2.5e1x", 25.0},
                                         TextCase{".5e1", 5.0}, TextCase{"5.e-1", 0.5}));

INSTANTIATE_TEST_SUITE_P(NoNumberGivesPositiveZero, TextToNumber,
                         testing::Values(TextCase{"", 0.0}, TextCase{"   ", 0.0},
                                         TextCase{"abc", 0.0}, TextCase{".", 0.0},
                                         TextCase{"-", 0.0}, TextCase{"+", 0.0},
                                         TextCase{"-.", 0.0}, TextCase{"--3", 0.0},
                                         TextCase{"+-3", 0.0}, TextCase{"- 5", 0.0},
                                         TextCase{"e5", 0.0}, TextCase{".e5", 0.0}));

INSTANTIATE_TEST_SUITE_P(FullWidthForms, TextToNumber,
                         testing::Values(TextCase{"１２．５", 12.5}, TextCase{"１，２３４", 1.0},
                                         TextCase{"１２。５", 12.0}, TextCase{"\u3000５", 5.0},
                                         TextCase{"５米", 5.0}, TextCase{"约5", 0.0},
                                         TextCase{"￥100", 0.0}, TextCase{"＄100", 0.0},
                                         TextCase{"－３", -3.0}, TextCase{"＋．５", 0.5},
                                         TextCase{"１ｅ３", 1000.0}, TextCase{"１Ｄ－３", 0.001},
                                         TextCase{"2ｄ2", 200.0},
                                         TextCase{"\u3000\u3000 -1.5", -1.5}, TextCase{"☆5", 0.0},
                                         TextCase{"·5", 0.0}, TextCase{"5·5", 5.0}));

INSTANTIATE_TEST_SUITE_P(InvalidUtf8IsNotANumberCharacter, TextToNumber,
                         testing::Values(TextCase{"\xff"
                                                  "5",
                                                  0.0},
                                         TextCase{"5\xff", 5.0},
                                         TextCase{"1\xef\xbc",
                                                  1.0},  // truncated full-width digit at the end
                                         TextCase{"\xef\xbc"
                                                  "5",
                                                  0.0},  // truncated sequence, then a digit
                                         TextCase{"\xc0\xb5", 0.0},      // overlong encoding of "5"
                                         TextCase{"\xe0\x80\xb5", 0.0},  // overlong three-byte "5"
                                         TextCase{"\xed\xa0\x80"
                                                  "1",
                                                  0.0},                       // a surrogate
                                         TextCase{"1\xf4\x90\x80\x80", 1.0},  // beyond U+10FFFF
                                         TextCase{std::string("7\0"
                                                              "8",
                                                              3),
                                                  7.0},
                                         TextCase{std::string("\0"
                                                              "8",
                                                              2),
                                                  0.0}));

INSTANTIATE_TEST_SUITE_P(
    RangeEnds, TextToNumber,
    testing::Values(
        TextCase{"1e400", inf}, TextCase{"-1e400", -inf}, TextCase{"1e-400", 0.0},
        TextCase{"-1e-400", -0.0}, TextCase{"1.7976931348623157e308", 0x1.fffffffffffffp+1023},
        TextCase{"1.797693134862316e308", inf}, TextCase{"4.9406564584124654e-324", 0x1p-1074},
        TextCase{"2.4703282292062328e-324", 0x1p-1074},  // just above half the least
        TextCase{"2.2250738585072014e-308", 0x1p-1022}, TextCase{"1e99999999999999999999", inf},
        TextCase{"0.00000000000000000000000000000000001e-300", 0.0}, TextCase{"0e99999", 0.0},
        TextCase{"100000000000000000000000000000000000000000e300", inf},
        TextCase{"-000000000000000000000000000000000000000001e308", -1e308},
        TextCase{"１ｅ４００", inf}));

TEST(TextToNumberLongInput, ReadsAMegabyteOfDigits) {
    std::string digits(1 << 20, '0');
    digits.back() = '7';
    EXPECT_EQ(text_to_number(digits), 7.0);
    EXPECT_EQ(text_to_number("0." + digits), 0.0);  // far below the least subnormal
    digits.front() = '1';
    EXPECT_EQ(text_to_number(digits), inf);
}

}  // namespace
}  // namespace pixtallo::engine
