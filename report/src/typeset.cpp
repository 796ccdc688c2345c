#include "wallcalc/report/typeset.hpp"

#include <algorithm>
#include <array>

#include "line_setter.hpp"
#include "wallcalc/report/number_text.hpp"

namespace wallcalc::report {
namespace {

// More significant digits than this in a double's text: a quotient that does not end.
constexpr int kMostDigitsKept = 10;
constexpr int kDecimalsKept = 3;
constexpr int kLeastSignificant = 2;

int significantDigits(std::string_view text) {
    int digits = 0;
    bool leading = true;
    for (char c : text) {
        if (c < '0' || c > '9') continue;
        if (c != '0') leading = false;
        digits += leading ? 0 : 1;
    }
    return digits;
}

// 28.5714285714286 as 28.571…, 0.000123456789012345 as 0.00012….
std::string cut(std::string text) {
    const std::size_t point = text.find('.');
    if (point == std::string::npos) return text;
    std::size_t keep = point + 1 + kDecimalsKept;
    const bool wholeDigits = text.substr(0, point).find_first_of("123456789") != std::string::npos;
    const std::size_t first = text.find_first_of("123456789", point);
    if (!wholeDigits && first != std::string::npos)
        keep = std::max(keep, first + kLeastSignificant);
    text.resize(std::min(keep, text.size()));
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text + "…";
}

void appendRuns(std::string& out, std::span<const Run> runs) {
    for (const Run& r : runs) {
        switch (r.script) {
            case Script::Base:
                out += r.text;
                break;
            case Script::Sub:
                out += "_{" + r.text + "}";
                break;
            case Script::Super:
                out += "^{" + r.text + "}";
                break;
        }
    }
}

}  // namespace

std::string typesetNumber(const Value& value) {
    std::array<char, kNumberTextRoom> digits;
    std::string text(digits.data(), writeNumber(digits.data(), value));
    const bool exponent = text.find('E') != std::string::npos;
    if (std::holds_alternative<double>(value) && !exponent &&
        significantDigits(text) > kMostDigitsKept) {
        return cut(std::move(text));
    }
    return text;
}

TypesetLine typesetText(std::string_view text, const Notation& notation) {
    detail::LineSetter line(notation);
    line.literal(text);
    return line.finish();
}

void appendTypeset(TypesetText& out, std::string_view line, std::initializer_list<Named> values,
                   const Notation& notation) {
    detail::LineSetter setter(notation);
    walkFilled(
        line, values, [&](std::string_view literal) { setter.literal(literal); },
        [&](const Value& value) { setter.value(value); });
    out.push_back(setter.finish());
}

std::string readable(std::span<const Item> items) {
    std::string out;
    for (const Item& item : items) {
        if (const Run* run = std::get_if<Run>(&item)) {
            appendRuns(out, std::span(run, 1));
            continue;
        }
        const Fraction& f = std::get<Fraction>(item);
        out += "\\frac{";
        appendRuns(out, f.over);
        out += "}{";
        appendRuns(out, f.under);
        out += "}";
    }
    return out;
}

std::string readable(const TypesetLine& line) {
    return readable(line.items);
}

}  // namespace wallcalc::report
