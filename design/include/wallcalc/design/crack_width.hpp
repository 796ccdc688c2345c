#pragma once
// The largest crack width of a face under the quasi-permanent moment, GB 50010-2010
// (2015 edition) 7.1.2 and 7.1.4, for one size of bars d at the spacing:
//   ρte = As / (0.5·b·h), at least 0.01
//   σsq = Mq·10⁶ / (0.87·h0·As)
//   ψ   = 1.1 − 0.65·ftk / (ρte·σsq), within 0.2 … 1.0
//   cs  = the clear cover of the face, within 20 … 65 mm
//   deq = d/ν (ν 0.7 plain bars, 1.0 ribbed)
//   w   = αcr·ψ·σsq/Es·(1.9·cs + 0.08·deq/ρte), αcr = 1.9 (Table 7.1.2-1, bending)
#include "wallcalc/design/bounded.hpp"

namespace wallcalc::design {

inline constexpr double kAlphaCr = 1.9;
inline constexpr double kPlainBond = 0.7;  // ν of plain bars, Table 7.1.2-2

struct CrackSection {
    double Mq = 0;         // quasi-permanent moment (kN·m per metre), > 0
    double thickness = 0;  // h (mm)
    double cover = 0;      // clear cover of the face (mm)
    double ftk = 0;        // N/mm²
    double Es = 0;         // N/mm²
    bool plain = false;
};

struct CrackWidth {
    int d = 0;         // bar diameter (mm)
    double As = 0;     // area of the bars (mm² per metre)
    double h0 = 0;     // h − c − d/2 (mm)
    Bounded rhoTe;     // ≥ 0.01
    double sigma = 0;  // σsq (N/mm²)
    Bounded psi;       // 0.2 … 1.0
    Bounded cs;        // 20 … 65 mm
    double nu = 1;     // ν
    double deq = 0;    // d/ν (mm)
    double w = 0;      // mm
};

CrackWidth crackWidth(const CrackSection& section, int d, double As);

}  // namespace wallcalc::design
