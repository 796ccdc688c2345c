#pragma once
// One press of "计算" against any host of the four window operations.
#include "wallcalc/engine/host.hpp"
#include "wallcalc/engine/press.hpp"
#include "wallcalc/engine/state.hpp"

namespace wallcalc {

// Runs the calculation once against the host's boxes and lists, with the window's
// civil-defence choice X (1 ordinary, 0 civil-defence, 20 not chosen yet) and the
// window's calculation state. Boxes are written and messages shown through the host, in
// the order of the run; nothing is thrown. The window model (window_model.hpp) wraps
// this into a press that returns its whole outcome.
RunEnd COMPUTE(Host& host, int X, CalcState& state);

}  // namespace wallcalc
