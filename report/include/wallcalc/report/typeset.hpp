#pragma once
// The calculation typeset for the sheet, from the very line tables and forms that write the
// plain text: their literal pieces and the values of their slots set as a checker writes a
// formula. × for "*", a quotient of two single terms as a fraction and any other as ÷,
// powers raised (h₀², 10⁶) and indices lowered (αs, ρte, σsq), a negative value in a
// substitution in brackets ("(-0.45)-(-2.45)"), units set alike everywhere (kN·m, mm²,
// N/mm², kN/m²), bars with the grade's symbol (C14@100), and long decimals cut.
//
// A number keeps its digits as the text writes them, with one exception: a double-precision
// value whose text runs to more than ten significant digits (a quotient that does not end:
// the text writes fifteen) is cut, not rounded, after its third decimal, or after its
// second significant digit where that comes later, and "…" marks the cut (28.571…).
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "wallcalc/report/calculation_text.hpp"
#include "wallcalc/report/filled_line.hpp"

namespace wallcalc::report {

// What a run of a typeset line is: how the sheet sets it, and where a line may break.
enum class Role : std::uint8_t {
    Text,      // words, prose and brackets, as written
    Name,      // a quantity: its letter, and its index as a subscript
    Number,    // a value or a constant of a formula
    Operator,  // = + − × ÷ < > ≤ ≥ and the comma of a list: a line may break after one
    Unit,      // kN·m, mm² (with its power as a superscript)
    Bars,      // C14@100
};

enum class Script : std::uint8_t { Base, Sub, Super };

struct Run {
    std::string text;
    Role role = Role::Text;
    Script script = Script::Base;
    bool operator==(const Run&) const = default;
};

// A quotient of two single terms (a number, a value or a quantity, with its power), set
// smaller with `over` above the rule and `under` below it.
struct Fraction {
    std::vector<Run> over, under;
    bool operator==(const Fraction&) const = default;
};

using Item = std::variant<Run, Fraction>;

struct TypesetLine {
    std::vector<Item> items;
    bool operator==(const TypesetLine&) const = default;
};
using TypesetText = std::vector<TypesetLine>;

// What the typesetting needs beyond the line: the symbol of the steel grade, written
// before a bar's diameter ("Φ", "B", "C", "CR", "D").
struct Notation {
    std::string_view barSymbol;
    bool operator==(const Notation&) const = default;
};

// A text of no slots (a table's label, a verdict's line, a note), set the same way.
TypesetLine typesetText(std::string_view text, const Notation& notation);

// The calculation text of calculation_text.hpp, line by line, typeset; the empty lines
// before sections 2 and 3 are empty lines here too.
TypesetText typesetCalculation(Basis basis, Mode mode, Case c, CrackSection crack,
                               const Values& values, const Notation& notation);

// A line written with named places (filled_line.hpp), typeset and added to `out`.
void appendTypeset(TypesetText& out, std::string_view line, std::initializer_list<Named> values,
                   const Notation& notation);

// A number value's text as the typesetting writes it: the number-text rule, long decimals
// cut as said above.
std::string typesetNumber(const Value& value);

// A readable form of a typeset line for tests and records: subscripts as _{…},
// superscripts as ^{…}, fractions as \frac{…}{…}, everything else as it is set.
std::string readable(const TypesetLine& line);
std::string readable(std::span<const Item> items);

}  // namespace wallcalc::report
