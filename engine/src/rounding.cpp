#include "wallcalc/engine/rounding.hpp"

#include <cfloat>
#include <cmath>

namespace wallcalc {

std::optional<float> SSWR(float x) {
    if (!std::isfinite(x)) return std::nullopt;
    // The products are formed from the single-precision x in double precision; their
    // whole parts are held in single precision.
    const double thousand = std::floor(static_cast<double>(x) * 1000.0);
    const double tenThousand = std::floor(static_cast<double>(x) * 10000.0);
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
