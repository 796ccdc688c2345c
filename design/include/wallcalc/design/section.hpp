#pragma once
// One metre of wall as a rectangular section b = 1000 mm with steel on its tension face
// (GB 50010-2010, 2015 edition): bending strength, the limit of the compression zone, the
// minimum steel and the shear without stirrups. Every value unrounded.
#include "wallcalc/design/bounded.hpp"

namespace wallcalc::design {

inline constexpr double kStripWidth = 1000;  // mm

// h0 = h − c − d/2: the thickness less the clear cover of the face and half the bar.
double effectiveDepth(double thickness, double cover, double diameter);

// 6.2.10 with ξ = x/h0:
//   αs = M·10⁶ / (α1·fc·b·h0²),  ξ = 1 − √(1 − 2αs),  As = α1·fc·b·ξ·h0 / fy
struct Flexure {
    double M = 0;           // design moment (kN·m per metre)
    double h0 = 0;          // mm
    double alphaS = 0;      // αs
    bool tooSmall = false;  // αs ≥ 0.5: the section cannot carry M, ξ and As are not real
    double xi = 0;          // ξ; 1 where too small, 0 where M ≤ 0
    double As = 0;          // mm² per metre; at ξ = 1 where too small, 0 where M ≤ 0
};
Flexure flexure(double M, double h0, double alpha1fc, double fy);

// 6.2.7: ξb = β1 / (1 + fy / (Es·εcu)).
double limitXi(double beta1, double fy, double Es, double epsCu);

// 8.5.1: ρmin = max(0.2 %, 45·ft/fy %), and in civil-defence works at least the grade's
// minimum of GB 50038-2005 (0 in ordinary works). In per cent.
double minimumSteelRatio(double ft, double fy, double civilMinimum);

// 6.3.3: a slab without stirrups, V ≤ 0.7·βh·ft·b·h0, βh = (800/h0)^¼ with h0 taken
// within 800 … 2000 mm.
struct Shear {
    double V = 0;       // design shear (kN per metre)
    double h0 = 0;      // mm
    Bounded h0ForBeta;  // h0 within 800 … 2000
    double betaH = 0;   // βh
    double ft = 0;      // N/mm²
    double Vc = 0;      // kN per metre
    bool ok() const { return V <= Vc; }
};
Shear shear(double V, double h0, double ft);

// The effective depth that carries V with ft (mm): the inverse of 6.3.3.
double depthForShear(double V, double ft);

// The thickness that brings ξ to ξb for the design moment M (mm, before the cover and half
// the bar): h0 = √(M·10⁶ / (α1·fc·b·αsb)), αsb = ξb·(1 − ξb/2).
double depthForXiLimit(double M, double alpha1fc, double xiB);

}  // namespace wallcalc::design
