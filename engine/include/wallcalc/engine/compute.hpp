#pragma once
// One press of "计算".
#include "wallcalc/engine/host.hpp"
#include "wallcalc/engine/state.hpp"

namespace wallcalc {

// How a press ended.
enum class RunEnd {
    Completed,  // the calculation text was written
    Reminder,   // no option clicked yet: the civil-defence reminder
    NoCase,     // no loading case selected: nothing written, no message
    Stopped,    // ended early after its message; the calculation text is untouched
    NoRun,      // X holds none of 0, 1, 20
};

struct RunOutcome {
    RunEnd end = RunEnd::NoRun;
    bool completed() const { return end == RunEnd::Completed; }
};

// Runs the calculation once against the host's boxes and lists, with the window's
// civil-defence choice X (1 ordinary, 0 civil-defence, 20 not chosen yet) and the
// window's calculation state. Messages go to the host; nothing is thrown.
RunOutcome COMPUTE(Host& host, int X, CalcState& state);

}  // namespace wallcalc
