// The curvatures recovered from the mean curvature of each element, which the conforming
// element gives to a higher order than its pointwise curvature: the mean of w,xx over an
// element along a line of constant depth is the change of the slope w,x across it divided by
// its width (and likewise down it for w,zz). The quadratic with the means of the element and
// its two neighbours (within the storey down the height: a slab line puts a kink in the
// moment) is the curvature there.
#include <algorithm>
#include <array>

#include "element_point.hpp"
#include "hermite.hpp"
#include "peak_search.hpp"

namespace wallcalc::plate::detail {

namespace {

// The slope w,x at node column `column` along element row `row`, at the depth whose Hermite
// values in the row are `down`.
double slopeAcross(const PlateField& f, int column, int row, const Vec4& down) {
    const int nx = 2 * (f.columns() + 1);
    double sum = 0;
    for (int iz = 0; iz < 4; ++iz)
        sum += down[iz] * f.dof[static_cast<std::size_t>((2 * row + iz) * nx + 2 * column + 1)];
    return sum;
}

// The slope w,z at node row `row` along element column `column`, at the place whose Hermite
// values in the column are `across`.
double slopeDown(const PlateField& f, int row, int column, const Vec4& across) {
    const int nx = 2 * (f.columns() + 1);
    double sum = 0;
    for (int ix = 0; ix < 4; ++ix)
        sum += across[ix] * f.dof[static_cast<std::size_t>((2 * row + 1) * nx + 2 * column + ix)];
    return sum;
}

// The first of the three elements whose means give the curvature in `element`, all within
// the elements [first, end).
int stencilStart(int element, int first, int end) {
    return std::clamp(element - 1, first, end - 3);
}

// The quadratic whose means over the three elements lines[first … first + 3] are `means`,
// at v.
double quadraticOfMeans(const std::vector<double>& lines, int first,
                        const std::array<double, 3>& means, double v) {
    const double origin = lines[first + 1];
    double a[3][4];
    for (int j = 0; j < 3; ++j) {
        const double p = lines[first + j] - origin, q = lines[first + j + 1] - origin;
        a[j][0] = 1;
        a[j][1] = (p + q) / 2;
        a[j][2] = (p * p + p * q + q * q) / 3;
        a[j][3] = means[j];
    }
    for (int k = 0; k < 3; ++k)
        for (int j = k + 1; j < 3; ++j) {
            const double factor = a[j][k] / a[k][k];
            for (int m = k; m < 4; ++m)
                a[j][m] -= factor * a[k][m];
        }
    double c[3];
    for (int k = 2; k >= 0; --k) {
        double rhs = a[k][3];
        for (int m = k + 1; m < 3; ++m)
            rhs -= a[k][m] * c[m];
        c[k] = rhs / a[k][k];
    }
    const double x = v - origin;
    return c[0] + x * (c[1] + x * c[2]);
}

double lengthOf(const std::vector<double>& lines, int element) {
    return lines[element + 1] - lines[element];
}

// The mean w,xx of element `column` of a row, at the depth `down` gives.
double meanAcross(const PlateField& f, int row, int column, const Vec4& down) {
    return (slopeAcross(f, column + 1, row, down) - slopeAcross(f, column, row, down)) /
           lengthOf(f.xLines_m, column);
}

// The mean w,zz of element `row` of a column, at the place `across` gives.
double meanDown(const PlateField& f, int row, int column, const Vec4& across) {
    return (slopeDown(f, row + 1, column, across) - slopeDown(f, row, column, across)) /
           lengthOf(f.zLines_m, row);
}

// The three means from `first` on of a whole line of them.
std::array<double, 3> threeOf(const std::vector<double>& means, int first) {
    return {means[first], means[first + 1], means[first + 2]};
}

PlateMoments momentsOf(const PlateField& f, int storey, double wxx, double wzz) {
    const double D = f.rigidity_kNm[storey];
    return {-D * (wxx + f.poisson * wzz), -D * (wzz + f.poisson * wxx)};
}

}  // namespace

PlateMoments momentsIn(const PlateField& f, const ElementPoint& at) {
    const int storey = storeyOfRow(f, at.row);
    const int firstRow = f.firstRowOfStorey[storey], endRow = f.firstRowOfStorey[storey + 1];
    const double Lx = lengthOf(f.xLines_m, at.column), Lz = lengthOf(f.zLines_m, at.row);

    const Vec4 down = hermiteAt(at.t, Lz).value, across = hermiteAt(at.s, Lx).value;
    const int left = stencilStart(at.column, 0, f.columns());
    std::array<double, 3> means{};
    for (int j = 0; j < 3; ++j)
        means[j] = meanAcross(f, at.row, left + j, down);
    const double wxx = quadraticOfMeans(f.xLines_m, left, means, f.xLines_m[at.column] + at.s * Lx);
    const int top = stencilStart(at.row, firstRow, endRow);
    for (int j = 0; j < 3; ++j)
        means[j] = meanDown(f, top + j, at.column, across);
    const double wzz = quadraticOfMeans(f.zLines_m, top, means, f.zLines_m[at.row] + at.t * Lz);
    return momentsOf(f, storey, wxx, wzz);
}

StoreySamples::StoreySamples(const PlateField& f, int storey)
    : firstRow_(f.firstRowOfStorey[storey]), columns_(f.columns()) {
    const int endRow = f.firstRowOfStorey[storey + 1];
    const std::size_t count = static_cast<std::size_t>((endRow - firstRow_) * columns_) * 9;
    std::vector<double> wxx(count), wzz(count);
    std::vector<double> means(static_cast<std::size_t>(std::max(columns_, f.rows())));
    for (int r = firstRow_; r < endRow; ++r)
        for (int j = 0; j < 3; ++j) {
            const Vec4 down = hermiteAt(j / 2.0, lengthOf(f.zLines_m, r)).value;
            for (int c = 0; c < columns_; ++c)
                means[c] = meanAcross(f, r, c, down);
            for (int c = 0; c < columns_; ++c) {
                const int left = stencilStart(c, 0, columns_);
                for (int i = 0; i < 3; ++i)
                    wxx[index(c, r, i, j)] =
                        quadraticOfMeans(f.xLines_m, left, threeOf(means, left),
                                         f.xLines_m[c] + i / 2.0 * lengthOf(f.xLines_m, c));
            }
        }
    for (int c = 0; c < columns_; ++c)
        for (int i = 0; i < 3; ++i) {
            const Vec4 across = hermiteAt(i / 2.0, lengthOf(f.xLines_m, c)).value;
            for (int r = firstRow_; r < endRow; ++r)
                means[r] = meanDown(f, r, c, across);
            for (int r = firstRow_; r < endRow; ++r) {
                const int top = stencilStart(r, firstRow_, endRow);
                for (int j = 0; j < 3; ++j)
                    wzz[index(c, r, i, j)] =
                        quadraticOfMeans(f.zLines_m, top, threeOf(means, top),
                                         f.zLines_m[r] + j / 2.0 * lengthOf(f.zLines_m, r));
            }
        }
    moments_.resize(count);
    for (std::size_t k = 0; k < count; ++k)
        moments_[k] = momentsOf(f, storey, wxx[k], wzz[k]);
}

}  // namespace wallcalc::plate::detail
