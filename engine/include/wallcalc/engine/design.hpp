#pragma once
// Strength design of the vertical bars at the base: a rectangular section 1000 mm wide
// with effective depth h0, steel on the tension side only.
//   αs = MB·10^6 / (Fc·1000·h0²),  ζ = 1 − (1 − 2αs)^0.5,  As = Fc·1000·h0·ζ / Fy
#include <string_view>

namespace wallcalc {

struct StrengthDesign {
    float alfas = 0;              // αs, rounded
    float kese = 0;               // ζ, rounded; the whole number 1 when αs >= 0.5
    float Aas = 0;                // As (mm2 per metre), rounded
    bool momentTooLarge = false;  // αs >= 0.5: "所受弯矩过大，请增加外墙厚度"
    // The quantity that left the number range (the run cannot go on); empty when sound.
    std::string_view outOfRange;
};

// The same design asked twice running (the press's own, then the supplementary design's of
// the same face) is made once.
StrengthDesign strengthDesign(float MB, double Fc, double h0, double Fy);

// The minimum steel of one face as a percentage of the section: max(0.2 %, 45·ft/fy %) with
// fy the grade's ordinary strength, and in civil-defence works at least the grade's
// civil-defence minimum (0 in ordinary works).
double minimumSteelRatio(double ft, double fy, double civilMinimum);

}  // namespace wallcalc
