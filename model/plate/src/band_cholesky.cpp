#include "band_cholesky.hpp"

#include <Eigen/Core>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace wallcalc::plate::detail {

namespace {

WALLCALC_PER_THREAD std::vector<double> keptStorage;
WALLCALC_PER_THREAD bool keptStorageInUse = false;

}  // namespace

BandCholesky::BandCholesky(int size, int band)
    : size_(size), band_(band), kept_(!keptStorageInUse) {
    std::vector<double>& storage = kept_ ? keptStorage : own_;
    storage.assign(static_cast<std::size_t>(size) * (band + 1), 0.0);
    a_ = storage.data();
    if (kept_) keptStorageInUse = true;
}

BandCholesky::~BandCholesky() {
    if (kept_) keptStorageInUse = false;
}

namespace {

// Rows factorised together: their sums against one row share its loads, which bound the
// speed of a single dot product.
constexpr int kRowsTogether = 4;

using Pair = double __attribute__((vector_size(16)));

Pair loadPair(const double* p) {
    Pair v;
    __builtin_memcpy(&v, p, sizeof v);
    return v;
}

// Σk rows[r][k]·column[k] over 0 ≤ k < n for four rows at once, each in two pairs of
// partial sums (k ≡ 0, 1 and k ≡ 2, 3 modulo 4) added in a fixed order.
void fourSums(const double* const (&rows)[kRowsTogether], const double* column, int n,
              double (&sums)[kRowsTogether]) {
    const double *r0 = rows[0], *r1 = rows[1], *r2 = rows[2], *r3 = rows[3];
    Pair e0 = {}, e1 = {}, e2 = {}, e3 = {}, o0 = {}, o1 = {}, o2 = {}, o3 = {};
    int k = 0;
    for (; k + 4 <= n; k += 4) {
        const Pair c0 = loadPair(column + k), c1 = loadPair(column + k + 2);
        e0 += loadPair(r0 + k) * c0;
        o0 += loadPair(r0 + k + 2) * c1;
        e1 += loadPair(r1 + k) * c0;
        o1 += loadPair(r1 + k + 2) * c1;
        e2 += loadPair(r2 + k) * c0;
        o2 += loadPair(r2 + k + 2) * c1;
        e3 += loadPair(r3 + k) * c0;
        o3 += loadPair(r3 + k + 2) * c1;
    }
    const Pair both[kRowsTogether] = {e0 + o0, e1 + o1, e2 + o2, e3 + o3};
    for (int r = 0; r < kRowsTogether; ++r) {
        double sum = both[r][0] + both[r][1];
        for (int m = k; m < n; ++m)
            sum += rows[r][m] * column[m];
        sums[r] = sum;
    }
}

}  // namespace

// L(i, j) = (A(i, j) − Σk L(i, k)·L(j, k)) / L(j, j), L(i, i) = √(A(i, i) − Σk L(i, k)²), the
// sums over the rows' common band. Rows go in groups of four: for each column left of the
// group, the four sums over the columns all four reach are taken together, and the few
// columns only some of them reach are added row by row.
void BandCholesky::factorise() {
    int top = 0;
    for (; top + kRowsTogether <= size_; top += kRowsTogether) {
        factoriseLeftOf(top);
        factoriseWithin(top, top + kRowsTogether);
    }
    factoriseWithin(top, size_);
}

int BandCholesky::firstColumn(int i) const {
    return std::max(0, i - band_);
}

double BandCholesky::sumOfProducts(int i, int j, int from, int to) const {
    if (to <= from) return 0;
    const Eigen::Map<const Eigen::VectorXd> rowI(&a_[index(i, from)], to - from);
    const Eigen::Map<const Eigen::VectorXd> rowJ(&a_[index(j, from)], to - from);
    return rowI.dot(rowJ);
}

// The columns j < top that all four rows from `top` on reach (the last row's first column
// on); the columns left of those that only the first rows reach go one row at a time.
void BandCholesky::factoriseLeftOf(int top) {
    const int last = top + kRowsTogether - 1;
    const int common = firstColumn(last);
    for (int j = firstColumn(top); j < std::min(common, top); ++j)
        for (int i = top; i < last && firstColumn(i) <= j; ++i)
            a_[index(i, j)] =
                (a_[index(i, j)] - sumOfProducts(i, j, std::max(firstColumn(i), j - band_), j)) /
                a_[index(j, j)];
    for (int j = common; j < top; ++j) {
        const int from = std::max(common, j - band_);
        const double* rows[kRowsTogether];
        for (int r = 0; r < kRowsTogether; ++r)
            rows[r] = &a_[index(top + r, from)];
        double sums[kRowsTogether];
        fourSums(rows, &a_[index(j, from)], j - from, sums);
        for (int r = 0; r < kRowsTogether; ++r) {
            const int i = top + r;
            const double sum =
                sums[r] + sumOfProducts(i, j, std::max(firstColumn(i), j - band_), from);
            a_[index(i, j)] = (a_[index(i, j)] - sum) / a_[index(j, j)];
        }
    }
}

// The columns top ≤ j ≤ i of rows [top, end), one row after the other; rows past a group
// of four take every column here.
void BandCholesky::factoriseWithin(int top, int end) {
    for (int i = top; i < end; ++i) {
        const int first =
            end - top < kRowsTogether ? firstColumn(i) : std::max(top, firstColumn(i));
        for (int j = first; j <= i; ++j) {
            const double value =
                a_[index(i, j)] - sumOfProducts(i, j, std::max(firstColumn(i), j - band_), j);
            if (j < i) {
                a_[index(i, j)] = value / a_[index(j, j)];
            } else if (value > 0 && std::isfinite(value)) {
                a_[index(i, i)] = std::sqrt(value);
            } else {
                throw std::runtime_error("the plate's stiffness is not positive definite");
            }
        }
    }
}

void BandCholesky::solve(std::vector<double>& b) const {
    for (int i = 0; i < size_; ++i) {
        const int first = std::max(0, i - band_);
        double sum = b[i];
        for (int k = first; k < i; ++k)
            sum -= a_[index(i, k)] * b[k];
        b[i] = sum / a_[index(i, i)];
    }
    for (int i = size_ - 1; i >= 0; --i) {
        b[i] /= a_[index(i, i)];
        const int first = std::max(0, i - band_);
        for (int k = first; k < i; ++k)
            b[k] -= a_[index(i, k)] * b[i];
    }
}

}  // namespace wallcalc::plate::detail
