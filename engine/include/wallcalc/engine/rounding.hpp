#pragma once
// SSWR: rounds to three decimals, half up on the fourth decimal digit, working on the
// single-precision value. Moments, areas and the design and crack quantities pass
// through it before they are stored or shown. A press rounds some eighty values, so the
// functions stand here to be inlined.
#include <cfloat>
#include <cmath>
#include <optional>

namespace wallcalc {
namespace detail {

// The whole part below v, as std::floor gives it, without the library call that std::floor
// costs on the baseline x86-64 instruction set: below 2^52 in magnitude the truncation
// through a 64-bit integer is exact, and it is moved down by one where v has a fraction
// and is negative. Larger values, infinities and NaN go to std::floor.
inline double wholeBelow(double v) {
    constexpr double kExactBelow = 4503599627370496.0;  // 2^52
    if (!(std::fabs(v) < kExactBelow)) return std::floor(v);
    const double truncated = static_cast<double>(static_cast<long long>(v));
    if (truncated == v) return v;  // already whole (and a zero keeps its sign)
    return truncated > v ? truncated - 1.0 : truncated;
}

}  // namespace detail

// Empty when x is not finite or x·10000 does not fit in single precision.
inline std::optional<float> SSWR(float x) {
    if (!std::isfinite(x)) return std::nullopt;
    // The products are formed from the single-precision x in double precision; their
    // whole parts are held in single precision.
    const double thousand = detail::wholeBelow(static_cast<double>(x) * 1000.0);
    const double tenThousand = detail::wholeBelow(static_cast<double>(x) * 10000.0);
    if (std::fabs(tenThousand) > FLT_MAX) return std::nullopt;
    const float A = static_cast<float>(thousand);
    const float B = static_cast<float>(tenThousand);
    if (!std::isfinite(A) || !std::isfinite(B)) return std::nullopt;

    const float d = B - 10.0f * A;  // the fourth decimal digit
    const double r = d - 5.0f >= 0.0f ? static_cast<double>(A) / 1000.0 + 0.001
                                      : static_cast<double>(A) / 1000.0;
    return static_cast<float>(r);
}

// A double is first converted to single precision; empty when it does not fit.
inline std::optional<float> toSingle(double x) {
    if (!std::isfinite(x)) return std::nullopt;
    const float f = static_cast<float>(x);
    if (!std::isfinite(f)) return std::nullopt;  // beyond the single-precision range
    return f;
}

inline std::optional<float> SSWR(double x) {
    const auto f = toSingle(x);
    if (!f) return std::nullopt;
    return SSWR(*f);
}

}  // namespace wallcalc
