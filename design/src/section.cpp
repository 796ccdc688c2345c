#include "wallcalc/design/section.hpp"

#include <algorithm>
#include <cmath>

namespace wallcalc::design {

double effectiveDepth(double thickness, double cover, double diameter) {
    return thickness - cover - diameter / 2;
}

Flexure flexure(double M, double h0, double alpha1fc, double fy) {
    Flexure f;
    f.M = M;
    f.h0 = h0;
    f.alphaS = M * 1e6 / (alpha1fc * kStripWidth * h0 * h0);
    if (!(M > 0)) return f;  // the face is not in tension: no steel for strength
    f.tooSmall = !(f.alphaS < 0.5);
    f.xi = f.tooSmall ? 1.0 : 1 - std::sqrt(1 - 2 * f.alphaS);
    f.As = alpha1fc * kStripWidth * f.xi * h0 / fy;
    return f;
}

double limitXi(double beta1, double fy, double Es, double epsCu) {
    return beta1 / (1 + fy / (Es * epsCu));
}

double minimumSteelRatio(double ft, double fy, double civilMinimum) {
    return std::max({0.2, 45 * ft / fy, civilMinimum});
}

// 6.3.3: h0 within 800 … 2000 mm for βh.
constexpr double kBetaDepthLow = 800, kBetaDepthHigh = 2000;

Shear shear(double V, double h0, double ft) {
    Shear s;
    s.V = V;
    s.h0 = h0;
    s.h0ForBeta = within(h0, kBetaDepthLow, kBetaDepthHigh);
    s.betaH = std::pow(800 / s.h0ForBeta.used, 0.25);
    s.ft = ft;
    s.Vc = 0.7 * s.betaH * ft * kStripWidth * h0 / 1000;
    return s;
}

double depthForShear(double V, double ft) {
    const double perMillimetre = 0.7 * ft * kStripWidth / 1000;  // kN per mm of h0 at βh = 1
    const double h0 = V / perMillimetre;
    if (h0 <= kBetaDepthLow) return h0;
    const double middle = std::pow(V / (perMillimetre * std::pow(kBetaDepthLow, 0.25)), 4.0 / 3.0);
    if (middle <= kBetaDepthHigh) return middle;
    return V / (perMillimetre * std::pow(kBetaDepthLow / kBetaDepthHigh, 0.25));
}

double depthForXiLimit(double M, double alpha1fc, double xiB) {
    const double alphaSb = xiB * (1 - 0.5 * xiB);
    return std::sqrt(M * 1e6 / (alpha1fc * kStripWidth * alphaSb));
}

}  // namespace wallcalc::design
