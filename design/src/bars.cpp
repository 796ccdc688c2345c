#include "wallcalc/design/bars.hpp"

#include <numbers>

namespace wallcalc::design {

double barArea(int d, double spacing) {
    return std::numbers::pi / 4 * d * d * 1000 / spacing;
}

Bars barsOf(int d, double spacing) {
    return {d, spacing, barArea(d, spacing)};
}

std::optional<Bars> barsFor(double As, double spacing, std::span<const int> sizes) {
    for (const int d : sizes) {
        const Bars b = barsOf(d, spacing);
        if (b.area >= As) return b;
    }
    return std::nullopt;
}

}  // namespace wallcalc::design
