#pragma once
// The total reaction of each edge of each storey, from the nodal forces the held deflections
// take, element row by element row so that an intermediate slab's force splits between the
// storeys above and below it.
#include <vector>

#include "solve.hpp"
#include "wallcalc/plate/analysis.hpp"

namespace wallcalc::plate::detail {

std::vector<EdgeReactions> edgeReactions(const MeshLines& lines, const PlateOperators& ops,
                                         const HeldIndices& held, const std::vector<double>& dof);

}  // namespace wallcalc::plate::detail
