#include "wallcalc/model/wall_analysis.hpp"

namespace wallcalc::model {

Member memberOf(const WallModel& m) {
    Member mb;
    // A model whose storeys and slabs do not fit gives a member without spans, which no
    // analysis takes.
    if (m.storeyCount() > kMaxStoreys || m.slabs.size() != m.storeyCount() + 1) return mb;
    mb.spans = m.storeyCount();
    mb.top = topSupportOf(m);
    mb.base = baseSupportOf(m);
    for (std::size_t j = 0; j <= mb.spans; ++j)
        mb.depth[j] = m.slabs[0] - m.slabs[j];
    // EI = E·h³/12 per metre; E and 1/12 are common to every storey, h in m keeps the
    // numbers near 1.
    for (std::size_t i = 0; i < mb.spans; ++i) {
        const double h = m.storeys[i].thickness / 1000;
        mb.stiffness[i] = h * h * h;
    }
    return mb;
}

std::optional<WallAnalysis> analyseWall(const WallModel& m) {
    if (!problems(m).empty()) return std::nullopt;
    WallAnalysis out;
    out.member = memberOf(m);
    out.loads = modelLoads(m);
    for (std::size_t c = 0; c < kCombinationCount; ++c) {
        auto analysis = analyse(out.member, out.loads.combinations[c]);
        if (!analysis) return std::nullopt;
        out.combinations[c] = std::move(*analysis);
    }
    return out;
}

}  // namespace wallcalc::model
