#pragma once
// The section design of the wall model, storey by storey, through the section design of
// the code in force (wallcalc::design): the water face at each support where it is in
// tension, the inner face at the largest span moment, the shear at both supports and the
// horizontal bars of each face. In civil-defence works every section is designed twice,
// for peacetime (the basic combination, the ordinary strengths, the crack width) and for
// wartime (the civil-defence combination, the dynamic strengths), and takes the larger
// steel. γ0 multiplies every design moment and shear. Every value unrounded.
#include <array>
#include <cstddef>
#include <optional>

#include "wallcalc/design/bars.hpp"
#include "wallcalc/design/code_limits.hpp"
#include "wallcalc/design/crack_width.hpp"
#include "wallcalc/design/face.hpp"
#include "wallcalc/design/materials.hpp"
#include "wallcalc/design/section.hpp"
#include "wallcalc/design/verdict.hpp"
#include "wallcalc/model/panel_analysis.hpp"
#include "wallcalc/model/wall_analysis.hpp"

namespace wallcalc::model {

// Where a face is designed in a storey: its vertical bars at the top and bottom supports
// and in the span, and in a two-way panel its horizontal bars at the side supports (the
// larger of the two sides) and in the span.
enum class FacePlace : std::uint8_t {
    WaterTop,
    WaterBottom,
    InnerSpan,
    WaterSide,
    InnerHorizontalSpan
};
inline constexpr std::array kFacePlaces = {FacePlace::WaterTop, FacePlace::WaterBottom,
                                           FacePlace::InnerSpan, FacePlace::WaterSide,
                                           FacePlace::InnerHorizontalSpan};
constexpr bool waterFace(FacePlace place) {
    return place != FacePlace::InnerSpan && place != FacePlace::InnerHorizontalSpan;
}
constexpr bool horizontalFace(FacePlace place) {
    return place == FacePlace::WaterSide || place == FacePlace::InnerHorizontalSpan;
}

// A moment or shear below this size (kN·m/m, kN/m) is taken as none: the arithmetic of an
// exactly zero support moment may leave a trace of this order.
inline constexpr double kNoForce = 1e-9;

// One design of a face: the bars for one combination with its materials.
struct FaceCase {
    design::FaceDesign face;
    double xiB = 0;  // ξb of the case's steel strength
    // The least thickness (whole mm) at which ξ ≤ ξb (αs < 0.5 too); none where it holds.
    std::optional<double> thicknessForXi;

    bool xiOk() const { return face.strength.xi <= xiB; }
};

// A face of a storey at one place, designed.
struct FaceCheck {
    FacePlace place = FacePlace::InnerSpan;
    double cover = 0;                 // clear cover of the face (mm)
    double Md = 0;                    // basic combination's moment, γ0 in the loads (kN·m/m)
    std::optional<double> Mq;         // quasi-permanent moment, where it puts the face in tension
    FaceCase peacetime;               // basic combination, ordinary strengths, crack width
    double civilMoment = 0;           // the civil-defence combination's moment (kN·m/m)
    std::optional<double> Mc;         // γ0 · civilMoment (civil-defence works)
    std::optional<FaceCase> wartime;  // civil-defence combination, dynamic strengths
    bool wartimeGoverns = false;      // the wartime steel is the larger
    // The bars put in: the larger of the two designs; none where either finds no bar.
    std::optional<design::Bars> provided;
    // The quasi-permanent crack width of the bars provided (none without Mq or bars).
    std::optional<design::CrackWidth> crack;
    double limit = 0;  // mm

