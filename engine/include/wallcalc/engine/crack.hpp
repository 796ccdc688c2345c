#pragma once
// Crack width at the base, and the bars that keep it within the limit: while the width
// exceeds the limit (by more than the tolerance), the diameter rises by 1 mm at the same
// spacing. Bars are made up to 50 mm; the check stops there.
//   ρte  = As / (0.5·1000·h5), at least 0.01
//   σs   = M·10^6 / (0.87·h0·As)
//   ψ    = 1.1 − 0.65·ftk / (ρte·σs), between 0.2 and 1
//   Wmax = αcr·ψ·σs / Es · (1.9·c + 0.08·(deq/ν) / ρte)
// GB 50010-2002: M = MBk, αcr 2.1, Es 2·10^5, ν 1, c = c1, 5 % tolerance. GB 50010-2010:
// M = Mq, αcr 1.9, Es of the grade, ν 0.7 for plain bars, c = c1 within 20 … 65, none.
#include <optional>
#include <string_view>

namespace wallcalc {

inline constexpr int kLargestBar = 50;  // mm

struct CrackInputs {
    float MBk = 0;       // the moment the width is taken under (kN·m per metre), > 0
    double h0 = 0;       // mm
    double h5 = 0;       // mm
    double c1 = 0;       // the cover of the face (mm)
    double Ftk = 0;      // N/mm2
    double spacing = 0;  // mm, > 0
    double limit = 0;    // mm, > 0
    double alphaCr = 2.1;
    double Es = 2e5;          // N/mm2
    double nu = 1;            // the bars' bond: deq/ν is their equivalent diameter
    double tolerance = 1.05;  // the width may exceed the limit by this factor
    bool operator==(const CrackInputs&) const = default;
};

struct CrackPass {
    float Rte = 0;  // ρte
    float Csk = 0;  // σsk
    float Fai = 0;  // ψ
    float W = 0;    // crack width
};

// One pass for the area As of `deq` bars; empty with the failing quantity named.
struct PassResult {
    CrackPass pass;
    std::string_view outOfRange;
};
PassResult crackPass(const CrackInputs& section, float Aas, int deq);

// Area per metre of `deq` bars at the spacing: π/4·deq²·1000/s, rounded.
std::optional<float> barArea(int deq, double spacing);

enum class CrackEnd {
    Met,         // the width of the last pass is within 1.05 × the limit
    NotMet,      // 50 mm bars still exceed it
    OutOfRange,  // a quantity left the number range; the run cannot go on
};

struct CrackCheck {
    CrackEnd end = CrackEnd::Met;
    CrackPass last;  // the values of the last pass
    float Aas = 0;   // the area of the last pass
    int deq = 0;     // the diameter of the last pass
    int passes = 0;
    std::string_view outOfRange;
};

// Starts from the strength area and the strength diameter. A strength area of zero or
// less (a design moment of zero or less) has no steel to check; the first pass then
// checks the chosen bars themselves. The same check asked twice running (the press's
// own, then the supplementary design's of the same face) is made once.
CrackCheck crackCheck(const CrackInputs& section, float strengthAas, int strengthDiameter);

}  // namespace wallcalc
