#include "wallcalc/report/filled_line.hpp"

#include <array>

#include "wallcalc/report/number_text.hpp"

namespace wallcalc::report {
namespace {

void appendValue(std::string& out, const Value& value) {
    if (const auto* text = std::get_if<std::string_view>(&value)) {
        out += *text;
        return;
    }
    std::array<char, kNumberTextRoom> number;
    out.append(number.data(), writeNumber(number.data(), value));
}

}  // namespace

void appendFilled(std::string& out, std::string_view line, std::initializer_list<Named> values) {
    while (true) {
        const auto open = line.find('{');
        const auto close = open == std::string_view::npos ? open : line.find('}', open);
        if (close == std::string_view::npos) {
            out += line;
            return;
        }
        out += line.substr(0, open);
        const std::string_view name = line.substr(open + 1, close - open - 1);
        const Named* found = nullptr;
        for (const Named& n : values) {
            if (n.name == name) found = &n;
        }
        if (found != nullptr) {
            appendValue(out, found->value);
        } else {
            out += line.substr(open, close - open + 1);
        }
        line.remove_prefix(close + 1);
    }
}

}  // namespace wallcalc::report
