#pragma once
// The steps of a run that belong to the 2010 basis (GB 50010-2010, 2015 edition): which
// steel civil-defence works may use, the depth of the compression zone against its limit,
// the minimum steel, and the crack width's rules.
#include "run.hpp"
#include "wallcalc/engine/crack.hpp"

namespace wallcalc::detail {

// The 2010 rules read the grades' data (β1, εcu, Es, the civil-defence minimum), so both
// lists need a selection before anything is written; the run stops with a message naming
// the list when one has none (the 2002 basis keeps the values of the previous run).
Step gradesChosen(int concrete, int steel, Basis basis);

// Civil-defence works with a grade GB 50038-2005 gives no factor for: the run stops with
// a message naming the grades that can be used.
Step civilDefenceGrade(Run& r, int steel);

// ξb = β1 / (1 + fy / (Es·εcu)) for the grades of the run; the run stops when ξ = ζ
// exceeds it (an over-reinforced section has no design).
Step compressionZone(Run& r, int concrete, int steel);

// As,min = max(0.2 %, 45·ft/fy %, in civil-defence works the grade's minimum) · 1000·h5.
Step minimumSteel(Run& r, int concrete, int steel);

// The crack check's section under Mq: αcr 1.9, the steel's Es, ν 0.7 for plain bars, the
// cover within 20 … 65 mm, no tolerance.
CrackInputs crackSection2010(Run& r, int steel);

}  // namespace wallcalc::detail
