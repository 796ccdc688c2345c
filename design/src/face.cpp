#include "wallcalc/design/face.hpp"

#include <algorithm>

namespace wallcalc::design {
namespace {

Flexure strengthAt(const FaceInput& in, int d) {
    return flexure(in.M, effectiveDepth(in.thickness, in.cover, d), in.materials.alpha1fc(),
                   in.materials.fy());
}

// h0 depends on the bars and the bars on As: start from the smallest size and take the
// bars As needs until they no longer change. A larger bar only lowers h0 and raises As,
// so the size never falls and the loop ends within the list.
void chooseStrengthBars(const FaceInput& in, FaceDesign& f) {
    int d = in.sizes.front();
    for (std::size_t pass = 0; pass <= in.sizes.size(); ++pass) {
        f.strength = strengthAt(in, d);
        f.strengthPasses = static_cast<int>(pass) + 1;
        const double need = std::max(f.strength.As, in.AsMin);
        f.minimumGoverns = in.AsMin > f.strength.As;
        f.strengthBars = barsFor(need, in.spacing, in.sizes);
        if (!f.strengthBars) {
            // None fits: As stands at h0 of the largest size.
            if (d != in.sizes.back()) f.strength = strengthAt(in, in.sizes.back());
            return;
        }
        if (f.strengthBars->d <= d) return;
        d = f.strengthBars->d;
    }
}

// The size after d, or none.
std::optional<int> grown(const FaceInput& in, int d) {
    if (in.growth == CrackGrowth::ByMillimetre) {
        if (d >= kLargestMillimetreBar) return std::nullopt;
        return d + 1;
    }
    const auto next = std::upper_bound(in.sizes.begin(), in.sizes.end(), d);
    if (next == in.sizes.end()) return std::nullopt;
    return *next;
}

void checkCrackWidth(const FaceInput& in, FaceDesign& f) {
    const CrackSection section{*in.Mq,
                               in.thickness,
                               in.cover,
                               in.materials.concrete->ftk,
                               in.materials.steel->Es,
                               in.materials.steel->plain};
    int d = f.strengthBars->d;
    while (true) {
        ++f.crackPasses;
        f.crack = crackWidth(section, d, barArea(d, in.spacing));
        f.placed = barsOf(d, in.spacing);
        f.crackMet = f.crack->w <= in.limit;
        if (f.crackMet) return;
        const auto next = grown(in, d);
        // A bar so large that it leaves no effective depth h0 = h − c − d/2 cannot be
        // placed in this wall: the growth ends with the width of the last bar that can.
        if (!next || !(effectiveDepth(in.thickness, in.cover, *next) > 0)) return;
        d = *next;
    }
}

}  // namespace

FaceDesign designFace(const FaceInput& in) {
    FaceDesign f;
    f.AsMin = in.AsMin;
    chooseStrengthBars(in, f);
    f.placed = f.strengthBars;
    if (f.strengthBars && in.Mq && *in.Mq > 0) checkCrackWidth(in, f);
    return f;
}

}  // namespace wallcalc::design
