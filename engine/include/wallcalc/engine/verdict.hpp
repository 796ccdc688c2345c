#pragma once
// The verdict of a completed press: every check the press and its supplementary design
// make, judged against the code itself (the crack width against the limit, without the
// 2002 calculation's 5 % tolerance), and the inputs against the codes' minimums.
#include "wallcalc/design/verdict.hpp"

namespace wallcalc {

struct PressResult;

// Judges a completed press in its `verdict` (left empty for one that did not complete).
void judge(PressResult& press);

}  // namespace wallcalc
