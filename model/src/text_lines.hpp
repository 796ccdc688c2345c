#pragma once
// Writing the wall model's calculation text: lines with named places (report's filled
// lines), each value computed unrounded shown to three decimals, a typed one as typed.
#include <initializer_list>
#include <string>
#include <string_view>

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

}  // namespace wallcalc::model::text
