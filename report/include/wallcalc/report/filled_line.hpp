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

// The pieces of such a line in their order: `literal(text)` for the text between places
// (a place whose name has no value among them), `value(v)` for each place filled. The
// plain text and the typeset one (typeset.hpp) are both written from this walk.
template <typename Literal, typename Filled>
void walkFilled(std::string_view line, std::initializer_list<Named> values, Literal&& literal,
                Filled&& value) {
    while (true) {
        const auto open = line.find('{');
        const auto close = open == std::string_view::npos ? open : line.find('}', open);
        if (close == std::string_view::npos) {
            if (!line.empty()) literal(line);
            return;
        }
        if (open > 0) literal(line.substr(0, open));
        const std::string_view name = line.substr(open + 1, close - open - 1);
        const Named* found = nullptr;
        for (const Named& n : values) {
            if (n.name == name) found = &n;
        }
        if (found != nullptr) {
            value(found->value);
        } else {
            literal(line.substr(open, close - open + 1));
        }
        line.remove_prefix(close + 1);
    }
}

}  // namespace wallcalc::report
