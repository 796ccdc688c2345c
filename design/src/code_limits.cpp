#include "wallcalc/design/code_limits.hpp"

#include <algorithm>

namespace wallcalc::design {

int leastConcreteGrade(const SteelGrade& steel) {
    return steel.grade >= 400 ? 25 : 20;
}

HorizontalBars horizontalBars(double thickness, double verticalArea, double spacing) {
    HorizontalBars h;
    h.byRatio = kHorizontalRatio / 100 * 1000 * thickness;
    h.byShare = kDistributionShare * verticalArea;
    h.As = std::max(h.byRatio, h.byShare);
    h.spacing = std::min(spacing, kLargestHorizontalSpacing);
    h.bars = barsFor(h.As, h.spacing, kHorizontalSizes);
    return h;
}

}  // namespace wallcalc::design
