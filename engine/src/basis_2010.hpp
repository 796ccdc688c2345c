#pragma once
// The steps of a run that belong to the 2010 basis (GB 50010-2010, 2015 edition): which
// grades the run may use, and the design of the earth face at the base through the section
// design of the code in force, every value carried unrounded.
#include "run.hpp"

namespace wallcalc::detail {

// The 2010 rules read the grades' data (β1, εcu, Es, the civil-defence minimum), so both
// lists need a selection before anything is written; the run stops with a message naming
// the list when one has none (the 2002 basis keeps the values of the previous run).
Step gradesChosen(int concrete, int steel, Basis basis);

// Civil-defence works with a grade GB 50038-2005 gives no factor for: the run stops with
// a message naming the grades that can be used.
Step civilDefenceGrade(Run& r, int steel);

// The materials of the run in the section design's terms (both lists have a selection).
design::Materials materials2010(const Run& r, int concrete, int steel);

// As,min = max(0.2 %, 45·ft/fy %, in civil-defence works the grade's minimum) · 1000·h5,
// ft and fy the ordinary strengths (GB 50010-2010 8.5.1, GB 50038-2005).
double minimumSteel2010(const design::Materials& m, double h5);

// The earth face at the base: h0 at the strength bars' diameter, the bars for the larger of
// As and As,min from the press's table, and in ordinary works the crack width under Mq
// with the bars grown 1 mm at a time until it holds (h5, c1, the spacing and, in ordinary
// works, the limit already read and sound).
design::FaceDesign designBase2010(Run& r);

}  // namespace wallcalc::detail
