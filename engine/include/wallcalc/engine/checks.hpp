#pragma once
// The supplementary design (补充验算) of a completed press: what the wall needs beside
// the vertical bars of the earth face at the base. From the same inputs, materials and
// mode; it never changes the six result boxes or the calculation text.
//   a. member forces of the strip (characteristic): base moment, top reaction, base
//      shear, the largest span moment and its depth
//   b. the inner face at the span (cover c2): strength design, bars, crack width
//   c. the earth face at the base as built: the crack width of the strength bars
//   d. the depth of the compression zone ξ against its limit ξb
//   e. minimum steel of each face
//   f. horizontal distribution bars
//   g. shear at the base
//   h. civil-defence works: the same wall designed as ordinary works, and the larger
//   i. plain bars (HPB235): the crack width with their equivalent diameter d/0.7
//   j. warnings on inputs the calculation accepts silently
#include <optional>
#include <string>
#include <vector>

#include "wallcalc/design/code_limits.hpp"
#include "wallcalc/engine/bars.hpp"
#include "wallcalc/engine/crack.hpp"
#include "wallcalc/engine/design.hpp"
#include "wallcalc/engine/materials.hpp"
#include "wallcalc/engine/member.hpp"

namespace wallcalc {

struct PressResult;

// A face designed for a moment as the base is: αs, ζ, As, the bars at the typed spacing
// and, in ordinary works, the crack width of those bars (raised until it meets the limit).
struct FaceDesign {
    float M = 0;       // the moment the crack width is taken under, rounded (kN·m): the
                       // characteristic one (2002), the quasi-permanent one (2010)
    float Md = 0;      // design moment, rounded (kN·m): η·M (2002), of the partial factors
    double h0 = 0;     // effective depth (mm)
    double cover = 0;  // of this face (mm)
    StrengthDesign strength;
    BarChoice bars;
    std::optional<CrackCheck> crack;  // ordinary works, M > 0 and a bar that fits
    // The arrangement placed: the crack-controlled bars where the crack check raised them
    // and met the limit, otherwise the strength bars; 0 and "太大了" when none fits.
    Diameter placed = 0;
    float placedArea = 0;  // π/4·d²·1000/s of the bars placed, rounded
    float minimum = 0;     // 2010: the minimum steel the bars are also chosen for
};

// ξ = ζ against ξb = β1 / (1 + fy / (Es·εcu)).
struct CompressionZone {
    double beta1 = 0;
    double epsCu = 0;  // 0.0033 − (fcu,k − 50)·10⁻⁵, at most 0.0033
    double Es = 0;
    double fy = 0;   // the strength of the run
    float xib = 0;   // rounded
    float base = 0;  // ξ at the base (ζ of the strength design)
    float span = 0;  // ξ at the span; 0 without a span design
    // Where ξ > ξb: the wall thickness that brings ξ to ξb (mm, whole, rounded up).
    std::optional<double> baseThickness, spanThickness;
};

// ρmin = max(0.2 %, 45·ft/fy %) of 1000·h5 for each face; civil-defence works at least the
// grade's civil-defence minimum.
struct MinimumSteel {
    int fy = 0;             // the grade's ordinary strength (N/mm2)
    double byStrength = 0;  // 45·ft/fy (%)
    double civil = 0;       // civil-defence minimum (%), 0 in ordinary works
    double rho = 0;         // the ratio that governs (%)
    float As = 0;           // per face (mm²/m), rounded
    // Each face: its bars placed, and when they are short the bars that meet it.
    struct Face {
        Diameter placed = 0;
        float area = 0;
        bool shortOfIt = false;
        Diameter meeting = 0;  // the bars at the typed spacing that meet it, or "太大了"
    };
    Face base, span;
};

// Horizontal distribution bars, each face: at least 0.1 % of 1000·h5, diameter ≥ 8, at
// min(typed spacing, 200).
struct HorizontalBars {
    float As = 0;        // needed per face (mm²/m), rounded
    double spacing = 0;  // mm
    int diameter = 0;    // 0 when even 25 mm bars fall short
    float area = 0;      // of those bars (mm²/m), rounded
};

// η·V_B ≤ 0.7·βh·ft·1000·h0.
struct ShearCheck {
    float V = 0;           // design shear η·V_B (kN), rounded
    double h0ForBeta = 0;  // h0 taken within 800 … 2000
    double betaH = 0;      // (800/h0)^¼
    double ft = 0;         // with the civil-defence factor in civil-defence works
    float capacity = 0;    // kN, rounded
    bool met = true;
    std::optional<double> thickness;  // when not met: the wall thickness that carries it (mm)
};

// The earth face as built: the crack width of the strength bars with their own area.
struct StrengthBarsCrack {
    float area = 0;
    CrackPass pass;
    bool meets = false;  // within 1.05 × the limit
};

// Plain bars: the crack width of the crack-controlled bars with d/0.7 and Es 2.1×10⁵.
struct PlainBarsCrack {
    int deq = 0;
    float W = 0;
    bool meets = false;  // within the limit
};

// Civil-defence works: the larger of the civil-defence design and the design of the same
// wall as ordinary works, at the base and at the span.
struct Governing {
    struct Choice {
        float civilAs = 0, ordinaryAs = 0;
        Diameter civilBars = 0, ordinaryBars = 0;
        bool fromOrdinary = false;
        float As() const { return fromOrdinary ? ordinaryAs : civilAs; }
        const Diameter& bars() const { return fromOrdinary ? ordinaryBars : civilBars; }
    };
    Choice base;
    std::optional<Choice> span;
    std::string ordinaryProblem;    // why the ordinary design could not be made, if so
    bool ordinaryCompleted = true;  // the same wall as ordinary works could be designed
    bool ordinaryCrackMet = true;   // and its crack width holds
};

// The 2010 basis's supplementary design, every value unrounded, made through the section
// design of the code in force: the earth face at the base as the press designed it, the
// inner face at the span (cover c2), ξ of both, the horizontal bars of each face, the shear
// at the base and, in civil-defence works, the larger of that design and the same wall's
// as ordinary works.
struct Supplementary2010 {
    design::Materials materials;
    double gamma0 = 1;
    MemberForces design;  // of the partial factors without γ0 (civil-defence works: 1.2, 1.0)
    std::optional<MemberForces> quasi;  // ordinary works
    design::FaceDesign base;
    std::optional<design::FaceDesign> span;
    double spanCover = 0;
    double xiB = 0;
    // The thickness that brings ξ back to ξb, where it exceeds it (mm, whole, rounded up).
    std::optional<double> baseThicknessForXi, spanThicknessForXi;
    design::HorizontalBars earthHorizontal, innerHorizontal;
    design::Shear shear;                   // V = γ0·VB, h0 at the base bars' diameter
    std::optional<double> shearThickness;  // where it does not hold (mm, whole, rounded up)
    struct Choice {
        double civilAs = 0, ordinaryAs = 0;
        std::optional<design::Bars> civilBars, ordinaryBars;
        bool fromOrdinary = false;
        double As() const { return fromOrdinary ? ordinaryAs : civilAs; }
        const std::optional<design::Bars>& bars() const {
            return fromOrdinary ? ordinaryBars : civilBars;
        }
    };
    std::optional<Choice> governingBase, governingSpan;  // civil-defence works
};

struct Checks {
    Mode mode = Mode::Ordinary;
    Basis basis = Basis::Gb2002;
    report::Case loadCase = report::Case::A;
    double eta = 0, gamma = 0, h5 = 0, c1 = 0, spacing = 0, limit = 0;  // inputs as numbers
    std::string spacingText;            // the spacing as typed, for writing bars
    std::string horizontalSpacingText;  // the horizontal bars' spacing as written

