#include "band_cholesky.hpp"

#include <Eigen/Core>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace wallcalc::plate::detail {

namespace {

thread_local std::vector<double> keptStorage;
thread_local bool keptStorageInUse = false;

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

// Row by row: L(i, j) = (A(i, j) − Σk L(i, k)·L(j, k)) / L(j, j), the sums over the rows' common
// band as vector dot products.
void BandCholesky::factorise() {
    for (int i = 0; i < size_; ++i) {
        const int first = std::max(0, i - band_);
        for (int j = first; j <= i; ++j) {
            const int from = std::max(first, j - band_);
            const Eigen::Map<const Eigen::VectorXd> rowI(&a_[index(i, from)], j - from);
            const Eigen::Map<const Eigen::VectorXd> rowJ(&a_[index(j, from)], j - from);
            const double value = a_[index(i, j)] - rowI.dot(rowJ);
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
