// The band factorisation on symmetric, diagonally dominant band matrices of sizes and bands
// that reach every path of its rows taken four at a time: fewer rows than four, a band
// narrower than four, sizes that leave one to three rows after the last group of four. Each
// solution must satisfy its equations; a matrix that is not positive definite is refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "band_cholesky.hpp"

namespace {

using wallcalc::plate::detail::BandCholesky;

struct BandCase {
    const char* name;
    int size, band;
};

const BandCase kBands[] = {
    {"OneUnknown", 1, 0},        {"DiagonalOnly", 6, 0},       {"ThreeRowsBandOne", 3, 1},
    {"FiveRowsBandTwo", 5, 2},   {"EightRowsBandThree", 8, 3}, {"NineRowsBandFive", 9, 5},
    {"BandWiderThanSize", 6, 9}, {"LongBandFour", 37, 4},      {"BandSeventeen", 66, 17},
    {"BandThirtyOdd", 102, 31},  {"PlateLikeBand", 203, 64},
};

// A fixed pseudo-random sequence in [−1, 1].
class Numbers {
  public:
    double next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state_ >> 11) / static_cast<double>(1ULL << 53) * 2 - 1;
    }

  private:
    unsigned long long state_ = 12345;
};

class Bands : public testing::TestWithParam<BandCase> {};

TEST_P(Bands, SolutionSatisfiesTheEquations) {
    const auto [name, n, band] = GetParam();
    Numbers random;
    // Lower band of A by row: a[i][j − i + band]; diagonal 2·band + 1 + r outweighs the row.
    std::vector<std::vector<double>> a(n, std::vector<double>(band + 1, 0.0));
    BandCholesky K(n, band);
    for (int i = 0; i < n; ++i)
        for (int j = std::max(0, i - band); j <= i; ++j) {
            const double v = j == i ? 2 * band + 1.5 + random.next() : random.next();
            a[i][j - i + band] = v;
            K.at(i, j) = v;
        }
    auto A = [&](int i, int j) {
        if (j > i) std::swap(i, j);
        return i - j > band ? 0.0 : a[i][j - i + band];
    };
    std::vector<double> b(n), x;
    for (double& v : b)
        v = random.next();
    x = b;
    K.factorise();
    K.solve(x);
    double largest = 0;
    for (int i = 0; i < n; ++i) {
        double Ax = 0;
        for (int j = 0; j < n; ++j)
            Ax += A(i, j) * x[j];
        largest = std::max(largest, std::abs(Ax - b[i]));
    }
    EXPECT_LT(largest, 1e-13 * (2 * band + 2)) << name;
}

INSTANTIATE_TEST_SUITE_P(Factorisation, Bands, testing::ValuesIn(kBands),
                         [](const auto& info) { return std::string(info.param.name); });

// [[1, 2], [2, 1]] has the eigenvalue −1.
TEST(NotPositiveDefinite, IsRefused) {
    BandCholesky K(2, 1);
    K.at(0, 0) = 1;
    K.at(1, 0) = 2;
    K.at(1, 1) = 1;
    EXPECT_THROW(K.factorise(), std::runtime_error);
}

}  // namespace
