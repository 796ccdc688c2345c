#pragma once
// The values a crack-width calculation writes into its formulas, each as it is shown: the
// quotients the code bounds with their bounds written out ("0.0065<0.01，取ρte=0.01"), the
// values taken after them, and the rest rounded where they are shown. Every text of the code
// in force (the wall strip's supplementary design and the wall model) fills its crack-width
// lines from these, so that both write the same numbers the same way.
#include <string>
#include <string_view>

#include "wallcalc/design/crack_width.hpp"

namespace wallcalc::design {

// "0.0065<0.01，取ρte=0.01" (unit after each number), or the quotient alone where it stands
// within its bounds.
std::string boundedText(const Bounded& b, std::string_view name, std::string_view unit = {});

struct CrackWidthShown {
    std::string rhoTe, psi, cs;  // as boundedText writes them
    double rhoTeUsed = 0, psiUsed = 0, csUsed = 0;
    double h0 = 0, As = 0, sigma = 0, deq = 0, w = 0;
};

CrackWidthShown crackWidthShown(const CrackWidth& k);

}  // namespace wallcalc::design
