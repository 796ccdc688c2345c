#pragma once
// The supplementary design of a completed press in the 2010 basis (see Supplementary2010).
#include "wallcalc/engine/checks.hpp"
#include "wallcalc/engine/press.hpp"

namespace wallcalc::detail {

// The faces: the earth face at the base as the press designed it and the inner face at the
// span (cover `c2`, empty when it is not a number or leaves no depth). `faces` only: no
// further checks (what the civil-defence design compares with the ordinary one).
void design2010(Checks& c, const PressResult& press, const WallLoads& loads,
                std::optional<double> c2, bool facesOnly);

// Civil-defence works: each face takes the larger steel of the civil-defence design and of
// the same wall designed as ordinary works (`ordinary`: that press's checks, if it could be
// made).
void compare2010(Checks& c, const Checks* ordinary);

}  // namespace wallcalc::detail
