#pragma once
// Bars of one size at a spacing, per metre of wall.
#include <iterator>
#include <optional>
#include <span>

namespace wallcalc::design {

// The press's table of vertical bars (12 … 25 mm) and the sizes made for walls
// (8 … 32 mm).
inline constexpr int kPressSizes[] = {12, 14, 16, 18, 20, 22, 25};
inline constexpr int kStandardSizes[] = {8, 10, 12, 14, 16, 18, 20, 22, 25, 28, 32};
inline constexpr int kLargestPressSize = kPressSizes[std::size(kPressSizes) - 1];

struct Bars {
    int d = 0;           // mm
    double spacing = 0;  // mm
    double area = 0;     // π/4·d²·1000/s (mm² per metre)
};

double barArea(int d, double spacing);
Bars barsOf(int d, double spacing);

// The smallest size whose area at the spacing covers As; empty when none does.
std::optional<Bars> barsFor(double As, double spacing, std::span<const int> sizes);

}  // namespace wallcalc::design
