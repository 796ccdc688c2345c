#pragma once
// Crack width at the base under the characteristic moment MBk, and the bars that keep
// it within the limit: while the width exceeds 1.05 × the limit, the diameter rises by
// 1 mm at the same spacing. Bars are made up to 50 mm; the check stops there.
//   ρte  = As / (0.5·1000·h5), at least 0.01
//   σsk  = MBk·10^6 / (0.87·h0·As)
//   ψ    = 1.1 − 0.65·Ftk / (ρte·σsk), between 0.2 and 1
//   Wmax = 2.1·ψ·σsk / (2·10^5) · (1.9·c1 + 0.08·deq / ρte)
#include <optional>
#include <string_view>

namespace wallcalc {

inline constexpr int kLargestBar = 50;  // mm

struct CrackInputs {
    float MBk = 0;       // kN·m per metre, > 0
    double h0 = 0;       // mm
    double h5 = 0;       // mm
    double c1 = 0;       // mm
    double Ftk = 0;      // N/mm2
    double spacing = 0;  // mm, > 0
    double limit = 0;    // mm, > 0
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
// checks the chosen bars themselves.
CrackCheck crackCheck(const CrackInputs& section, float strengthAas, int strengthDiameter);

}  // namespace wallcalc
