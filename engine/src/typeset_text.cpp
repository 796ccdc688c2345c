#include "wallcalc/engine/typeset_text.hpp"

#include "report_values.hpp"

namespace wallcalc {

report::Notation notationOf(const PressResult& press) {
    const auto symbols = listInfo(List::Combo2).byBasis[index(press.basis())].barSymbols;
    const int steel = press.lists[index(List::Combo2)];
    if (steel < 0 || static_cast<std::size_t>(steel) >= symbols.size()) return {};
    return {symbols[static_cast<std::size_t>(steel)]};
}

report::TypesetText typesetCalculation(const PressResult& press, const report::Notation& notation) {
    if (!press.completed()) return {};
    // The values point into the state; those of the 2010 basis write their bounds into it.
    CalcState state = press.state;
    const std::string& text7 = press.text(Box::Text7);
    const std::string& text9 = press.text(Box::Text9);
    const bool gb2010 = press.basis() == Basis::Gb2010;
    const report::Values values = gb2010 ? detail::reportValues2010(state, text7, text9)
                                         : detail::reportValues(state, text7, text9);
    const auto mode =
        press.X == kCivilDefence ? report::Mode::CivilDefence : report::Mode::Ordinary;
    const auto loadCase = static_cast<report::Case>(press.lists[index(List::Combo3)]);
    return report::typesetCalculation(gb2010 ? report::Basis::Gb2010 : report::Basis::Gb2002, mode,
                                      loadCase, state.crackSection, values, notation);
}

}  // namespace wallcalc
