#include "wallcalc/design/crack_width_text.hpp"

#include <cstdio>

#include "wallcalc/report/number_text.hpp"
#include "wallcalc/report/shown_value.hpp"

namespace wallcalc::design {

std::string boundedText(const Bounded& b, std::string_view name, std::string_view unit) {
    std::string value = report::shownText(b.value);
    if (!b.bounded()) return value + std::string(unit);
    const std::string bound = report::doubleText(b.used);
    // A quotient just past its bound may show as the bound itself (0.00969 as 0.01): it
    // keeps three significant digits there, so that the comparison reads true.
    if (value == bound) {
        char digits[32];
        std::snprintf(digits, sizeof digits, "%.3g", b.value);
        value = digits;
    }
    return value + std::string(unit) + (b.belowLower() ? "<" : ">") + bound + std::string(unit) +
           "，取" + std::string(name) + "=" + bound + std::string(unit);
}

CrackWidthShown crackWidthShown(const CrackWidth& k) {
    using report::shown;
    return {boundedText(k.rhoTe, "ρte"),
            boundedText(k.psi, "ψ"),
            boundedText(k.cs, "cs", "(mm)"),
            shown(k.rhoTe.used),
            shown(k.psi.used),
            k.cs.used,
            shown(k.h0),
            shown(k.As),
            shown(k.sigma),
            shown(k.deq),
            shown(k.w)};
}

}  // namespace wallcalc::design
