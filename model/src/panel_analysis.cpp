// The wall model's panel analysed as a plate under each combination.
#include "wallcalc/model/panel_analysis.hpp"

#include <string>

#include "wallcalc/report/shown_value.hpp"

namespace wallcalc::model {
namespace {

plate::Edge edgeOf(std::string_view name) {
    return plate::edgeNamed(name).value_or(plate::Edge::pinned);
}

std::string percent(double share) {
    return report::shownText(100 * share) + "%";
}

}  // namespace

plate::Panel plateOf(const WallModel& m, const PiecewiseLoad& load) {
    plate::Panel p;
    p.width_m = m.panel->width;
    p.left = edgeOf(m.panel->left);
    p.right = edgeOf(m.panel->right);
    p.top = edgeOf(m.top);
    p.base = edgeOf(m.base);
    for (std::size_t i = 0; i < m.storeyCount(); ++i)
        p.storeys.push_back({m.slabs[i] - m.slabs[i + 1], m.storeys[i].thickness});
    // Depths below the wall's top, as the model's loads hold them.
    for (const LoadPiece& piece : load.pieces())
        p.load.push_back({piece.x0, piece.x1, piece.p0, piece.p1});
    return p;
}

std::variant<PanelAnalysis, PanelFailure> analysePanelOf(const WallModel& m,
                                                         const ModelLoads& loads) {
    PanelAnalysis out;
    try {
        plate::PanelResult k = plate::analysePanel(plateOf(m, loads[Combination::Characteristic]));
        if (!k.converged) {
            return PanelFailure{{"panel",
                                 "panel（双向板墙板）：有限元网格加密至上限仍未收敛（控制弯矩"
                                 "变化约" +
                                     percent(k.remaining) + "），请检查墙板宽度与层高之比"}};
        }
        const int level = k.mesh.level;
        out.combinations[index(Combination::Characteristic)] = std::move(k);
        std::array cases = {Combination::Design, Combination::QuasiPermanent};
        for (Combination c : cases)
            out.combinations[index(c)] = plate::analysePanelOnMesh(plateOf(m, loads[c]), level);
        if (modeOf(m) == Mode::CivilDefence) {
            out.combinations[index(Combination::CivilDefence)] =
                plate::analysePanelOnMesh(plateOf(m, loads[Combination::CivilDefence]), level);
        }
    } catch (const plate::PanelRejected& e) {
        return PanelFailure{{e.key, e.what()}};
    }
    return out;
}

}  // namespace wallcalc::model
