#pragma once
// The supplementary design as named values, each once: the "checks" object of a press's
// JSON (grouped by `group`) and the columns of a batch ("group.key") come from this one
// table. A value a press does not have (the crack width of plain bars in civil-defence
// works, say) is left out of the JSON and leaves its cell empty.
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "wallcalc/engine/checks.hpp"

namespace wallcalc {

// Absent; an unrounded number; a number rounded to three decimals (written with 7
// significant digits, as the text shows it); a yes or no; a text; a list of texts.
using CheckValue =
    std::variant<std::monostate, double, float, bool, std::string, std::vector<std::string>>;

struct CheckField {
    std::string_view group;  // empty for a value of the whole "checks" object
    std::string_view key;
    CheckValue (*of)(const Checks& checks);
};

std::span<const CheckField> checkFields();

// "span.bars", or "minAs" for a value without a group.
std::string checkColumn(const CheckField& field);

}  // namespace wallcalc
