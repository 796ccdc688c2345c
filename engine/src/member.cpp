// Member forces of the propped strip from closed forms on each straight segment of the
// pressure diagram. With b = L − a and Δk = k2 − k1:
//   M_B = p0·L²/8 + k1·L³/15 + Δk·b³·(4 − 3·b/L + 0.6·(b/L)²)/24
//   R   = 3·p0·L/8 + k1·L²/10 + Δk·(b⁴/(8·L²) − b⁵/(40·L³))
//   V_B = total − R,  total = p0·L + k1·L²/2 + Δk·b²/2
// The shear V(x) = R − ∫₀ˣ p is a quadratic on each segment; the span moment
// M(x) = R·x − ∫₀ˣ∫ p is largest where V is zero (or nowhere in the span: then 0).
#include "wallcalc/engine/member.hpp"

#include <algorithm>
#include <array>
#include <cmath>

namespace wallcalc {
namespace {

// Where the shear of a segment is zero: t past its start, within its length, for a segment
// starting with shear V under pressure p rising at k per metre, i.e. the roots of
// (k/2)·t² + p·t − V = 0, in a form free of cancellation.
struct Zeros {
    std::array<double, 2> at{};
    int count = 0;
    void keep(double t, double length) {
        if (std::isfinite(t) && t >= 0 && t <= length && (count == 0 || t != at[0])) {
            at[static_cast<std::size_t>(count++)] = t;
        }
    }
};

Zeros shearZeros(double V, double p, double k, double length) {
    Zeros z;
    if (k == 0) {
        if (p != 0) z.keep(V / p, length);
        return z;
    }
    const double disc = p * p + 2 * k * V;
    if (disc < 0) return z;
    const double q = -0.5 * (p + std::copysign(std::sqrt(disc), p));
    if (q == 0) {
        z.keep(0, length);
        return z;
    }
    z.keep(q / (0.5 * k), length);
    z.keep(-V / q, length);
    return z;
}

}  // namespace

double PressureDiagram::at(double x) const {
    return x <= a ? p0 + k1 * x : p0 + k1 * a + k2 * (x - a);
}

PressureDiagram WallLoads::combined(double factorG, double factorQ, double factorC) const {
    PressureDiagram p = earthAndWater;
    p.p0 = factorG * earthAndWater.p0 + factorQ * surcharge + factorC * civilDefence;
    p.k1 = factorG * earthAndWater.k1;
    p.k2 = factorG * earthAndWater.k2;
    return p;
}

WallLoads wallLoads(const CalcState& s, report::Case loadCase, bool civilDefence, double gamma) {
    WallLoads w;
    PressureDiagram& p = w.earthAndWater;
    p.L = s.L;
    switch (loadCase) {
        case report::Case::A:
            p.p0 = s.q12 + s.q22 + s.q32;
            p.k1 = p.k2 = 0.5 * gamma + 5;
            break;
        case report::Case::B:
            p.p0 = s.q12;
            p.k1 = 0.5 * gamma;
            p.k2 = 0.5 * gamma + 5;
            p.a = s.a;
            break;
        case report::Case::C:
            p.p0 = s.q12;
            p.k1 = p.k2 = 0.5 * gamma;
            break;
    }
    w.surcharge = s.q42;
    w.civilDefence = civilDefence ? s.q52 : 0;
    return w;
}

MemberForces analyse(const PressureDiagram& p) {
    MemberForces f;
    const double L = p.L, a = std::clamp(p.a, 0.0, L), b = L - a;
    const double dk = p.k2 - p.k1;
    const double r = L > 0 ? b / L : 0;
    f.MB =
        p.p0 * L * L / 8 + p.k1 * L * L * L / 15 + dk * b * b * b * (4 - 3 * r + 0.6 * r * r) / 24;
    f.R = 3 * p.p0 * L / 8 + p.k1 * L * L / 10 + dk * b * b * r * r * (1.0 / 8 - r / 40);
    f.total = p.p0 * L + p.k1 * L * L / 2 + dk * b * b / 2;
    f.VB = f.total - f.R;

    // The span moment at each zero of the shear, segment by segment.
    const double Va = f.R - p.p0 * a - p.k1 * a * a / 2;
    const double pa = p.p0 + p.k1 * a;
    const auto momentAt = [&](double x) {
        const double below = std::max(x - a, 0.0);
        return f.R * x - p.p0 * x * x / 2 - p.k1 * x * x * x / 6 - dk * below * below * below / 6;
    };
    const auto consider = [&](double x) {
        const double m = momentAt(x);
        if (m > f.MA) {
            f.MA = m;
            f.xA = x;
        }
    };
    const Zeros above = shearZeros(f.R, p.p0, p.k1, a);
    for (int i = 0; i < above.count; ++i)
        consider(above.at[static_cast<std::size_t>(i)]);
    const Zeros below = shearZeros(Va, pa, p.k2, b);
    for (int i = 0; i < below.count; ++i)
        consider(a + below.at[static_cast<std::size_t>(i)]);
    return f;
}

}  // namespace wallcalc
