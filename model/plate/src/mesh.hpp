#pragma once
// The finite-element grid of a panel: lines across the width and down each storey, graded
// toward the supports and the slab lines where the moments peak, every slab on a line.
// Each level halves every element of the level before, so meshes of successive levels are
// nested and their governing moments converge steadily.
#include <vector>

#include "wallcalc/plate/panel.hpp"

namespace wallcalc::plate::detail {

struct MeshLines {
    std::vector<double> x_m;            // from the left side
    std::vector<double> z_m;            // below the panel's top
    std::vector<int> firstRowOfStorey;  // storeyCount + 1 entries, the last = element rows
};

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
