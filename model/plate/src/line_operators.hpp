#pragma once
// The plate's stiffness and load on a rectangular grid as products of line matrices. With
// the element the product of Hermite cubics in x and in depth, the assembled stiffness is
// K = Σt Zt ⊗ Xt over five terms of the bending energy
//   w,xx·v,xx         X bending      Z D·mass
//   w,zz·v,zz         X mass         Z D·bending
//   ν·w,xx·v,zz       X couplingᵀ    Z ν·D·coupling
//   ν·w,zz·v,xx       X coupling     Z ν·D·couplingᵀ
//   2(1−ν)·w,xz·v,xz  X slope        Z 2(1−ν)·D·slope
// (D of the storey each element row lies in), and the load vector is Fz ⊗ Fx with Fx = ∫N dx
// (uniform along the width) and Fz = ∫N·p dz.
#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

#include "hermite.hpp"
#include "wallcalc/plate/panel.hpp"

namespace wallcalc::plate::detail {

// A matrix over the Hermite indices of one grid direction (two per node): an element couples
// the four indices 2e … 2e + 3, so nothing lies more than three places off the diagonal.
class BandMatrix {
  public:
    explicit BandMatrix(int size = 0) : rows_(static_cast<std::size_t>(size)) {}
    int size() const { return static_cast<int>(rows_.size()); }
    double operator()(int i, int j) const {
        return std::abs(i - j) > 3 ? 0.0 : rows_[static_cast<std::size_t>(i)][j - i + 3];
    }
    void addElement(int element, const Mat4& m, double factor);
    BandMatrix& operator+=(const BandMatrix& other);

  private:
    std::vector<std::array<double, 7>> rows_{};
};

// The Hermite indices an index g of a line of n couples with: those of its node and the
// neighbouring nodes, the nodes an element shares with it.
struct CoupledRange {
    int first, last;
};
inline CoupledRange coupledWith(int g, int n) {
    const int node = g / 2;
    return {std::max(0, 2 * node - 2), std::min(n - 1, 2 * node + 3)};
}

inline constexpr int kTerms = 5;

struct LineOperators {
    std::array<BandMatrix, kTerms> terms;
    std::vector<double> load;
};

// Across the width: the X matrices and Fx.
LineOperators widthOperators(const std::vector<double>& xLines_m);

// Down the element rows [firstRow, endRow) of the depth grid, all of one rigidity D: the Z
// matrices and Fz (zero outside those rows).
LineOperators depthOperators(const std::vector<double>& zLines_m, int firstRow, int endRow,
                             double rigidity_kNm, double poisson,
                             const std::vector<LoadPiece>& load);

// a += b, term by term and in the load.
void addOperators(LineOperators& a, const LineOperators& b);

}  // namespace wallcalc::plate::detail
