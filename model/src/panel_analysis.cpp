// The wall model's panel analysed as a plate under each combination.
#include "wallcalc/model/panel_analysis.hpp"

#include <stdexcept>
#include <string>
#include <vector>

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
        // The characteristic combination sets the mesh; the others are solved on it from
        // the same factorisation.
        std::vector<Combination> others = {Combination::Design, Combination::QuasiPermanent};
        if (modeOf(m) == Mode::CivilDefence) others.push_back(Combination::CivilDefence);
        std::vector<std::vector<plate::LoadPiece>> otherLoads;
        for (Combination c : others)
            otherLoads.push_back(plateOf(m, loads[c]).load);
        std::vector<plate::PanelResult> results =
            plate::analysePanelUnder(plateOf(m, loads[Combination::Characteristic]), otherLoads);
        const plate::PanelResult& k = results.front();
        if (!k.converged) {
            return PanelFailure{{"panel",
                                 "panel（双向板墙板）：有限元网格加密至上限仍未收敛（控制弯矩"
                                 "变化约" +
                                     percent(k.remaining) + "），请检查墙板宽度与层高之比"}};
        }
        out.combinations[index(Combination::Characteristic)] = std::move(results.front());
        for (std::size_t i = 0; i < others.size(); ++i)
            out.combinations[index(others[i])] = std::move(results[i + 1]);
    } catch (const plate::PanelRejected& e) {
        return PanelFailure{{e.key, e.what()}};
    } catch (const std::runtime_error&) {
        // The plate's stiffness not positive definite in floating point: numbers each within
        // range, yet too far apart (a storey hundreds of kilometres high on a panel 4 m wide).
        return PanelFailure{{"slabs",
                             "slabs（楼板顶标高）与各层墙厚、墙板宽度相差过于悬殊，内力无法计算；"
                             "请检查楼板顶标高、墙厚与墙板宽度"}};
    }
    return out;
}

}  // namespace wallcalc::model
