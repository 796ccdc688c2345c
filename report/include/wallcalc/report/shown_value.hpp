#pragma once
// How the calculation of the code in force shows a value it carries unrounded: half up to
// three decimals, as the window and the text show every result; a value so small that
// three decimals would leave fewer than two significant digits (a ratio such as ρte =
// 0.0065) keeps two. The value is rounded as it reads with fifteen significant digits, so
// that a quotient that is a half in decimals (0.0205) rounds up as on a calculator.
#include <string>

namespace wallcalc::report {

double shown(double value);
std::string shownText(double value);  // the shown value's text

}  // namespace wallcalc::report
