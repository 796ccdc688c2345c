#pragma once
// The wall strip as a member: 1 m wide, pinned at its top (the roof slab, h3), fixed at its
// base B (h4), x the depth below the top. The pressure on it is straight on each side of
// one depth a (the water level in case B):
//   p(x) = p0 + k1·x                      for 0 ≤ x ≤ a
//   p(x) = p0 + k1·a + k2·(x − a)         for a ≤ x ≤ L
// Cases A and C have one slope (a = 0, k1 = k2). Every value comes from closed forms on
// each straight segment (constant EI); nothing is integrated numerically.
#include "wallcalc/engine/state.hpp"
#include "wallcalc/report/calculation_text.hpp"

namespace wallcalc {

struct PressureDiagram {
    double p0 = 0;  // at the top (kN/m)
    double k1 = 0;  // slope above the depth a (kN/m per m)
    double k2 = 0;  // slope below it
    double a = 0;   // depth of the change of slope (m)
    double L = 0;   // span h3 − h4 (m)

    double at(double x) const;  // the pressure at depth x
};

// The loads of a completed press as the member sees them: the earth and water terms as
// one diagram, the surcharge and the civil-defence load as uniform loads over the span.
struct WallLoads {
    PressureDiagram earthAndWater;
    double surcharge = 0;     // q42 = 0.5·Qfj
    double civilDefence = 0;  // q52 = Qrf (civil-defence works), else 0

    // factorG·(earth and water) + factorQ·surcharge + factorC·civil-defence load.
    PressureDiagram combined(double factorG, double factorQ, double factorC) const;
    PressureDiagram characteristic() const { return combined(1, 1, 1); }
};

// Case A: p0 = q12 + q22 + q32, k = 0.5·γ + 5; case C: p0 = q12, k = 0.5·γ; case B:
// p0 = q12, slope 0.5·γ above the water level (a = h3 − h2) and 0.5·γ + 5 below it.
// `gamma` is the soil unit weight γ; the loads are those the press computed.
WallLoads wallLoads(const CalcState& state, report::Case loadCase, bool civilDefence, double gamma);

struct MemberForces {
    double MB = 0;     // moment at the base B (kN·m), tension on the earth face
    double R = 0;      // reaction at the top (kN)
    double VB = 0;     // shear at the base (kN): the total load less R
    double total = 0;  // the total load on the span (kN)
    double xA = 0;     // depth of the largest span moment (m), where the shear is zero
    double MA = 0;     // largest span moment (kN·m), tension on the inner face; 0 when the
                       // member sags nowhere
};

MemberForces analyse(const PressureDiagram& p);

}  // namespace wallcalc
