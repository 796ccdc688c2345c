#include "solve.hpp"

#include <algorithm>
#include <utility>

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

// The factorised equations of the grid solved (the whole panel, or its left half with the
// middle line held against slope across), with what maps their unknowns back to the field.
struct DeflectionSolver::Factor {
    Factor(const LineOperators& width, const LineOperators& depth, HeldIndices held)
        : gridHeld(std::move(held)),
          numbering(numberUnknowns(gridHeld)),
          widthLoad(width.load),
          K(numbering.count, numbering.band) {
        assemble(K, width, depth, numbering);
        K.factorise();
    }
    HeldIndices gridHeld;
    Numbering numbering;
    std::vector<double> widthLoad;  // Fx
    BandCholesky K;
    int columns = 0;  // elements across the whole panel, when its half is solved
    bool half = false;

    // The grid's unknowns under F = Fz ⊗ Fx, in PlateField's layout for the grid.
    std::vector<double> solveGrid(const std::vector<double>& depthLoad) const {
        const int nx = static_cast<int>(gridHeld.x.size());
        std::vector<double> u(static_cast<std::size_t>(numbering.count));
        for (std::size_t i = 0; i < numbering.number.size(); ++i)
            if (const int r = numbering.number[i]; r >= 0)
                u[static_cast<std::size_t>(r)] = depthLoad[i / nx] * widthLoad[i % nx];
        K.solve(u);
        std::vector<double> dof(numbering.number.size(), 0.0);
        for (std::size_t i = 0; i < numbering.number.size(); ++i)
            if (const int r = numbering.number[i]; r >= 0) dof[i] = u[static_cast<std::size_t>(r)];
        return dof;
    }

    // The right half mirrored from the left: w and w,z alike, w,x and w,xz of opposite sign.
    std::vector<double> mirror(const std::vector<double>& left) const {
        const int middle = columns / 2, nxHalf = 2 * (middle + 1), nx = 2 * (columns + 1);
        const std::size_t nz = gridHeld.z.size();
        std::vector<double> dof(static_cast<std::size_t>(nx) * nz);
        for (std::size_t gz = 0; gz < nz; ++gz)
            for (int gx = 0; gx < nx; ++gx) {
                const int node = gx / 2, slope = gx % 2;
                const int from = node <= middle ? gx : 2 * (columns - node) + slope;
                const double sign = node > middle && slope == 1 ? -1 : 1;
                dof[gz * nx + gx] = sign * left[gz * nxHalf + from];
            }
        return dof;
    }
};

namespace {

// The left half's equations: its own width operators up to the middle line, held there
// against slope across.
std::unique_ptr<DeflectionSolver::Factor> halfFactor(const PlateOperators& ops,
                                                     const MeshLines& lines,
                                                     const HeldIndices& held) {
    const int columns = static_cast<int>(lines.x_m.size()) - 1, middle = columns / 2;
    const int nxHalf = 2 * (middle + 1);
    const LineOperators width = widthOperators({lines.x_m.begin(), lines.x_m.begin() + middle + 1});
    HeldIndices half{{held.x.begin(), held.x.begin() + nxHalf}, held.z};
    half.x[static_cast<std::size_t>(2 * middle + 1)] = 1;
    auto f = std::make_unique<DeflectionSolver::Factor>(width, ops.depth, std::move(half));
    f->columns = columns;
    f->half = true;
    return f;
}

}  // namespace

DeflectionSolver::DeflectionSolver(const PlateOperators& ops, const MeshLines& lines,
                                   const HeldIndices& held, bool mirrored)
    : factor_(mirrored ? halfFactor(ops, lines, held)
                       : std::make_unique<Factor>(ops.width, ops.depth, held)) {}

DeflectionSolver::~DeflectionSolver() = default;

std::vector<double> DeflectionSolver::deflections(const std::vector<double>& depthLoad) const {
    std::vector<double> dof = factor_->solveGrid(depthLoad);
    return factor_->half ? factor_->mirror(dof) : dof;
}

int DeflectionSolver::unknowns() const {
    return factor_->numbering.count;
}

}  // namespace wallcalc::plate::detail
