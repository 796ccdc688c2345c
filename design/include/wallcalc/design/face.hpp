#pragma once
// The vertical (or horizontal) bars of one face of the wall at one section: the bars for
// strength with h0 taken at the diameter of those very bars, at least the minimum steel,
// then, in ordinary works, the crack width of the bars placed against the limit, the bars
// made larger until it holds.
#include <optional>
#include <span>

#include "wallcalc/design/bars.hpp"
#include "wallcalc/design/crack_width.hpp"
#include "wallcalc/design/materials.hpp"
#include "wallcalc/design/section.hpp"

namespace wallcalc::design {

// How the bars grow when their crack width exceeds the limit: the next size of the list,
// or one millimetre at a time up to 50 mm (the press's own rule).
enum class CrackGrowth { NextSize, ByMillimetre };
inline constexpr int kLargestMillimetreBar = 50;

struct FaceInput {
    double M = 0;              // design moment (kN·m per metre); ≤ 0: not in tension
    std::optional<double> Mq;  // quasi-permanent moment: the crack width is checked
    double thickness = 0;      // h (mm)
    double cover = 0;          // clear cover of the face (mm)
    double spacing = 0;        // mm
    double limit = 0;          // crack-width limit (mm)
    double AsMin = 0;          // minimum steel (mm² per metre)
    Materials materials;
    std::span<const int> sizes = kStandardSizes;
    CrackGrowth growth = CrackGrowth::NextSize;
};

struct FaceDesign {
    Flexure strength;        // at h0 of the strength bars (of the largest size when none fits)
    int strengthPasses = 0;  // how many h0 it took until the bars no longer changed
    double AsMin = 0;
    bool minimumGoverns = false;       // the bars are chosen for As,min, not As
    std::optional<Bars> strengthBars;  // none: no size of the list fits
    std::optional<CrackWidth> crack;   // of the bars placed (the last pass)
    int crackPasses = 0;
    bool crackMet = true;        // also where no crack width is checked
    std::optional<Bars> placed;  // the bars put in; none where none fits

    // The face carries its moment with bars of the list (αs < 0.5 and a size that fits).
    bool strengthOk() const { return !strength.tooSmall && strengthBars.has_value(); }
};

FaceDesign designFace(const FaceInput& in);

}  // namespace wallcalc::design
