#pragma once
// SSWR: rounds to three decimals, half up on the fourth decimal digit, working on the
// single-precision value. Moments, areas and the design and crack quantities pass
// through it before they are stored or shown.
#include <optional>

namespace wallcalc {

// Empty when x is not finite or x·10000 does not fit in single precision.
std::optional<float> SSWR(float x);

// A double is first converted to single precision; empty when it does not fit.
std::optional<float> toSingle(double x);
std::optional<float> SSWR(double x);

}  // namespace wallcalc
