#pragma once
// One press of the wall model: the inputs checked key by key, then, when nothing is wrong,
// the loads, the continuous member under every combination (a two-way panel: the plate
// under every combination) and the design of every storey with its verdict. Nothing is
// computed for a model with a problem.
#include <optional>
#include <vector>

#include "wallcalc/model/panel_analysis.hpp"
#include "wallcalc/model/wall_analysis.hpp"
#include "wallcalc/model/wall_design.hpp"
#include "wallcalc/model/wall_model.hpp"

namespace wallcalc::model {

struct ModelPress {
    std::vector<Problem> problems;  // what is wrong with the inputs; none computed when any
    ModelLoads loads;               // every combination's load on the wall, once computed
    // The strip's analysis, for a wall that spans one way; a two-way panel is analysed as a
    // plate instead (a panel held at a side may stand where the strip would turn).
    std::optional<WallAnalysis> analysis;
    std::optional<PanelAnalysis> panel;
    std::optional<WallDesign> design;

    bool completed() const { return design.has_value(); }
    bool satisfied() const { return completed() && design->verdict.ok(); }
};

ModelPress pressModel(const WallModel& model);

}  // namespace wallcalc::model
