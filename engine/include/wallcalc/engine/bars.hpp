#pragma once
// Bar selection: one diameter from 12 to 25 mm at the typed spacing.
#include <string>
#include <string_view>

#include "wallcalc/engine/state.hpp"

namespace wallcalc {

// The smallest bar of the table whose area covers the needed bar area; 0 when even a
// 25 mm bar (490.9 mm2) does not. Areas are compared in single precision, so a need of
// exactly 380.1 or 201.1 is covered by 22 and 16 mm bars.
int barFor(float neededBarArea);

struct BarChoice {
    float SAas = 0;  // area one bar must have: As·s/1000, rounded
    Diameter d = 0;  // diameter, or "太大了"
    bool noneFits = false;
    std::string_view outOfRange;  // empty when sound
};

BarChoice chooseBars(float Aas, double spacing);

// Bar notation: "16@ 100  (mm)" — the diameter, "@ ", the spacing as typed, "  (mm)".
std::string barNotation(const Diameter& d, std::string_view spacingText);
std::string diameterText(const Diameter& d);

}  // namespace wallcalc
