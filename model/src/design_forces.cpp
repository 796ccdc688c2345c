// The forces each storey's sections are designed for, from the strip's member analysis or
// from the panel's plate analysis, under each combination.
#include <algorithm>
#include <cmath>

#include "wallcalc/model/wall_design.hpp"

namespace wallcalc::model {
namespace {

// The water face is in tension where the moment is negative.
double waterMoment(const std::optional<plate::PanelMoment>& m) {
    return m ? -m->M_kNm_per_m : 0.0;
}
double innerMoment(const std::optional<plate::PanelMoment>& m) {
    return m ? m->M_kNm_per_m : 0.0;
}

SectionForces panelStorey(const plate::StoreyResult& r) {
    SectionForces f;
    f.waterTop = waterMoment(r.vertical.top);
    f.waterBottom = waterMoment(r.vertical.bottom);
    f.innerSpan = innerMoment(r.vertical.span);
    // One design of the water face's horizontal bars for both sides: the larger.
    f.waterSide = std::max(waterMoment(r.horizontal.left), waterMoment(r.horizontal.right));
    f.innerHorizontalSpan = innerMoment(r.horizontal.span);
    // V = the largest reaction per metre along the edge (kN/m).
    const plate::EdgeReactions& e = r.reactions;
    f.shearTop = e.topPeak_kN_per_m;
    f.shearBottom = e.bottomPeak_kN_per_m;
    f.shearSide = std::max(e.leftPeak_kN_per_m, e.rightPeak_kN_per_m);
    return f;
}

}  // namespace

double SectionForces::moment(FacePlace place) const {
    switch (place) {
        case FacePlace::WaterTop:
            return waterTop;
        case FacePlace::WaterBottom:
            return waterBottom;
        case FacePlace::InnerSpan:
            return innerSpan;
        case FacePlace::WaterSide:
            return waterSide;
        case FacePlace::InnerHorizontalSpan:
            break;
    }
    return innerHorizontalSpan;
}

DesignForces stripForces(const WallAnalysis& a) {
    DesignForces out;
    for (std::size_t c = 0; c < kCombinationCount; ++c) {
        const MemberAnalysis& member = a.combinations[c];
        for (std::size_t i = 0; i < member.spanCount(); ++i) {
            const SpanForces& s = member.span(i);
            SectionForces& f = out.at[c][i];
            f.waterTop = -s.momentTop;
            f.waterBottom = -s.momentBottom;
            f.innerSpan = s.spanMoment ? s.spanMoment->moment : 0.0;
            f.shearTop = std::fabs(s.shearTop);
            f.shearBottom = std::fabs(s.shearBottom);
        }
    }
    return out;
}

DesignForces panelForces(const PanelAnalysis& a) {
    DesignForces out;
    out.twoWay = true;
    for (std::size_t c = 0; c < kCombinationCount; ++c) {
        const auto& result = a.combinations[c];
        if (!result) continue;  // civil-defence outside civil-defence works: not designed
        for (std::size_t i = 0; i < result->storeys.size() && i < kMaxStoreys; ++i)
            out.at[c][i] = panelStorey(result->storeys[i]);
    }
    return out;
}

}  // namespace wallcalc::model
