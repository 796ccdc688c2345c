#pragma once
// The cubic Hermite functions of an element of length L along one grid direction: N1, N3
// take the value at its two ends, N2, N4 the slope. The plate element is their product in x
// and in depth (the bicubic Hermite rectangle: w, w,x, w,z, w,xz at each node), so its
// stiffness and load are sums of products of the line integrals below.
#include <array>
#include <vector>

#include "wallcalc/plate/panel.hpp"

namespace wallcalc::plate::detail {

using Vec4 = std::array<double, 4>;
using Mat4 = std::array<Vec4, 4>;

// The four functions and their first and second derivatives (per m) at s = ξ/L in [0, 1].
struct Hermite {
    Vec4 value, slope, curvature;
};
Hermite hermiteAt(double s, double length_m);

// Exact line integrals over an element: mass ∫Ni·Nj, slope ∫Ni′·Nj′, bending ∫Ni″·Nj″ and
// coupling ∫Ni″·Nj.
struct LineMatrices {
    Mat4 mass, slope, bending, coupling;
};
LineMatrices lineMatrices(double length_m);

Mat4 transposed(const Mat4& m);

// ∫Ni·p dz over the element [top, top + L] (depths in m) of the pressure the pieces add up
// to, exact: each piece's overlap with the element by three-point Gauss (degree 4).
Vec4 elementLoad(double top_m, double length_m, const std::vector<LoadPiece>& load);

// ∫p dz over [from, to] of the pressure the pieces add up to (kN/m).
double loadBetween(double from_m, double to_m, const std::vector<LoadPiece>& load);

}  // namespace wallcalc::plate::detail
