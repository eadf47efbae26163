// The real form of number_to_text on arbitrary doubles: at most 20 characters; for finite values
// the round trip gives the same text, and the text reads back within 13 significant digits.

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "engine/convert.hpp"
#include "fuzz/fuzz_check.hpp"

namespace {

// The one double whose text reads back to another double: its text "1e-311" names a decade
// boundary below which subnormals are spaced wider than the 13th digit.
constexpr std::uint64_t round_trip_exception = 0x0001d74124e3d2ULL;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size != sizeof(double)) {
        return 0;
    }
    std::uint64_t bits = 0;
    std::memcpy(&bits, data, sizeof bits);
    const double x = std::bit_cast<double>(bits);
    const std::string text = pixtallo::engine::number_to_text(x);
    PIXTALLO_FUZZ_CHECK(text.size() <= pixtallo::engine::max_real_text_length);
    if (!std::isfinite(x)) {
        return 0;
    }
    const double back = pixtallo::engine::text_to_number(text);
    if ((bits & ~(1ULL << 63)) != round_trip_exception) {
        PIXTALLO_FUZZ_CHECK(pixtallo::engine::number_to_text(back) == text);
    }
    // Half a unit of the 13th digit (5e-13 of the leading digit's unit, which is at most |x|),
    // plus the first rounding to 17 digits (5e-17), plus reading the text back (2^-53), plus the
    // spacing of the doubles where that is wider (subnormals).
    const double bound = std::fabs(x) * 5.002e-13 + 0x1p-1074;
    PIXTALLO_FUZZ_CHECK(std::fabs(back - x) <= bound);
    return 0;
}
