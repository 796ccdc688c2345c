#include "checks_2010.hpp"

#include <cmath>

#include "basis_2010.hpp"
#include "wallcalc/design/section.hpp"

namespace wallcalc::detail {
namespace {

// A thickness in whole millimetres, rounded up; empty when it is beyond any wall.
std::optional<double> wholeMillimetres(double thickness) {
    if (!std::isfinite(thickness)) return std::nullopt;
    return std::ceil(thickness);
}

// The bar a face's h0 is taken at: its strength bars, or the largest of the table.
int strengthDiameter(const design::FaceDesign& f) {
    return f.strengthBars ? f.strengthBars->d : design::kLargestPressSize;
}

void designSpan(Checks& c, Supplementary2010& s, double c2) {
    design::FaceInput in;
    in.M = s.gamma0 * s.design.MA;
    if (s.quasi) in.Mq = s.quasi->MA;
    in.thickness = c.h5;
    in.cover = c2;
    in.spacing = c.spacing;
    in.limit = c.limit;
    in.materials = s.materials;
    in.AsMin = minimumSteel2010(s.materials, c.h5);
    in.sizes = design::kPressSizes;
    in.growth = design::CrackGrowth::ByMillimetre;
    s.spanCover = c2;
    if (!(design::effectiveDepth(c.h5, c2, design::kPressSizes[0]) > 0)) {
        c.spanProblem =
            "墙厚度h5减去背水面保护层厚度c2及半个钢筋直径得到的有效高度不大于0，未计算A处钢筋";
        return;
    }
    s.span = design::designFace(in);
}

std::optional<double> thicknessForXi(const Supplementary2010& s, const design::FaceDesign& f,
                                     double cover) {
    if (!(f.strength.xi > s.xiB)) return std::nullopt;
    const double h0 = design::depthForXiLimit(f.strength.M, s.materials.alpha1fc(), s.xiB);
    return wholeMillimetres(h0 + cover + strengthDiameter(f) / 2.0).value_or(0);
}

void checkShear(Checks& c, Supplementary2010& s) {
    const double h0 = design::effectiveDepth(c.h5, c.c1, strengthDiameter(s.base));
    s.shear = design::shear(s.gamma0 * s.design.VB, h0, s.materials.ft());
    if (s.shear.ok()) return;
    const double depth = design::depthForShear(s.shear.V, s.materials.ft());
    s.shearThickness = wholeMillimetres(depth + c.c1 + strengthDiameter(s.base) / 2.0).value_or(0);
}

double placedArea(const design::FaceDesign& f) {
    return f.placed ? f.placed->area : 0;
}

Supplementary2010::Choice choice(const design::FaceDesign& civil,
                                 const design::FaceDesign* ordinary) {
    Supplementary2010::Choice g;
    g.civilAs = std::max(civil.strength.As, civil.AsMin);
    g.civilBars = civil.placed;
    if (ordinary != nullptr) {
        g.ordinaryAs = ordinary->placed && ordinary->crack
                           ? ordinary->placed->area
                           : std::max(ordinary->strength.As, ordinary->AsMin);
        g.ordinaryBars = ordinary->placed;
        g.fromOrdinary = g.ordinaryAs > g.civilAs;
    }
    return g;
}

}  // namespace

void design2010(Checks& c, const PressResult& press, const WallLoads& loads,
                std::optional<double> c2, bool facesOnly) {
    const CalcState::Code2010& code = press.state.code2010;
    Supplementary2010& s = c.code2010.emplace();
    s.materials = code.materials;
    s.gamma0 = code.gamma0;
    s.base = code.base;
    s.xiB = code.xiB;
    c.earthAndWater = loads.earthAndWater;
    if (c.mode == Mode::Ordinary) {
        c.designDiagram = loads.combined(c.gammaG, c.gammaQ, 0);
        c.quasiDiagram = loads.combined(1, c.psiq, 0);
        s.quasi = analyse(*c.quasiDiagram);
    } else {
        c.designDiagram = loads.combined(1.2, 0, 1.0);
    }
    s.design = analyse(*c.designDiagram);
    if (c2) {
        designSpan(c, s, *c2);
    }
    if (facesOnly) return;
    s.baseThicknessForXi = thicknessForXi(s, s.base, c.c1);
    if (s.span) s.spanThicknessForXi = thicknessForXi(s, *s.span, s.spanCover);
    s.earthHorizontal = design::horizontalBars(c.h5, placedArea(s.base), c.spacing);
    s.innerHorizontal = design::horizontalBars(c.h5, s.span ? placedArea(*s.span) : 0, c.spacing);
    checkShear(c, s);
}

void compare2010(Checks& c, const Checks* ordinary) {
    Supplementary2010& s = *c.code2010;
    const Supplementary2010* o =
        ordinary != nullptr && ordinary->code2010 ? &*ordinary->code2010 : nullptr;
    s.governingBase = choice(s.base, o ? &o->base : nullptr);
    if (s.span) s.governingSpan = choice(*s.span, o && o->span ? &*o->span : nullptr);
}

}  // namespace wallcalc::detail
