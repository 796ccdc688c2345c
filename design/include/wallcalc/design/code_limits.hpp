#pragma once
// The codes' limits on what the engineer types and on the bars beside the main ones, each
// value where its clause stands.
#include <optional>
#include <string>

#include "wallcalc/design/bars.hpp"
#include "wallcalc/design/materials.hpp"

namespace wallcalc::design {

// GB 50108-2008 4.1.7, waterproof concrete walls: at least 250 mm thick, a crack width of
// at most 0.2 mm (and not through), a water-face cover of at least 50 mm.
inline constexpr double kWaterproofThickness = 250;   // mm
inline constexpr double kWaterproofCrackLimit = 0.2;  // mm
inline constexpr double kWaterFaceCover = 50;         // mm

// GB 50010-2010 4.1.2: reinforced concrete at least C20, and at least C25 with steel of
// 400 MPa or stronger. The least grade (fcu,k) the steel allows.
int leastConcreteGrade(const SteelGrade& steel);

// GB 55001-2021: the structural importance factor γ0 by safety class.
struct SafetyClass {
    std::string_view name;  // "一级"
    double gamma0;
};
inline constexpr SafetyClass kSafetyClasses[] = {{"一级", 1.1}, {"二级", 1.0}, {"三级", 0.9}};

// Horizontal distribution bars of each face: at least 0.1 % of the section, and
// (GB 50010-2010 9.1.7) at least 15 % of the vertical bars of that face as provided; a
// diameter of at least 8 mm at no more than 200 mm.
inline constexpr double kHorizontalRatio = 0.1;           // % of 1000·h
inline constexpr double kDistributionShare = 0.15;        // of the main bars of the face
inline constexpr int kLeastHorizontalBar = 8;             // mm
inline constexpr double kLargestHorizontalSpacing = 200;  // mm
inline constexpr int kHorizontalSizes[] = {8, 10, 12, 14, 16, 18, 20, 22, 25};

struct HorizontalBars {
    double byRatio = 0;        // 0.1 %·1000·h (mm²)
    double byShare = 0;        // 15 % of the vertical bars provided (mm²)
    double As = 0;             // the larger
    double spacing = 0;        // min(typed spacing, 200)
    std::optional<Bars> bars;  // none when even 25 mm bars fall short
};
HorizontalBars horizontalBars(double thickness, double verticalArea, double spacing);

}  // namespace wallcalc::design
