#include "reactions.hpp"

#include <algorithm>

namespace wallcalc::plate::detail {

namespace {

// The force a held deflection takes from one storey's elements (kN): F − K·u at the node's
// value unknown, with K and F of that storey alone.
double nodeForce(const LineOperators& X, const LineOperators& Z, const std::vector<double>& dof,
                 int gx, int gz) {
    const int nx = X.terms[0].size(), nz = Z.terms[0].size();
    const CoupledRange down = coupledWith(gz, nz), across = coupledWith(gx, nx);
    double Ku = 0;
    for (int hz = down.first; hz <= down.last; ++hz) {
        for (int hx = across.first; hx <= across.last; ++hx) {
            double k = 0;
            for (int t = 0; t < kTerms; ++t)
                k += Z.terms[t](gz, hz) * X.terms[t](gx, hx);
            Ku += k * dof[static_cast<std::size_t>(hz * nx + hx)];
        }
    }
    return Z.load[gz] * X.load[gx] - Ku;
}

EdgeReactions storeyReactions(const MeshLines& lines, const PlateOperators& ops,
                              const HeldIndices& held, const std::vector<double>& dof, int storey) {
    const int columns = static_cast<int>(lines.x_m.size()) - 1;
    const int topRow = lines.firstRowOfStorey[storey];
    const int bottomRow = lines.firstRowOfStorey[storey + 1];
    const bool top = held.z[2 * topRow] != 0, bottom = held.z[2 * bottomRow] != 0;
    const bool left = held.x[0] != 0, right = held.x[2 * columns] != 0;

    EdgeReactions r;
    // The length of the edge a node stands for: half of each element beside it.
    const auto tributary = [](const std::vector<double>& lines, int at, int first, int last) {
        const double before = at > first ? lines[at] - lines[at - 1] : 0;
        const double after = at < last ? lines[at + 1] - lines[at] : 0;
        return (before + after) / 2;
    };
    const auto peak = [](double& most, double force, double length) {
        if (length > 0) most = std::max(most, force / length);
    };
    // A node on the storey's edges gives its force to the held edges it lies on, in equal
    // shares where it lies on two (a corner).
    auto addNode = [&](int column, int row) {
        const bool onTop = top && row == topRow, onBottom = bottom && row == bottomRow;
        const bool onLeft = left && column == 0, onRight = right && column == columns;
        const int edges = onTop + onBottom + onLeft + onRight;
        if (edges == 0) return;
        const double force = nodeForce(ops.width, ops.storeys[storey], dof, 2 * column, 2 * row);
        const double share = force / edges;
        if (onTop) r.top_kN += share;
        if (onBottom) r.bottom_kN += share;
        if (onLeft) r.left_kN += share;
        if (onRight) r.right_kN += share;
        if (edges != 1) return;  // a corner's concentrated force stands for no length
        const double across = tributary(lines.x_m, column, 0, columns);
        const double down = tributary(lines.z_m, row, topRow, bottomRow);
        if (onTop) peak(r.topPeak_kN_per_m, force, across);
        if (onBottom) peak(r.bottomPeak_kN_per_m, force, across);
        if (onLeft) peak(r.leftPeak_kN_per_m, force, down);
        if (onRight) peak(r.rightPeak_kN_per_m, force, down);
    };
    for (int c = 0; c <= columns; ++c) {
        addNode(c, topRow);
        addNode(c, bottomRow);
    }
    for (int row = topRow + 1; row < bottomRow; ++row) {
        addNode(0, row);
        addNode(columns, row);
    }
    return r;
}

}  // namespace

std::vector<EdgeReactions> edgeReactions(const MeshLines& lines, const PlateOperators& ops,
                                         const HeldIndices& held, const std::vector<double>& dof) {
    std::vector<EdgeReactions> reactions;
    for (std::size_t s = 0; s < ops.storeys.size(); ++s)
        reactions.push_back(storeyReactions(lines, ops, held, dof, static_cast<int>(s)));
    return reactions;
}

}  // namespace wallcalc::plate::detail
