#include "wallcalc/design/crack_width.hpp"

#include <limits>

#include "wallcalc/design/section.hpp"

namespace wallcalc::design {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kLeastRhoTe = 0.01;
constexpr double kLeastPsi = 0.2, kMostPsi = 1.0;
constexpr double kLeastCover = 20, kMostCover = 65;  // mm

}  // namespace

CrackWidth crackWidth(const CrackSection& s, int d, double As) {
    CrackWidth c;
    c.d = d;
    c.As = As;
    c.h0 = effectiveDepth(s.thickness, s.cover, d);
    c.rhoTe = within(As / (0.5 * kStripWidth * s.thickness), kLeastRhoTe, kInfinity);
    c.sigma = s.Mq * 1e6 / (0.87 * c.h0 * As);
    c.psi = within(1.1 - 0.65 * s.ftk / (c.rhoTe.used * c.sigma), kLeastPsi, kMostPsi);
    c.cs = within(s.cover, kLeastCover, kMostCover);
    c.nu = s.plain ? kPlainBond : 1.0;
    c.deq = d / c.nu;
    c.w = kAlphaCr * c.psi.used * c.sigma / s.Es * (1.9 * c.cs.used + 0.08 * c.deq / c.rhoTe.used);
    return c;
}

}  // namespace wallcalc::design
