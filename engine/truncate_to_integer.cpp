#include <cmath>

#include "engine/convert.hpp"

namespace pixtallo::engine {

std::int32_t truncate_to_integer(double x) noexcept {
    // Step 1.
    if (!std::isfinite(x)) {
        return 0;
    }
    // Step 2: t keeps the whole part, f the fraction with x's sign; the subtraction is exact.
    double t = std::trunc(x);
    const double f = x - t;
    // Step 3: a fraction this close to 1 is representation error (1.2 / 0.4 is
    // 2.9999999999999996), so the count moves one away from zero. From 8192 on no double lies
    // that close below a whole number, so t + 1 cannot leave the range checked next.
    constexpr double near_one = 0.999999999999;
    if (std::fabs(f) > near_one) {
        t += x > 0 ? 1.0 : -1.0;
    }
    // Step 4.
    if (std::fabs(t) >= 0x1p63) {
        return 0;
    }
    // Step 5: the low 32 bits as a two's-complement integer (modular since C++20).
    const auto whole = static_cast<std::int64_t>(t);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(whole)));
}

}  // namespace pixtallo::engine
