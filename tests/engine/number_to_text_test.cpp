#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <string>

#include "engine/convert.hpp"

namespace pixtallo::engine {
namespace {

struct RealCase {
    double value;
    std::string text;
};

void PrintTo(const RealCase& c, std::ostream* os) {
    *os << std::hexfloat << c.value;
}

class RealForm : public testing::TestWithParam<RealCase> {};

TEST_P(RealForm, ShowsThirteenSignificantDigits) {
    EXPECT_EQ(number_to_text(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    FixedForm, RealForm,
    testing::Values(
        RealCase{0.1 + 0.2, "0.3"}, RealCase{16 * 0.32 + 0.08, "5.2"}, RealCase{0.1 + 0.7, "0.8"},
        RealCase{1.0 / 3.0, "0.3333333333333"}, RealCase{2.0 / 3.0, "0.6666666666667"},
        RealCase{2.5, "2.5"}, RealCase{-1234.5, "-1234.5"}, RealCase{100.0, "100"},
        RealCase{24.375, "24.375"}, RealCase{11.232000000000001, "11.232"},
        RealCase{31449.600000000002, "31449.6"}, RealCase{12345.678901234567, "12345.67890123"},
        RealCase{123456789012.345, "123456789012.3"}, RealCase{1000000000000.0, "1000000000000"},
        RealCase{9999999999999.0, "9999999999999"}, RealCase{0.0001, "0.0001"},
        RealCase{0.00015, "0.00015"}, RealCase{0.000123456789012345, "0.0001234567890123"},
        RealCase{-0.000123456789012345, "-0.0001234567890123"}));

INSTANTIATE_TEST_SUITE_P(
    ExponentFormHasThreeExponentDigits, RealForm,
    testing::Values(RealCase{1e13, "1e+013"}, RealCase{12345678901234.0, "1.234567890123e+013"},
                    RealCase{1234567890123456.0, "1.234567890123e+015"}, RealCase{1e16, "1e+016"},
                    RealCase{0x1p53, "9.007199254741e+015"}, RealCase{0.00001, "1e-005"},
                    RealCase{-0.00001, "-1e-005"}, RealCase{1e-300, "1e-300"},
                    RealCase{1e100, "1e+100"}, RealCase{0x1p-1074, "4.940656458412e-324"},
                    RealCase{-0x1p-1074, "-4.940656458412e-324"},
                    RealCase{0x1.fffffffffffffp+1023, "1.797693134862e+308"},
                    RealCase{-0x1.fffffffffffffp+1023, "-1.797693134862e+308"},
                    RealCase{-1.2345678901234e-200, "-1.234567890123e-200"}));

// The 14th digit of the 17-digit rounding decides, a half going away from zero, and a carry may
// ripple into a new leading digit and move the text into the exponent form.
INSTANTIATE_TEST_SUITE_P(
    RoundsHalfAwayFromZeroAtDigit14, RealForm,
    testing::Values(RealCase{1234567890122.5, "1234567890123"},
                    RealCase{-1234567890122.5, "-1234567890123"},
                    RealCase{1.0000000000045, "1.000000000005"},  // exact 1.00000000000449995...
                    RealCase{1.2345678901235, "1.234567890124"}, RealCase{9.9999999999999, "10"},
                    RealCase{9.999999999999, "9.999999999999"}, RealCase{9.99999999999995, "10"},
                    RealCase{9999999999999.5, "1e+013"}, RealCase{0.000099999999999995, "0.0001"},
                    RealCase{0.0000999999999999949, "9.999999999999e-005"},
                    RealCase{0.9999999999999999, "1"}));

INSTANTIATE_TEST_SUITE_P(
    SpecialValues, RealForm,
    testing::Values(RealCase{0.0, "0"}, RealCase{-0.0, "0"},
                    RealCase{std::numeric_limits<double>::infinity(), "1.#INF"},
                    RealCase{-std::numeric_limits<double>::infinity(), "-1.#INF"},
                    RealCase{std::bit_cast<double>(std::uint64_t{0xFFF8000000000000}), "-1.#IND"},
                    RealCase{std::bit_cast<double>(std::uint64_t{0x7FF8000000000000}), "1.#QNAN"},
                    RealCase{std::bit_cast<double>(std::uint64_t{0xFFF8000000000001}), "-1.#QNAN"},
                    RealCase{std::bit_cast<double>(std::uint64_t{0x7FF0000000000001}), "1.#QNAN"}));

TEST(RealForm, InfinityMinusInfinityShowsAsIndefinite) {
    volatile double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(number_to_text(inf - inf), "-1.#IND");
}

struct IntegerCase {
    std::int32_t value;
    std::string text;
};

class IntegerForm : public testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerForm, IsPlainDecimal) {
    EXPECT_EQ(number_to_text(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, IntegerForm,
                         testing::Values(IntegerCase{16, "16"}, IntegerCase{-16, "-16"},
                                         IntegerCase{0, "0"},
                                         IntegerCase{-2147483647 - 1, "-2147483648"},
                                         IntegerCase{2147483647, "2147483647"}));

}  // namespace
}  // namespace pixtallo::engine
