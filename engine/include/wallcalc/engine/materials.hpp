#pragma once
// Material strengths (N/mm2) of the concrete and steel grades, in ordinary and in
// civil-defence works.
#include <optional>

#include "wallcalc/engine/state.hpp"

namespace wallcalc {

enum class Mode { Ordinary, CivilDefence };

struct ConcreteStrengths {
    double Fc;   // design compressive strength, with the high-grade and civil-defence factors
    double Ft;   // design tensile strength
    double Ftk;  // characteristic tensile strength
};

// By position in the concrete list (0 = C15 … 13 = C80); empty outside the table.
std::optional<ConcreteStrengths> concreteStrengths(int position, Mode mode);
// By position in the steel list (0 = HPB235 … 3 = RRB400); empty outside the table.
std::optional<SteelStrength> steelStrength(int position, Mode mode);

// The elastic modulus Es of the steel (N/mm2): 2.1×10^5 for the plain bars (HPB235),
// 2.0×10^5 for the ribbed grades; empty outside the table.
std::optional<double> steelModulus(int position);

// The strength as a number, whichever form it is held in.
double value(const SteelStrength& Fy);

}  // namespace wallcalc
