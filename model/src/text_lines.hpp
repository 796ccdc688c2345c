#pragma once
// Writing the wall model's calculation text: lines with named places (report's filled
// lines), each value computed unrounded shown to three decimals, a typed one as typed.
#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>

#include "wallcalc/design/bounded.hpp"
#include "wallcalc/report/filled_line.hpp"
#include "wallcalc/report/number_text.hpp"
#include "wallcalc/report/shown_value.hpp"

namespace wallcalc::model::text {

using report::Named;

class Lines {
  public:
    void line(std::string_view form, std::initializer_list<Named> values = {}) {
        report::appendFilled(out, form, values);
        out += '\n';
    }
    std::string out;
};

// A computed value as the text shows it, and a value as the engineer typed it.
inline double shown(double v) {
    const double s = report::shown(v);
    return s == 0 ? 0.0 : s;  // no "-0"
}
inline std::string typed(double v) {
    return report::doubleText(v);
}
// A typed number in brackets where it is negative, for a formula: "0-(-5)".
inline std::string term(double v) {
    return v < 0 ? "(" + typed(v) + ")" : typed(v);
}
inline std::string shownTerm(double v) {
    const double s = shown(v);
    return s < 0 ? "(" + report::doubleText(s) + ")" : report::doubleText(s);
}

// "0.0065<0.01，取ρte=0.01", or the quotient alone where it stands.
inline std::string bounded(const design::Bounded& b, std::string_view name,
                           std::string_view unit = {}) {
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
    std::string out = value + std::string(unit);
    return out + (b.belowLower() ? "<" : ">") + bound + std::string(unit) + "，取" +
           std::string(name) + "=" + bound + std::string(unit);
}

}  // namespace wallcalc::model::text
