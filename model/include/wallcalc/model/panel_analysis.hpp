#pragma once
// The wall model as a two-way panel: each storey a plate between its slabs and the side
// supports, the whole height at once (the plate library), under the model's combinations.
// The characteristic combination is refined until its governing moments settle; the design
// combinations are solved on that same mesh, so that every section is designed from one
// mesh the answer names. Each combination is solved as a whole rather than superposed from
// its load components: a governing value is the largest over the storey's field, and its
// place moves with the shape of the load, so governing values of components do not add up.
#include <array>
#include <optional>
#include <variant>

#include "wallcalc/model/loads.hpp"
#include "wallcalc/model/wall_model.hpp"
#include "wallcalc/plate/analysis.hpp"

namespace wallcalc::model {

struct PanelAnalysis {
    // Characteristic, design and quasi-permanent always; civil-defence in civil-defence
    // works only.
    std::array<std::optional<plate::PanelResult>, kCombinationCount> combinations;

    const plate::PanelResult& characteristic() const {
        return *combinations[index(Combination::Characteristic)];
    }
    const std::optional<plate::PanelResult>& operator[](Combination c) const {
        return combinations[index(c)];
    }
};

// The plate of a model with a panel and without problems, under one load of the model.
plate::Panel plateOf(const WallModel& model, const PiecewiseLoad& load);

// Why a panel was not analysed: the key and the message, as a model's problem.
struct PanelFailure {
    Problem problem;
};

// The panel under every combination the design takes; a failure where the plate refuses
// the panel or its characteristic mesh does not converge within the mesh limit.
std::variant<PanelAnalysis, PanelFailure> analysePanelOf(const WallModel& model,
                                                         const ModelLoads& loads);

}  // namespace wallcalc::model
