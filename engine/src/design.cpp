#include "wallcalc/engine/design.hpp"

#include <algorithm>
#include <cmath>

#include "per_thread.hpp"
#include "wallcalc/engine/rounding.hpp"

namespace wallcalc {

double minimumSteelRatio(double ft, double fy, double civilMinimum) {
    return std::max({0.2, 45 * ft / fy, civilMinimum});
}

namespace {

StrengthDesign designFor(float MB, double Fc, double h0, double Fy) {
    StrengthDesign out;
    const auto alfas = SSWR(MB * 1e6 / (Fc * 1000 * (h0 * h0)));
    if (!alfas) {
        out.outOfRange = "αs";
        return out;
    }
    out.alfas = *alfas;

    if (out.alfas >= 0.5) {
        // Past this point 1 − 2αs is negative: the section cannot carry the moment.
        out.momentTooLarge = true;
        out.kese = 1;
    } else {
        const auto kese = SSWR(1 - std::sqrt(1 - 2 * static_cast<double>(out.alfas)));
        if (!kese) {
            out.outOfRange = "ζ";
            return out;
        }
        out.kese = *kese;
    }

    const auto as = SSWR(Fc * 1000 * h0 * out.kese / Fy);
    if (!as) {
        out.outOfRange = "As";
        return out;
    }
    out.Aas = *as;
    return out;
}

}  // namespace

// All the inputs are positive but the moment, whose signed zeros give the same design.
StrengthDesign strengthDesign(float MB, double Fc, double h0, double Fy) {
    return detail::madeOnce<designFor>(MB, Fc, h0, Fy);
}

}  // namespace wallcalc
