#pragma once
// The plate's stiffness on a grid numbered across its shorter side is a band matrix: its
// Cholesky factorisation by rows, the sums over the rows' common band taken as Eigen's
// vectorised dot products. On these grids it is several times faster than a general sparse
// factorisation, whose fill-reducing orderings leave about the same band.
#include <cstddef>
#include <vector>

namespace wallcalc::plate::detail {

// A symmetric positive definite band matrix by its lower band, row i holding columns
// i − band … i, factorised in place as L·Lᵀ. Its storage is kept from one matrix to the next
// on a thread (a second matrix alive at the same time gets its own): fresh pages for a band of
// several megabytes cost more than the factorisation's arithmetic on some systems.
class BandCholesky {
  public:
    BandCholesky(int size, int band);
    ~BandCholesky();
    BandCholesky(const BandCholesky&) = delete;
    BandCholesky& operator=(const BandCholesky&) = delete;

    double& at(int i, int j) { return a_[index(i, j)]; }
    void factorise();
    void solve(std::vector<double>& b) const;

  private:
    int firstColumn(int i) const;
    // Σk L(i, k)·L(j, k) over from ≤ k < to.
    double sumOfProducts(int i, int j, int from, int to) const;
    void factoriseLeftOf(int top);
    void factoriseWithin(int top, int end);
    std::size_t index(int i, int j) const {
        return static_cast<std::size_t>(i) * (band_ + 1) + (j - i + band_);
    }
    int size_, band_;
    bool kept_;
    std::vector<double> own_;
    double* a_;
};

}  // namespace wallcalc::plate::detail
