#pragma once
#include "run.hpp"

namespace wallcalc::detail {

// The case procedure of the run's case and mode: the elevation tests, then the loads,
// their moments at the base B, MBk and MB.
Step caseProcedure(Run& r);

}  // namespace wallcalc::detail
