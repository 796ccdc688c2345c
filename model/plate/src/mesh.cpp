#include "mesh.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace wallcalc::plate::detail {

namespace {

constexpr int kRefinements[kLevels] = {1, 2, 3, 4, 5, 6, 8, 10, 12, 16, 20, 24, 32};

// Level 0 has elements about a quarter of the panel's smaller dimension (the width or the
// lowest storey), at least kFewest and at most kMost along the width and down each storey.
constexpr int kFewest = 4;
constexpr int kMost = 16;
// Grading: an end element is (1 − g) / (1 + g) the size of a middle one. Moderate where the
// moments vary smoothly toward the supports; strong across the support lines where a side is
// free, and across the sides where the top is free: the moment along a support line peaks
// close to where it meets a free edge and falls off steeply toward that corner.
constexpr double kGrading = 0.5;
constexpr double kGradingAtFreeCorners = 0.8;

int elementsAlong(double length_m, double size_m) {
    return std::clamp(static_cast<int>(std::lround(length_m / size_m)), kFewest, kMost);
}

// Interior lines of [from, to] split in `elements`, graded toward both ends:
// s ↦ s − g·sin(2πs)/(2π), the same map at every level.
void appendGraded(std::vector<double>& lines, double from, double to, int elements,
                  double grading) {
    for (int i = 1; i <= elements; ++i) {
        const double s = static_cast<double>(i) / elements;
        const double t = i == elements ? 1.0
                                       : s - grading * std::sin(2 * std::numbers::pi * s) /
                                                 (2 * std::numbers::pi);
        lines.push_back(from + t * (to - from));
    }
}

// Equal sides: an even number of elements across, the lines mirrored about mid-width, so that
// the panel's half can be solved for the whole.
void mirrorAcross(std::vector<double>& x_m, double width_m) {
    const std::size_t n = x_m.size() - 1;
    for (std::size_t i = n / 2 + 1; i <= n; ++i)
        x_m[i] = width_m - x_m[n - i];
}

}  // namespace

int refinementOf(int level) {
    return kRefinements[level];
}

MeshLines meshLines(const Panel& panel, int level) {
    double smallest = panel.width_m;
    for (const PanelStorey& s : panel.storeys)
        smallest = std::min(smallest, s.height_m);
    const double size = smallest / 4;
    const int refine = refinementOf(level);
    const bool mirrored = panel.left == panel.right;

    MeshLines lines;
    lines.x_m = {0.0};
    const bool freeSide = panel.left == Edge::free || panel.right == Edge::free;
    const double acrossGrading = panel.top == Edge::free ? kGradingAtFreeCorners : kGrading;
    const double downGrading = freeSide ? kGradingAtFreeCorners : kGrading;
    const int across = elementsAlong(panel.width_m, size) * refine;
    appendGraded(lines.x_m, 0, panel.width_m, mirrored ? across + across % 2 : across,
                 acrossGrading);
    if (mirrored) mirrorAcross(lines.x_m, panel.width_m);
    lines.z_m = {0.0};
    lines.firstRowOfStorey = {0};
    for (const PanelStorey& s : panel.storeys) {
        const double top = lines.z_m.back();
        appendGraded(lines.z_m, top, top + s.height_m, elementsAlong(s.height_m, size) * refine,
                     downGrading);
        lines.firstRowOfStorey.push_back(static_cast<int>(lines.z_m.size()) - 1);
    }
    return lines;
}

int nodeUnknowns(const MeshLines& lines) {
    return 4 * static_cast<int>(lines.x_m.size() * lines.z_m.size());
}

namespace {

// Hold an edge node's value index and, for a fixed edge, its slope index.
void holdEdge(std::vector<char>& held, int node, Edge edge) {
    if (edge == Edge::free) return;
    held[2 * node] = 1;
    if (edge == Edge::fixed) held[2 * node + 1] = 1;
}

}  // namespace

HeldIndices heldIndices(const Panel& panel, const MeshLines& lines) {
    HeldIndices held;
    const int columns = static_cast<int>(lines.x_m.size()) - 1;
    const int rows = static_cast<int>(lines.z_m.size()) - 1;
    held.x.assign(2 * (columns + 1), 0);
    held.z.assign(2 * (rows + 1), 0);
    holdEdge(held.x, 0, panel.left);
    holdEdge(held.x, columns, panel.right);
    holdEdge(held.z, 0, panel.top);
    holdEdge(held.z, rows, panel.base);
    for (std::size_t s = 1; s + 1 < lines.firstRowOfStorey.size(); ++s)
        holdEdge(held.z, lines.firstRowOfStorey[s], Edge::pinned);
    return held;
}

}  // namespace wallcalc::plate::detail
