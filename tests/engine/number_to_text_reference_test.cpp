// Checks the real form against an independent reference built on glibc's printf, which prints
// the exact decimal expansion of a double, over seeded random doubles. Also checks the round trip
// real form -> text_to_number -> real form.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>

#include "engine/convert.hpp"

namespace pixtallo::engine {
namespace {

#ifdef PIXTALLO_LONG_SWEEP
constexpr int sweep = 50'000'000;
#else
constexpr int sweep = 1'500'000;
#endif

// The 17 significant digits of |x| rounded half away from zero, and the decimal exponent of the
// first. From a 40-digit printf; only when digits 18..40 read exactly 5000... can the rounding
// printf did hide which side of the half the exact value lies, and then all digits are printed.
std::string seventeen_digits(double magnitude, int& exponent) {
    char wide[1200];
    std::snprintf(wide, sizeof wide, "%.39e", magnitude);
    std::string all(wide);
    std::string digits = all.substr(0, 1) + all.substr(2, 39);
    if (digits.substr(17) == std::string(23, '0').replace(0, 1, "5")) {
        std::snprintf(wide, sizeof wide, "%.1100e", magnitude);  // exact: no double needs more
        all = wide;
        digits = all.substr(0, 1) + all.substr(2, 1100);
    }
    exponent = std::stoi(all.substr(all.find('e') + 1));
    const bool tail_at_least_half = digits[17] >= '5';
    std::string d17 = digits.substr(0, 17);
    if (tail_at_least_half) {
        int i = 16;
        while (i >= 0 && d17[static_cast<std::size_t>(i)] == '9') {
            d17[static_cast<std::size_t>(i--)] = '0';
        }
        if (i < 0) {
            d17.insert(d17.begin(), '1');
            d17.pop_back();
            ++exponent;
        } else {
            ++d17[static_cast<std::size_t>(i)];
        }
    }
    return d17;
}

std::string reference_real_form(double x) {
    if (x == 0.0) {
        return "0";
    }
    int exponent = 0;
    const std::string d17 = seventeen_digits(std::fabs(x), exponent);
    // Second rounding, by the 14th digit alone, done on the number's value as an integer.
    unsigned long long kept = std::stoull(d17.substr(0, 13));
    if (d17[13] >= '5') {
        ++kept;
    }
    if (kept == 10'000'000'000'000ULL) {
        kept /= 10;
        ++exponent;
    }
    std::string digits = std::to_string(kept);
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    std::string text;
    if (exponent < -4 || exponent >= 13) {
        char tail[16];
        std::snprintf(tail, sizeof tail, "e%c%03d", exponent < 0 ? '-' : '+', std::abs(exponent));
        text.push_back(digits[0]);
        if (digits.size() > 1) {
            text.append(".").append(digits, 1);
        }
        text.append(tail);
    } else if (exponent >= 0) {
        digits.resize(std::max<std::size_t>(digits.size(), static_cast<std::size_t>(exponent) + 1),
                      '0');
        const auto point = static_cast<std::size_t>(exponent) + 1;
        text.append(digits, 0, point);
        if (digits.size() > point) {
            text.append(".").append(digits, point);
        }
    } else {
        text = "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    return (x < 0 ? "-" : "") + text;
}

// The one finite double whose text does not read back to itself. Its text "1e-311" names a decade
// boundary; the double nearest to 1e-311 lies in the decade below, where subnormals are spaced
// wider than the 13th digit, and its own text is 9.999999999999e-312. No nearest-double reading
// can avoid this.
const double round_trip_exception = 0x0.001d74124e3d2p-1022;

bool round_trips(const std::string& text) {
    return number_to_text(text_to_number(text)) == text;
}

void expect_matches_reference(double x, int& failures) {
    if (!std::isfinite(x)) {
        return;
    }
    const std::string got = number_to_text(x);
    const std::string want = reference_real_form(x);
    if (got != want && ++failures <= 20) {
        ADD_FAILURE() << std::hexfloat << x << ": got " << got << ", reference " << want;
    }
    if (got.size() > max_real_text_length && ++failures <= 20) {
        ADD_FAILURE() << got << " is longer than " << max_real_text_length;
    }
    if (std::fabs(x) != round_trip_exception && !round_trips(got) && ++failures <= 20) {
        ADD_FAILURE() << std::hexfloat << x << ": " << got << " does not read back";
    }
}

TEST(RealFormReference, RandomBitPatterns) {
    std::mt19937_64 random(20261211);
    int failures = 0;
    for (int i = 0; i < sweep; ++i) {
        const double x = std::bit_cast<double>(random());
        if (std::isfinite(x)) {
            expect_matches_reference(x, failures);
        }
    }
    EXPECT_EQ(failures, 0);
}

// Short decimals are what users type and what the quotation produces; those with 14 digits ending
// in 5 sit right on the second rounding's boundary, where the first rounding decides.
TEST(RealFormReference, RandomShortDecimals) {
    std::mt19937_64 random(42);
    std::uniform_int_distribution<int> digit_count(1, 17);
    std::uniform_int_distribution<int> scale(-30, 30);
    int failures = 0;
    for (int i = 0; i < sweep; ++i) {
        const int digits = digit_count(random);
        std::uint64_t mantissa = random() % static_cast<std::uint64_t>(std::pow(10.0, digits));
        if (i % 3 == 0) {
            mantissa = mantissa / 10 * 10 + 5;  // ends in 5: a tie in the decimal the user meant
        }
        const std::string text = std::to_string(mantissa) + "e" + std::to_string(scale(random));
        const double x = std::strtod(text.c_str(), nullptr);
        expect_matches_reference(i % 2 ? x : -x, failures);
    }
    EXPECT_EQ(failures, 0);
}

// Products and sums of short decimals, like the quotation's results.
TEST(RealFormReference, RandomQuotationLikeArithmetic) {
    std::mt19937_64 random(7);
    std::uniform_int_distribution<int> cents(0, 10'000'000);
    int failures = 0;
    for (int i = 0; i < sweep / 3; ++i) {
        const double a = cents(random) / 100.0;
        const double b = cents(random) / 1000.0;
        expect_matches_reference(a * b, failures);
        expect_matches_reference(a * b / 8.0, failures);
        expect_matches_reference(a + b * 2.0, failures);
    }
    EXPECT_EQ(failures, 0);
}

// Every double at the edges of the range and of the subnormals, and neighbours of powers of ten.
TEST(RealFormReference, BoundaryDoubles) {
    int failures = 0;
    for (std::uint64_t bits :
         {0x0000000000000001ULL, 0x000FFFFFFFFFFFFFULL, 0x0010000000000000ULL,
          0x7FEFFFFFFFFFFFFFULL, 0x0000000000000002ULL, 0x000123456789ABCDULL}) {
        expect_matches_reference(std::bit_cast<double>(bits), failures);
    }
    for (int e = -323; e <= 308; ++e) {
        const double p = std::strtod(("1e" + std::to_string(e)).c_str(), nullptr);
        expect_matches_reference(p, failures);
        expect_matches_reference(std::nextafter(p, 0.0), failures);
        expect_matches_reference(std::nextafter(p, HUGE_VAL), failures);
        // Just below the carry that makes 9.9999999999999...5 a new power of ten.
        expect_matches_reference(
            std::strtod(("9.99999999999995e" + std::to_string(e)).c_str(), nullptr), failures);
    }
    EXPECT_EQ(failures, 0);
}

// Round trips fail, if anywhere, where a carry moves the text into the next decade. Sweeps the
// doubles around every power of ten in the subnormal and low normal range.
TEST(RealFormRoundTrip, HoldsAroundEveryLowPowerOfTen) {
    int failures = 0;
    for (int e = -323; e <= -290; ++e) {
        const double power = std::strtod(("1e" + std::to_string(e)).c_str(), nullptr);
        const auto bits = static_cast<std::int64_t>(std::bit_cast<std::uint64_t>(power));
        for (std::int64_t step = -20'000; step <= 20'000; ++step) {
            if (bits + step <= 0) {
                continue;
            }
            const double x = std::bit_cast<double>(static_cast<std::uint64_t>(bits + step));
            const std::string text = number_to_text(x);
            if (x != round_trip_exception && !round_trips(text) && ++failures <= 20) {
                ADD_FAILURE() << std::hexfloat << x << ": " << text << " does not read back";
            }
        }
    }
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(number_to_text(round_trip_exception), "1e-311");
    EXPECT_EQ(number_to_text(text_to_number("1e-311")), "9.999999999999e-312");
}

}  // namespace
}  // namespace pixtallo::engine
