#pragma once
// Material strengths (N/mm2) of the concrete and steel grades, in ordinary and in
// civil-defence works.
#include <optional>

#include "wallcalc/engine/controls.hpp"
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
// By position in the steel list of the basis (2002: 0 = HPB235 … 3 = RRB400; 2010:
// 0 = HPB300 … 4 = HRB500); empty outside the table, and in civil-defence works for a grade
// that has no civil-defence factor (HPB300 and HRB500).
std::optional<SteelStrength> steelStrength(int position, Mode mode, Basis basis = Basis::Gb2002);
// Whether civil-defence works can use the grade (GB 50038-2005 gives its factor).
bool hasCivilDefenceStrength(int position, Basis basis);

// The elastic modulus Es of the steel (N/mm2): 2.1×10^5 for the plain bars (HPB235,
// HPB300), 2.0×10^5 for the ribbed grades; empty outside the table.
std::optional<double> steelModulus(int position, Basis basis = Basis::Gb2002);

// What the supplementary design needs of a concrete grade besides its strengths.
struct ConcreteGrade {
    int fcuk;                   // the grade's cube strength: 15 for C15
    double civilDefenceFactor;  // 1.5 up to C55, 1.4 above
    double beta1;               // the depth factor of the rectangular stress block
    double civilMinimumSteel;   // % of the section, civil-defence works: 0.25 (C15–C35),
                                // 0.30 (C40–C55), 0.35 (C60–C80)
};
std::optional<ConcreteGrade> concreteGrade(int position);

// What it needs of a steel grade.
struct SteelGrade {
    int fy;      // ordinary design strength (N/mm2)
    double Es;   // elastic modulus (N/mm2)
    bool plain;  // plain round bars (HPB235): the crack width takes d/0.7 as their diameter
};
std::optional<SteelGrade> steelGrade(int position, Basis basis = Basis::Gb2002);

// The strength as a number, whichever form it is held in.
double value(const SteelStrength& Fy);

}  // namespace wallcalc
