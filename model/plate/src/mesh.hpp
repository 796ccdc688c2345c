#pragma once
// The finite-element grid of a panel: lines across the width and down each storey, graded
// toward the supports and the slab lines where the moments peak, every slab on a line; with
// equal sides an even number of elements across, mirrored about mid-width.
// A level splits every element of level 0 into refinementOf(level) along each direction:
// 1, 2, 3, 4, 5, 6, 8, … elements, about a quarter to a half more at each level, so that the
// analysis can stop on the first mesh fine enough instead of one twice as fine as needed.
// The grading is a smooth map of evenly spaced lines, the same at every level, so the
// governing moments of successive levels converge steadily whether or not their lines nest.
#include <vector>

#include "wallcalc/plate/panel.hpp"

namespace wallcalc::plate::detail {

struct MeshLines {
    std::vector<double> x_m;            // from the left side
    std::vector<double> z_m;            // below the panel's top
    std::vector<int> firstRowOfStorey;  // storeyCount + 1 entries, the last = element rows
};

// The number of levels and each level's split; refinementOf(level) for 0 ≤ level < kLevels.
inline constexpr int kLevels = 13;
int refinementOf(int level);

MeshLines meshLines(const Panel& panel, int level);

// The unknowns of a mesh before its supports are taken off: four per node.
int nodeUnknowns(const MeshLines& lines);

// The Hermite indices held at zero by the supports (gx across, gz down): a pinned edge holds
// the deflection and its slope along the edge, a fixed edge also the slope across it and the
// twist, a slab line the deflection and its slope along the line. A node unknown is held when
// its index in either direction is.
struct HeldIndices {
    std::vector<char> x;
    std::vector<char> z;
    bool held(int gx, int gz) const { return x[gx] != 0 || z[gz] != 0; }
};
HeldIndices heldIndices(const Panel& panel, const MeshLines& lines);

}  // namespace wallcalc::plate::detail