    PressureDiagram diagram;  // characteristic
    MemberForces member;
    // The 2010 basis: the diagram of the partial factors (γG·earth and water + γQ·surcharge;
    // civil-defence works 1.2·earth and water + 1.0·Qrf) and the quasi-permanent one
    // (earth and water + ψq·surcharge, ordinary works).
    double gammaG = 0, gammaQ = 0, psiq = 0;
    PressureDiagram earthAndWater;  // the diagram the factor of the permanent loads takes
    std::optional<PressureDiagram> designDiagram, quasiDiagram;

    std::optional<FaceDesign> base;  // the earth face at the base, as the press designed it
    std::optional<FaceDesign> span;  // the inner face at the span
    std::string spanProblem;         // why there is no span design, when there is none

    std::optional<StrengthBarsCrack> strengthBarsCrack;  // ordinary works
    CompressionZone xi;
    MinimumSteel minimum;
    HorizontalBars horizontal;
    ShearCheck shear;
    std::optional<PlainBarsCrack> plainBars;    // ordinary works, plain bars
    std::optional<Governing> governing;         // civil-defence works
    std::optional<Supplementary2010> code2010;  // the 2010 basis, in place of the above
    std::vector<std::string> warnings;
};

// The supplementary design of a completed press, made in its `checks`; left empty for one
// that did not complete (or that ran with a list left without a selection, whose grade is
// then unknown).
void makeSupplementaryDesign(PressResult& press);

// Its text, formula by formula with the numbers substituted, lines separated by CR LF;
// empty when the press has no supplementary design.
std::string supplementaryText(const PressResult& press);

}  // namespace wallcalc
