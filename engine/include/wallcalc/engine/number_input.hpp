#pragma once
// Reading a box's text as a number: an optional sign, digits with an optional point and
// fraction, an optional exponent, blanks around it. The point is the decimal separator
// whatever the locale. Anything else (the empty text, "1,5", "0x10", "inf", "1e",
// "1e999", full-width digits, a unit after the number) is not a number.
#include <optional>
#include <string_view>

namespace wallcalc {

std::optional<double> toNumber(std::string_view text);

}  // namespace wallcalc
