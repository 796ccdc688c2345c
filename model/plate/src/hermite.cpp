#include "hermite.hpp"

#include <algorithm>
#include <cmath>

namespace wallcalc::plate::detail {

Hermite hermiteAt(double s, double L) {
    const double s2 = s * s, s3 = s2 * s;
    Hermite h;
    h.value = {1 - 3 * s2 + 2 * s3, L * (s - 2 * s2 + s3), 3 * s2 - 2 * s3, L * (s3 - s2)};
    h.slope = {(6 * s2 - 6 * s) / L, 1 - 4 * s + 3 * s2, (6 * s - 6 * s2) / L, 3 * s2 - 2 * s};
    h.curvature = {(12 * s - 6) / (L * L), (6 * s - 4) / L, (6 - 12 * s) / (L * L),
                   (6 * s - 2) / L};
    return h;
}

namespace {

// Four-point Gauss–Legendre on [0, 1]: exact for the degree-6 products of cubics.
constexpr std::array<double, 4> kGaussPoint4 = {0.0694318442029737, 0.3300094782075719,
                                                0.6699905217924281, 0.9305681557970263};
constexpr std::array<double, 4> kGaussWeight4 = {0.1739274225687269, 0.3260725774312731,
                                                 0.3260725774312731, 0.1739274225687269};
// Three-point Gauss–Legendre on [0, 1]: exact for a cubic times a linear pressure.
constexpr std::array<double, 3> kGaussPoint3 = {0.1127016653792583, 0.5, 0.8872983346207417};
constexpr std::array<double, 3> kGaussWeight3 = {5.0 / 18, 8.0 / 18, 5.0 / 18};

void addOuter(Mat4& m, const Vec4& a, const Vec4& b, double weight) {
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            m[i][j] += weight * a[i] * b[j];
}

// The pressure of one piece at a depth inside it.
double pieceAt(const LoadPiece& piece, double depth_m) {
    const double t = (depth_m - piece.topDepth_m) / (piece.bottomDepth_m - piece.topDepth_m);
    return piece.topPressure_kPa + t * (piece.bottomPressure_kPa - piece.topPressure_kPa);
}

}  // namespace

LineMatrices lineMatrices(double L) {
    LineMatrices m{};
    for (int g = 0; g < 4; ++g) {
        const Hermite h = hermiteAt(kGaussPoint4[g], L);
        const double w = kGaussWeight4[g] * L;
        addOuter(m.mass, h.value, h.value, w);
        addOuter(m.slope, h.slope, h.slope, w);
        addOuter(m.bending, h.curvature, h.curvature, w);
        addOuter(m.coupling, h.curvature, h.value, w);
    }
    return m;
}

Mat4 transposed(const Mat4& m) {
    Mat4 t{};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            t[i][j] = m[j][i];
    return t;
}

Vec4 elementLoad(double top_m, double L, const std::vector<LoadPiece>& load) {
    Vec4 f{};
    for (const LoadPiece& piece : load) {
        const double from = std::max(top_m, piece.topDepth_m);
        const double to = std::min(top_m + L, piece.bottomDepth_m);
        if (!(to > from)) continue;
        for (int g = 0; g < 3; ++g) {
            const double depth = from + kGaussPoint3[g] * (to - from);
            const Hermite h = hermiteAt((depth - top_m) / L, L);
            const double w = kGaussWeight3[g] * (to - from) * pieceAt(piece, depth);
            for (int i = 0; i < 4; ++i)
                f[i] += w * h.value[i];
        }
    }
    return f;
}

double loadBetween(double from_m, double to_m, const std::vector<LoadPiece>& load) {
    double total = 0;
    for (const LoadPiece& piece : load) {
        const double from = std::max(from_m, piece.topDepth_m);
        const double to = std::min(to_m, piece.bottomDepth_m);
        if (to > from) total += (to - from) * (pieceAt(piece, from) + pieceAt(piece, to)) / 2;
    }
    return total;
}

}  // namespace wallcalc::plate::detail
