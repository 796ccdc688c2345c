#pragma once
// The calculation text of a wall model, formula by formula with the numbers substituted:
// the loads at every point where they bend or jump, the continuous member under each
// combination the design takes (the support moments from their equations, the shears, the
// largest span moments, the reactions and their balance), and each storey's sections with
// their bars, crack widths, shear and horizontal bars, then the verdict. Values computed
// unrounded are shown to three decimals (report::shown); a code's bound that replaces a
// quotient is written after it ("ρte=…=0.0065<0.01，取ρte=0.01"). Lines end with "\n".
#include <string>

#include "wallcalc/model/model_press.hpp"

namespace wallcalc::model {

// The text of a completed press; for a press with problems, the problems one a line.
std::string modelText(const WallModel& model, const ModelPress& press);

}  // namespace wallcalc::model
