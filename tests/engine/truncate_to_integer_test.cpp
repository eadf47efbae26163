#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/convert.hpp"

namespace pixtallo::engine {
namespace {

struct TruncateCase {
    double value;
    std::int32_t integer;
};

void PrintTo(const TruncateCase& c, std::ostream* os) {
    *os << std::hexfloat << c.value;
}

class TruncateToInteger : public testing::TestWithParam<TruncateCase> {};

TEST_P(TruncateToInteger, DropsTheFraction) {
    EXPECT_EQ(truncate_to_integer(GetParam().value), GetParam().integer);
}

INSTANTIATE_TEST_SUITE_P(TowardZero, TruncateToInteger,
                         testing::Values(TruncateCase{5.5, 5}, TruncateCase{-5.5, -5},
                                         TruncateCase{16.25, 16}, TruncateCase{5.43 / 0.32, 16},
                                         TruncateCase{-0.0, 0}, TruncateCase{0.4, 0},
                                         TruncateCase{-16.25, -16}));

INSTANTIATE_TEST_SUITE_P(
    NearIntegerCountsAsTheNextWholeNumber, TruncateToInteger,
    testing::Values(TruncateCase{1.2 / 0.4, 3}, TruncateCase{15.999999999999998, 16},
                    TruncateCase{2.9999999999995, 3}, TruncateCase{-2.9999999999995, -3},
                    TruncateCase{0.9999999999995, 1}, TruncateCase{-0.9999999999995, -1},
                    TruncateCase{2.999999999999, 2},         // exactly at the bound: no
                    TruncateCase{4097.0 - 0x1p-40, 4097},    // still within 1e-12
                    TruncateCase{8193.0 - 0x1p-39, 8192}));  // a step is wider than 1e-12

INSTANTIATE_TEST_SUITE_P(WrapsInto32Bits, TruncateToInteger,
                         testing::Values(TruncateCase{2147483647.5, 2147483647},
                                         TruncateCase{2147483648.0, -2147483647 - 1},
                                         TruncateCase{-2147483648.5, -2147483647 - 1},
                                         TruncateCase{-2147483649.0, 2147483647},
                                         TruncateCase{3000000000.0, -1294967296},
                                         TruncateCase{4294967296.0, 0},
                                         TruncateCase{4294967297.5, 1},
                                         TruncateCase{0x1p63 - 1024.0, -1024},
                                         TruncateCase{0x1p52 + 5.0, 5}));

INSTANTIATE_TEST_SUITE_P(OutOfRangeGivesZero, TruncateToInteger,
                         testing::Values(TruncateCase{9.3e18, 0}, TruncateCase{0x1p63, 0},
                                         TruncateCase{-0x1p63, 0}, TruncateCase{1e300, 0},
                                         TruncateCase{std::numeric_limits<double>::infinity(), 0},
                                         TruncateCase{-std::numeric_limits<double>::infinity(), 0},
                                         TruncateCase{std::numeric_limits<double>::quiet_NaN(),
                                                      0}));

}  // namespace
}  // namespace pixtallo::engine
