#pragma once
// The governing moments of each storey found on the solved field: the largest magnitude
// along each supported edge and the largest inner-face value over the storey.
#include <vector>

#include "wallcalc/plate/analysis.hpp"

namespace wallcalc::plate::detail {

struct StoreyMoments {
    VerticalMoments vertical;
    HorizontalMoments horizontal;
};

std::vector<StoreyMoments> governingMoments(const Panel& panel, const PlateField& field);

}  // namespace wallcalc::plate::detail
