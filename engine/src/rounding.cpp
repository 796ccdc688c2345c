#include "wallcalc/engine/rounding.hpp"

#include <cfloat>
#include <cmath>

namespace wallcalc {
namespace {

// The whole part below v, as std::floor gives it, without the library call that std::floor
// costs on the baseline x86-64 instruction set: below 2^52 in magnitude the truncation
// through a 64-bit integer is exact, and it is moved down by one where v has a fraction
// and is negative. Larger values, infinities and NaN go to std::floor.
double wholeBelow(double v) {
    constexpr double kExactBelow = 4503599627370496.0;  // 2^52
    if (!(std::fabs(v) < kExactBelow)) return std::floor(v);
    const double truncated = static_cast<double>(static_cast<long long>(v));
    if (truncated == v) return v;  // already whole (and a zero keeps its sign)
    return truncated > v ? truncated - 1.0 : truncated;
}

}  // namespace

std::optional<float> SSWR(float x) {
    if (!std::isfinite(x)) return std::nullopt;
    // The products are formed from the single-precision x in double precision; their
    // whole parts are held in single precision.
    const double thousand = wholeBelow(static_cast<double>(x) * 1000.0);
    const double tenThousand = wholeBelow(static_cast<double>(x) * 10000.0);
    if (std::fabs(tenThousand) > FLT_MAX) return std::nullopt;
    const float A = static_cast<float>(thousand);
    const float B = static_cast<float>(tenThousand);
    if (!std::isfinite(A) || !std::isfinite(B)) return std::nullopt;

    const float d = B - 10.0f * A;  // the fourth decimal digit
    const double r = d - 5.0f >= 0.0f ? static_cast<double>(A) / 1000.0 + 0.001
                                      : static_cast<double>(A) / 1000.0;
    return static_cast<float>(r);
}

std::optional<float> toSingle(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    const float f = static_cast<float>(x);
    if (!std::isfinite(f)) return std::nullopt;  // beyond the single-precision range
    return f;
}

std::optional<float> SSWR(double x) {
    const auto f = toSingle(x);
    if (!f) return std::nullopt;
    return SSWR(*f);
}

}  // namespace wallcalc
