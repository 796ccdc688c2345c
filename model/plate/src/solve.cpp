#include "solve.hpp"

#include <algorithm>

#include "band_cholesky.hpp"

namespace wallcalc::plate::detail {

namespace {

// D = E·t³ / (12·(1 − ν²)), t in m.
double rigidity(double E_kPa, double thickness_mm, double nu) {
    const double t = thickness_mm / 1000;
    return E_kPa * t * t * t / (12 * (1 - nu * nu));
}

}  // namespace

PlateOperators plateOperators(const Panel& panel, const MeshLines& lines) {
    PlateOperators ops;
    ops.width = widthOperators(lines.x_m);
    for (std::size_t s = 0; s < panel.storeys.size(); ++s) {
        const double D =
            rigidity(panel.elasticModulus_kPa, panel.storeys[s].thickness_mm, panel.poisson);
        ops.rigidity_kNm.push_back(D);
        ops.storeys.push_back(depthOperators(lines.z_m, lines.firstRowOfStorey[s],
                                             lines.firstRowOfStorey[s + 1], D, panel.poisson,
                                             panel.load));
        if (s == 0) {
            ops.depth = ops.storeys[0];
        } else {
            addOperators(ops.depth, ops.storeys[s]);
        }
    }
    return ops;
}

namespace {

// The free unknowns numbered node by node, the nodes taken across the shorter side of the
// grid first: an unknown then couples only with those of its own and the neighbouring lines
// of nodes, within a band a little over four unknowns per node of a line.
struct Numbering {
    std::vector<int> number;  // by Hermite index gz·nx + gx; −1 for a held unknown
    int count = 0;
    int band = 0;  // the largest distance below the diagonal of a coupling
};

Numbering numberUnknowns(const HeldIndices& held) {
    const int nx = static_cast<int>(held.x.size()), nz = static_cast<int>(held.z.size());
    const int columns = nx / 2, rows = nz / 2;  // nodes across and down
    Numbering n;
    n.number.assign(static_cast<std::size_t>(nx * nz), -1);
    const bool rowByRow = columns <= rows;
    for (int outer = 0; outer < (rowByRow ? rows : columns); ++outer) {
        for (int inner = 0; inner < (rowByRow ? columns : rows); ++inner) {
            const int i = rowByRow ? inner : outer, k = rowByRow ? outer : inner;
            for (int d = 0; d < 4; ++d) {
                const int gx = 2 * i + d % 2, gz = 2 * k + d / 2;
                if (!held.held(gx, gz)) n.number[gz * nx + gx] = n.count++;
            }
        }
    }
    for (int gz = 0; gz < nz; ++gz) {
        const CoupledRange down = coupledWith(gz, nz);
        for (int gx = 0; gx < nx; ++gx) {
            const int r = n.number[gz * nx + gx];
            if (r < 0) continue;
            const CoupledRange across = coupledWith(gx, nx);
            for (int hz = down.first; hz <= down.last; ++hz)
                for (int hx = across.first; hx <= across.last; ++hx)
                    if (const int c = n.number[hz * nx + hx]; c >= 0)
                        n.band = std::max(n.band, r - c);
        }
    }
    return n;
}

// K(gz, gx; hz, hx) = Σt Zt(gz, hz)·Xt(gx, hx) into the band, lower half.
void assemble(BandCholesky& K, const LineOperators& X, const LineOperators& Z, const Numbering& n) {
    const int nx = X.terms[0].size(), nz = Z.terms[0].size();
    for (int gz = 0; gz < nz; ++gz) {
        const CoupledRange down = coupledWith(gz, nz);
        for (int gx = 0; gx < nx; ++gx) {
            const int row = n.number[gz * nx + gx];
            if (row < 0) continue;
            const CoupledRange across = coupledWith(gx, nx);
            for (int hz = down.first; hz <= down.last; ++hz)
                for (int hx = across.first; hx <= across.last; ++hx) {
                    const int col = n.number[hz * nx + hx];
                    if (col < 0 || col > row) continue;
                    double k = 0;
                    for (int t = 0; t < kTerms; ++t)
                        k += Z.terms[t](gz, hz) * X.terms[t](gx, hx);
                    K.at(row, col) = k;
                }
        }
    }
}

}  // namespace

namespace {

std::vector<double> solveGrid(const LineOperators& width, const LineOperators& depth,
                              const HeldIndices& held, int& unknowns) {
    const Numbering n = numberUnknowns(held);
    unknowns = n.count;
    const int nx = static_cast<int>(held.x.size());
    std::vector<double> u(static_cast<std::size_t>(n.count));
    for (std::size_t i = 0; i < n.number.size(); ++i)
        if (n.number[i] >= 0) u[n.number[i]] = depth.load[i / nx] * width.load[i % nx];

    BandCholesky K(n.count, n.band);
    assemble(K, width, depth, n);
    K.factorise();
    K.solve(u);

    std::vector<double> dof(n.number.size(), 0.0);
    for (std::size_t i = 0; i < n.number.size(); ++i)
        if (n.number[i] >= 0) dof[i] = u[n.number[i]];
    return dof;
}

// The left half up to the middle line, held there against slope across, solved; the right
// half mirrored: w and w,z alike, w,x and w,xz of opposite sign.
std::vector<double> solveHalf(const PlateOperators& ops, const MeshLines& lines,
                              const HeldIndices& held, int& unknowns) {
    const int columns = static_cast<int>(lines.x_m.size()) - 1, middle = columns / 2;
    const int nxHalf = 2 * (middle + 1), nx = 2 * (columns + 1);
    const LineOperators width = widthOperators({lines.x_m.begin(), lines.x_m.begin() + middle + 1});
    HeldIndices half{{held.x.begin(), held.x.begin() + nxHalf}, held.z};
    half.x[2 * middle + 1] = 1;
    const std::vector<double> left = solveGrid(width, ops.depth, half, unknowns);

    std::vector<double> dof(static_cast<std::size_t>(nx) * held.z.size());
    for (std::size_t gz = 0; gz < held.z.size(); ++gz)
        for (int gx = 0; gx < nx; ++gx) {
            const int node = gx / 2, slope = gx % 2;
            const int from = node <= middle ? gx : 2 * (columns - node) + slope;
            const double sign = node > middle && slope == 1 ? -1 : 1;
            dof[gz * nx + gx] = sign * left[gz * nxHalf + from];
        }
    return dof;
}

}  // namespace

std::vector<double> solveDeflections(const PlateOperators& ops, const MeshLines& lines,
                                     const HeldIndices& held, bool mirrored, int& unknowns) {
    if (mirrored) return solveHalf(ops, lines, held, unknowns);
    return solveGrid(ops.width, ops.depth, held, unknowns);
}

}  // namespace wallcalc::plate::detail
