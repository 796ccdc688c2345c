// The sections of each storey designed through the section design of the code in force.
#include "wallcalc/model/wall_design.hpp"

#include <algorithm>
#include <cmath>

namespace wallcalc::model {
namespace {

using design::Bars;
using design::FaceDesign;
using design::Materials;

// What a storey's design reads of the model and its analysis.
struct DesignInputs {
    const WallModel& model;
    const DesignForces& forces;
    const WallDesign& wall;
    double gamma0 = 1;
};

// A thickness in whole millimetres, rounded up; none when beyond any wall.
std::optional<double> wholeMillimetres(double thickness) {
    if (!std::isfinite(thickness)) return std::nullopt;
    return std::ceil(thickness);
}

// The bar a face's h0 stands at: its strength bars, or the largest size where none fits.
int strengthDiameter(const FaceDesign& f) {
    return f.strengthBars ? f.strengthBars->d
                          : design::kStandardSizes[std::size(design::kStandardSizes) - 1];
}

FaceCase faceCase(const design::FaceInput& in) {
    FaceCase c;
    c.face = design::designFace(in);
    const Materials& m = in.materials;
    c.xiB = design::limitXi(m.concrete->beta1, m.fy(), m.steel->Es, m.concrete->epsCu());
    if (c.face.strength.tooSmall || !c.xiOk()) {
        const double h0 = design::depthForXiLimit(in.M, m.alpha1fc(), c.xiB);
        c.thicknessForXi = wholeMillimetres(h0 + in.cover + strengthDiameter(c.face) / 2.0);
    }
    return c;
}

double placedArea(const FaceCase& c) {
    return c.face.placed ? c.face.placed->area : 0;
}

// Peacetime and wartime compared: the larger steel is put in.
void chooseProvided(FaceCheck& f, const DesignInputs& in, double thickness) {
    const FaceCase& p = f.peacetime;
    if (f.wartime) {
        const FaceCase& w = *f.wartime;
        const bool bothPlaced = p.face.placed && w.face.placed;
        f.wartimeGoverns = bothPlaced ? placedArea(w) > placedArea(p)
                                      : std::max(w.face.strength.As, w.face.AsMin) >
                                            std::max(p.face.strength.As, p.face.AsMin);
        if (!bothPlaced) return;
    } else if (!p.face.placed) {
        return;
    }
    f.provided = f.governing().face.placed;
    if (!f.Mq) return;
    const Materials& m = in.wall.peacetime;
    const design::CrackSection section{*f.Mq,           thickness,   f.cover,
                                       m.concrete->ftk, m.steel->Es, m.steel->plain};
    f.crack = design::crackWidth(section, f.provided->d, f.provided->area);
}

// Moments of one place of a storey in the three combinations the design takes, each with
// the face in tension positive.
struct PlaceMoments {
    double design = 0, quasi = 0, civil = 0;
};

PlaceMoments momentsAt(const DesignForces& f, std::size_t storey, FacePlace place) {
    return {f.of(Combination::Design, storey).moment(place),
            f.of(Combination::QuasiPermanent, storey).moment(place),
            f.of(Combination::CivilDefence, storey).moment(place)};
}

// The bar a face's h0 and crack width stand at: the bars put in, else its strength bars.
int diameterOf(const FaceCheck& f) {
    if (f.provided) return f.provided->d;
    return strengthDiameter(f.governing().face);
}

// The largest vertical bar of a face, or the smallest size where that face has none.
int verticalDiameter(std::initializer_list<const std::optional<FaceCheck>*> faces) {
    int d = design::kStandardSizes[0];
    for (const auto* f : faces)
        if (*f) d = std::max(d, diameterOf(**f));
    return d;
}

// The clear cover of a face's bars: the horizontal bars of a panel lie inside the vertical
// bars of their face.
double faceCover(const StoreyDesign& s, FacePlace place) {
    switch (place) {
        case FacePlace::WaterTop:
        case FacePlace::WaterBottom:
            return s.c1;
        case FacePlace::InnerSpan:
            return s.c2;
        case FacePlace::WaterSide:
            return s.c1 + verticalDiameter({&s.waterTop, &s.waterBottom});
        case FacePlace::InnerHorizontalSpan:
            break;
    }
    return s.c2 + verticalDiameter({&s.inner});
}

std::optional<FaceCheck> designFaceAt(const DesignInputs& in, const StoreyDesign& s,
                                      FacePlace place) {
    const PlaceMoments m = momentsAt(in.forces, s.index, place);
    const bool civil = in.wall.wartime.has_value();
    const double Mc = in.gamma0 * m.civil;
    if (!(m.design > kNoForce) && !(civil && Mc > kNoForce)) return std::nullopt;

    FaceCheck f;
    f.place = place;
    f.cover = faceCover(s, place);
    f.Md = m.design;
    f.limit = in.model.limit;
    if (m.quasi > kNoForce) f.Mq = m.quasi;
    design::FaceInput face;
    face.M = m.design;
    face.Mq = f.Mq;
    face.thickness = s.thickness;
    face.cover = f.cover;
    face.spacing = in.model.spacing;
    face.limit = in.model.limit;
    face.AsMin = s.AsMinPeacetime;
    face.materials = in.wall.peacetime;
    face.sizes = design::kStandardSizes;
    face.growth = design::CrackGrowth::NextSize;
    f.peacetime = faceCase(face);
    if (civil) {
        f.civilMoment = m.civil;
        f.Mc = Mc;
        face.M = Mc;
        face.Mq.reset();  // the crack width is a peacetime check
        face.AsMin = s.AsMinWartime;
        face.materials = *in.wall.wartime;
        f.wartime = faceCase(face);
    }
    chooseProvided(f, in, s.thickness);
    return f;
}

// The bars at a support that h0 of its shear stands at: the water face's where it is in
// tension there, else the inner face's (the span's bars run into a support without
// moment), else the smallest size at the water face.
void shearBars(ShearCheck& c, const std::optional<FaceCheck>& water,
               const std::optional<FaceCheck>& inner, double waterCover) {
    if (water) {
        c.d = diameterOf(*water);
        c.cover = water->cover;
    } else if (inner) {
        c.d = diameterOf(*inner);
        c.cover = inner->cover;
        c.waterFace = false;
    } else {
        c.d = design::kStandardSizes[0];
        c.cover = waterCover;
    }
}

ShearCase shearCase(double V, const ShearCheck& c, double thickness, const Materials& m) {
    ShearCase out;
    const double h0 = design::effectiveDepth(thickness, c.cover, c.d);
    out.shear = design::shear(V, h0, m.ft());
    if (!out.shear.ok()) {
        const double depth = design::depthForShear(V, m.ft());
        out.thicknessForShear = wholeMillimetres(depth + c.cover + c.d / 2.0);
    }
    return out;
}

// The edges of a storey whose shear is checked.
enum class ShearEdge : std::uint8_t { Top, Bottom, Side };

double shearAt(const SectionForces& f, ShearEdge edge) {
    switch (edge) {
        case ShearEdge::Top:
            return f.shearTop;
        case ShearEdge::Bottom:
            return f.shearBottom;
        case ShearEdge::Side:
            break;
    }
    return f.shearSide;
}

ShearCheck designShear(const DesignInputs& in, const StoreyDesign& s, ShearEdge edge) {
    ShearCheck c;
    switch (edge) {
        case ShearEdge::Top:
            shearBars(c, s.waterTop, s.inner, s.c1);
            break;
        case ShearEdge::Bottom:
            shearBars(c, s.waterBottom, s.inner, s.c1);
            break;
        case ShearEdge::Side:
            shearBars(c, s.horizontalSupport, s.horizontalSpan, faceCover(s, FacePlace::WaterSide));
            break;
    }
    const auto shearOf = [&](Combination comb) {
        return std::fabs(shearAt(in.forces.of(comb, s.index), edge));
    };
    c.Vd = shearOf(Combination::Design);
    c.peacetime = shearCase(c.Vd, c, s.thickness, in.wall.peacetime);
    if (in.wall.wartime) {
        c.Vcivil = shearOf(Combination::CivilDefence);
        const double V = in.gamma0 * c.Vcivil;
        c.wartime = shearCase(V, c, s.thickness, *in.wall.wartime);
        const design::Shear& p = c.peacetime.shear;
        const design::Shear& w = c.wartime->shear;
        c.wartimeGoverns = w.V * p.Vc > p.V * w.Vc;
    }
    return c;
}

double providedArea(const std::optional<FaceCheck>& f) {
    return f && f->provided ? f->provided->area : 0;
}

StoreyDesign designStorey(const DesignInputs& in, std::size_t i) {
    const Storey& st = in.model.storeys[i];
    StoreyDesign s;
    s.index = i;
    s.thickness = st.thickness;
    s.c1 = st.c1;
    s.c2 = st.c2;
    const double section = design::kStripWidth * st.thickness;
    s.AsMinPeacetime = in.wall.rhoMinPeacetime / 100 * section;
    s.AsMinWartime = in.wall.rhoMinWartime / 100 * section;
    s.waterTop = designFaceAt(in, s, FacePlace::WaterTop);
    s.waterBottom = designFaceAt(in, s, FacePlace::WaterBottom);
    s.inner = designFaceAt(in, s, FacePlace::InnerSpan);
    if (in.forces.twoWay) {
        s.horizontalSupport = designFaceAt(in, s, FacePlace::WaterSide);
        s.horizontalSpan = designFaceAt(in, s, FacePlace::InnerHorizontalSpan);
        s.shearSide = designShear(in, s, ShearEdge::Side);
    }
    s.shearTop = designShear(in, s, ShearEdge::Top);
    s.shearBottom = designShear(in, s, ShearEdge::Bottom);
    const double water = std::max(providedArea(s.waterTop), providedArea(s.waterBottom));
    s.waterHorizontal = design::horizontalBars(st.thickness, water, in.model.spacing);
    s.innerHorizontal =
        design::horizontalBars(st.thickness, providedArea(s.inner), in.model.spacing);
    return s;
}

}  // namespace

const std::optional<FaceCheck>& StoreyDesign::face(FacePlace place) const {
    switch (place) {
        case FacePlace::WaterTop:
            return waterTop;
        case FacePlace::WaterBottom:
            return waterBottom;
        case FacePlace::InnerSpan:
            return inner;
        case FacePlace::WaterSide:
            return horizontalSupport;
        case FacePlace::InnerHorizontalSpan:
            break;
    }
    return horizontalSpan;
}

const design::HorizontalBars& StoreyDesign::horizontal() const {
    return innerHorizontal.As > waterHorizontal.As ? innerHorizontal : waterHorizontal;
}

std::string storeyName(std::size_t index) {
    return "第" + std::to_string(index + 1) + "层";
}

std::string_view placeName(FacePlace place) {
    switch (place) {
        case FacePlace::WaterTop:
            return "墙顶迎水面";
        case FacePlace::WaterBottom:
            return "墙底迎水面";
        case FacePlace::InnerSpan:
            return "跨中背水面";
        case FacePlace::WaterSide:
            return "侧边支座迎水面水平筋";
        case FacePlace::InnerHorizontalSpan:
            break;
    }
    return "跨中背水面水平筋";
}

void judgeWall(WallDesign& wall, const WallModel& model);  // design_verdict.cpp

WallDesign designWall(const WallModel& model, const WallAnalysis& analysis) {
    return designWall(model, stripForces(analysis));
}

WallDesign designWall(const WallModel& model, const DesignForces& forces) {
    WallDesign wall;
    const bool civil = modeOf(model) == Mode::CivilDefence;
    // A model without problems names grades the section design knows, and in civil-defence
    // works a steel with a dynamic factor.
    wall.peacetime = *design::materials(model.concrete, model.steel, design::Works::Ordinary);
    if (civil)
        wall.wartime = design::materials(model.concrete, model.steel, design::Works::CivilDefence);
    const design::ConcreteGrade& c = *wall.peacetime.concrete;
    const design::SteelGrade& st = *wall.peacetime.steel;
    // GB 50010-2010 8.5.1 with the ordinary strengths; GB 50038-2005's minimum in wartime.
    wall.rhoMinPeacetime = design::minimumSteelRatio(c.ft, st.fy, 0);
    wall.rhoMinWartime = design::minimumSteelRatio(c.ft, st.fy, civil ? c.civilMinimumSteel : 0);
    wall.gamma0 = model.gamma0;
    wall.storeyCount = model.storeyCount();
    const DesignInputs in{model, forces, wall, model.gamma0};
    for (std::size_t i = 0; i < wall.storeyCount; ++i)
        wall.storeys[i] = designStorey(in, i);
    judgeWall(wall, model);
    return wall;
}

}  // namespace wallcalc::model
