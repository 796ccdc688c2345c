#include "wallcalc/engine/bars.hpp"

#include <array>

#include "wallcalc/engine/rounding.hpp"

namespace wallcalc {
namespace {

struct Bar {
    int diameter;
    float coversUpTo;  // π·d²/4 to one decimal (mm2)
};

// In the order of the tests, largest first: a later test that passes overrides.
constexpr std::array<Bar, 7> kBars = {{
    {25, 490.9f},
    {22, 380.1f},
    {20, 314.0f},
    {18, 254.5f},
    {16, 201.1f},
    {14, 153.9f},
    {12, 113.1f},
}};

}  // namespace

int barFor(float neededBarArea) {
    int diameter = 0;
    for (const Bar& bar : kBars) {
        if (!(neededBarArea > bar.coversUpTo)) diameter = bar.diameter;
    }
    return diameter;
}

BarChoice chooseBars(float Aas, double spacing) {
    BarChoice out;
    const auto needed = SSWR(static_cast<double>(Aas) * spacing / 1000);
    if (!needed) {
        out.outOfRange = "SAas";
        return out;
    }
    out.SAas = *needed;
    const int diameter = barFor(out.SAas);
    out.noneFits = diameter == 0;
    out.d = out.noneFits ? Diameter{std::string(kTooLarge)} : Diameter{diameter};
    return out;
}

std::string diameterText(const Diameter& d) {
    if (const int* mm = std::get_if<int>(&d)) return std::to_string(*mm);
    return std::get<std::string>(d);
}

std::string barNotation(const Diameter& d, std::string_view spacingText) {
    std::string s = diameterText(d);
    s += "@ ";
    s += spacingText;
    s += "  (mm)";
    return s;
}

}  // namespace wallcalc
