#pragma once
// A value the code bounds: the quotient as computed and the value taken. Where the bound
// replaces the quotient the text writes both: "ρte=…=0.0065<0.01，取ρte=0.01".
#include <algorithm>

namespace wallcalc::design {

struct Bounded {
    double value = 0;  // as computed
    double used = 0;   // as taken: the value itself, or the bound it passed
    double lower = 0, upper = 0;

    bool belowLower() const { return value < lower; }
    bool aboveUpper() const { return value > upper; }
    bool bounded() const { return belowLower() || aboveUpper(); }
};

// The value taken within [lower, upper]; an unbounded side is ±infinity.
inline Bounded within(double value, double lower, double upper) {
    return {value, std::clamp(value, lower, upper), lower, upper};
}

}  // namespace wallcalc::design
