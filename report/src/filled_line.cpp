#include "wallcalc/report/filled_line.hpp"

#include <array>

#include "wallcalc/report/number_text.hpp"

namespace wallcalc::report {

void appendFilled(std::string& out, std::string_view line, std::initializer_list<Named> values) {
    walkFilled(
        line, values, [&out](std::string_view literal) { out += literal; },
        [&out](const Value& value) {
            if (const auto* text = std::get_if<std::string_view>(&value)) {
                out += *text;
                return;
            }
            std::array<char, kNumberTextRoom> number;
            out.append(number.data(), writeNumber(number.data(), value));
        });
}

}  // namespace wallcalc::report