    const FaceCase& governing() const { return wartimeGoverns ? *wartime : peacetime; }
    bool crackOk() const { return !crack || crack->w <= limit; }
    // The section's own verdict: a bar of the list for each design, ξ ≤ ξb in each, and the
    // crack width of the bars put in.
    bool ok() const {
        const auto holds = [](const FaceCase& c) { return c.face.strengthOk() && c.xiOk(); };
        return holds(peacetime) && (!wartime || holds(*wartime)) && provided && crackOk();
    }
};

// The shear at one support of a storey: V at the support line, h0 at the bars there.
struct ShearCase {
    design::Shear shear;
    std::optional<double> thicknessForShear;  // whole mm; none where it holds
};
struct ShearCheck {
    double Vd = 0;      // |V| of the basic combination at the support line, γ0 in the loads
    double Vcivil = 0;  // |V| of the civil-defence combination, before γ0
    int d = 0;          // diameter h0 is taken at (mm)
    double cover = 0;   // cover of the face whose bars those are (mm)
    bool waterFace = true;
    ShearCase peacetime;
    std::optional<ShearCase> wartime;
    bool wartimeGoverns = false;  // the larger V/Vc

    const ShearCase& governing() const { return wartimeGoverns ? *wartime : peacetime; }
    bool ok() const { return peacetime.shear.ok() && (!wartime || wartime->shear.ok()); }
};

// The forces a storey's sections are designed for under one combination: each moment with
// the face it names in tension positive (kN·m/m), each shear by its size (kN/m).
struct SectionForces {
    double waterTop = 0, waterBottom = 0, innerSpan = 0;
    double waterSide = 0, innerHorizontalSpan = 0;  // a two-way panel's horizontal moments
    double shearTop = 0, shearBottom = 0, shearSide = 0;

    double moment(FacePlace place) const;
};

// Every storey's forces under every combination, from the strip or from the panel.
struct DesignForces {
    bool twoWay = false;  // a panel: the horizontal faces and the side shear are designed
    std::array<std::array<SectionForces, kMaxStoreys>, kCombinationCount> at{};

    const SectionForces& of(Combination c, std::size_t storey) const {
        return at[index(c)][storey];
    }
};

// The strip's forces: the member's support moments, largest span moment and end shears.
DesignForces stripForces(const WallAnalysis& analysis);
// The panel's forces: its governing moments, and as the shear of an edge the largest
// reaction per metre along it (the sides: the larger of the two).
DesignForces panelForces(const PanelAnalysis& analysis);

struct StoreyDesign {
    std::size_t index = 0;
    double thickness = 0, c1 = 0, c2 = 0;  // mm
    double AsMinPeacetime = 0;             // mm² per metre
    double AsMinWartime = 0;
    std::optional<FaceCheck> waterTop, waterBottom, inner;
    // A two-way panel's horizontal bars: the water face at the side supports (the cover
    // c1 plus the vertical bars outside them) and the inner face in the span (c2 plus the
    // inner vertical bars).
    std::optional<FaceCheck> horizontalSupport, horizontalSpan;
    ShearCheck shearTop, shearBottom;
    std::optional<ShearCheck> shearSide;  // a two-way panel's side supports, the larger
    design::HorizontalBars waterHorizontal, innerHorizontal;
    design::Verdict verdict;  // this storey's sections

    const std::optional<FaceCheck>& face(FacePlace place) const;
    // The horizontal bars of the face that needs more (placed on each face).
    const design::HorizontalBars& horizontal() const;
};

struct WallDesign {
    design::Materials peacetime;               // ordinary strengths
    std::optional<design::Materials> wartime;  // dynamic strengths, civil-defence works
    double rhoMinPeacetime = 0;                // %
    double rhoMinWartime = 0;                  // %
    double gamma0 = 1;                         // γ0 (GB 55001-2021)
    std::size_t storeyCount = 0;
    std::array<StoreyDesign, kMaxStoreys> storeys{};
    design::Verdict verdict;  // the wall: the inputs' minimums, then every storey's sections

    std::span<const StoreyDesign> designed() const { return {storeys.data(), storeyCount}; }
};

// The design of a model without problems, on its analysis (the strip's or the panel's).
WallDesign designWall(const WallModel& model, const DesignForces& forces);
WallDesign designWall(const WallModel& model, const WallAnalysis& analysis);

// The storey's name in the texts: "第2层".
std::string storeyName(std::size_t index);
// The name of a face's place: "墙顶迎水面", "墙底迎水面", "跨中背水面", "侧边支座迎水面水平筋",
// "跨中背水面水平筋".
std::string_view placeName(FacePlace place);

}  // namespace wallcalc::model
