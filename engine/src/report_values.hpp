#pragma once
#include <string>

#include "wallcalc/engine/state.hpp"
#include "wallcalc/report/calculation_text.hpp"

namespace wallcalc::detail {

// The values of the calculation text as they stand at the end of a run, each in the
// form the text writes it. `text7` and `text9` are the steel areas read back from
// their boxes. The views point into the state and the two texts.
report::Values reportValues(const CalcState& s, const std::string& text7, const std::string& text9);

// The same for the 2010 basis: every value computed unrounded, written as shown (three
// decimals), the bounds of the crack width written after the quotients they replace.
report::Values reportValues2010(CalcState& s, const std::string& text7, const std::string& text9);

}  // namespace wallcalc::detail
