#pragma once
// The wall model analysed: its loads and the continuous member under each combination.
#include <array>
#include <optional>

#include "wallcalc/model/loads.hpp"
#include "wallcalc/model/member_analysis.hpp"
#include "wallcalc/model/wall_model.hpp"

namespace wallcalc::model {

// The member of a model without problems: supports at every slab, depth measured from
// slabs[0], each storey's EI ∝ its thickness³ (one concrete for the whole wall).
Member memberOf(const WallModel& model);

struct WallAnalysis {
    Member member;
    ModelLoads loads;
    std::array<MemberAnalysis, kCombinationCount> combinations;

    const MemberAnalysis& operator[](Combination c) const { return combinations[index(c)]; }
};

// The loads and the member under every combination (the civil-defence one whatever the
// mode: with no qrf it is the permanent loads with 1.2); none when the model has a problem.
std::optional<WallAnalysis> analyseWall(const WallModel& model);

}  // namespace wallcalc::model
