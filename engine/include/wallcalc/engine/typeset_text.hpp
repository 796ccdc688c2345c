#pragma once
// The texts of a completed press typeset for the calculation sheet (report/typeset.hpp):
// the calculation text and the supplementary design, set from the same line tables and
// forms, with the same values, as the window's texts are written.
#include "wallcalc/engine/press.hpp"
#include "wallcalc/report/typeset.hpp"

namespace wallcalc {

// The press's notation: the symbol of its steel grade, written before a bar's diameter.
report::Notation notationOf(const PressResult& press);

// The calculation text (Text12) of a completed press, line by line; empty for a press that
// did not complete.
report::TypesetText typesetCalculation(const PressResult& press, const report::Notation& notation);

// The supplementary design (supplementaryText), without its title line "补充验算：", which
// the sheet's heading says; empty where the press has none.
report::TypesetText typesetSupplementary(const PressResult& press,
                                         const report::Notation& notation);

}  // namespace wallcalc
