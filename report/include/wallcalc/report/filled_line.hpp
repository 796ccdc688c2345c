#pragma once
// A line written with named places: "αs={alfas}" with alfas = 0.097 gives "αs=0.097".
// Each value is written as the calculation text writes its kind (a text as it stands,
// a single-precision number with 7 significant digits, a double-precision one with 15, a
// whole number). A name without a value stays in the line as written, where a test sees it.
#include <initializer_list>
#include <string>
#include <string_view>

#include "wallcalc/report/calculation_text.hpp"

namespace wallcalc::report {

struct Named {
    std::string_view name;
    Value value;
};

void appendFilled(std::string& out, std::string_view line, std::initializer_list<Named> values);

}  // namespace wallcalc::report
