#pragma once
// The calculation state: the named fields a run reads and writes. The window owns one
// and keeps it from one press of "计算" to the next; a run overwrites the fields it
// reaches and leaves every other field as an earlier run left it.
#include <array>
#include <optional>
#include <string>
#include <variant>

#include "wallcalc/design/face.hpp"
#include "wallcalc/report/calculation_text.hpp"

namespace wallcalc {

// A bar diameter in mm, or the text "太大了" when no bar of the table fits.
using Diameter = std::variant<int, std::string>;
inline constexpr std::string_view kTooLarge = "太大了";

// The steel strength: a whole number in ordinary works, a double in civil-defence
// works (the product with the civil-defence factor).
using SteelStrength = std::variant<int, double>;

struct CalcState {
    // Inputs, held exactly as typed.
    std::string h1, h2, h3, h4;  // elevations (m)
    std::string h5;              // wall thickness (mm)
    std::string fxxs;            // load factor η (2002 basis)
    std::string gammaG;          // partial factor of the permanent loads γG (2010 basis)
    std::string gammaQ;          // partial factor of the variable load γQ (2010 basis)
    std::string psiq;            // quasi-permanent factor of the surcharge ψq (2010 basis)
    std::string gamma0;          // structural importance factor γ0 (2010 basis)
    std::string c1;              // cover on the water face (mm)
    std::string TRZ;             // soil unit weight γ (kN/m3)
    std::string FJHZ;            // surcharge Qfj (kN/m2)
    std::string Wmax;            // crack-width limit (mm)
    std::string ss;              // bar spacing (mm)
    float RFHZ = 0;              // civil-defence load Qrf (kN/m2), converted when read
    // The inputs' values as the last run converted them, by the input table's order; a
    // run starts with none and converts each at its first use.
    std::array<std::optional<double>, 17> inputValues{};
    float c2 = 0;  // cover on the dry face: shown, never read

    double h0 = 0;  // effective depth h5 − c1 (mm)
    double L = 0;   // span h3 − h4 (m)

    // Material strengths (N/mm2); empty until a lookup has found them.
    std::optional<double> Fc, Ft, Ftk;
    std::optional<SteelStrength> Fy;

    // Line loads (kN/m) and the partial lengths of case B (m), never rounded.
    double q11 = 0, q12 = 0, q21 = 0, q22 = 0, q31 = 0, q32 = 0, q42 = 0;
    double q13 = 0;  // case B: the dry layer a over the soil below the water level, uniform
    float q52 = 0;   // the civil-defence load, a copy of RFHZ
    double a = 0, b = 0;

    // Moments at the base B (kN·m per metre), rounded to three decimals.
    float MB11 = 0, MB12 = 0, MB21 = 0, MB22 = 0, MB31 = 0, MB32 = 0, MB42 = 0, MB52 = 0;
    float MB13 = 0;
    float MBk = 0;  // characteristic base moment
    // The same moments as computed, before their rounding: the 2010 basis carries them so.
    struct Exact {
        double MB11 = 0, MB12 = 0, MB13 = 0, MB21 = 0, MB22 = 0, MB31 = 0, MB32 = 0, MB42 = 0,
               MB52 = 0;
        double earth = 0;  // the earth and water terms of the case, summed
    } exact;
    float MB = 0;  // design base moment: η·MBk (2002), M of the partial factors (2010)

    // The 2010 basis carries its moments and its design unrounded (kN·m per metre): MG,
    // MQ and the civil-defence term MC, MBk, the design moment M = γ0·(…) and Mq.
    struct Code2010 {
        double MG = 0, MQ = 0, MC = 0, MBk = 0, gamma0 = 1, M = 0, Mq = 0;
        design::Materials materials;
        double xiB = 0;
        design::FaceDesign base;  // the earth face at the base
        // The calculation text's bounds ("<0.01，取ρte=0.01") and the note on its crack
        // passes, kept here while the text is written.
        std::string rteBound, psiBound, csBound, passNote;
    } code2010;
    // Strength design and bars.
    float alfas = 0;   // αs
    float kese = 0;    // ζ
    float Aas = 0;     // As (mm2 per metre); the crack check replaces it
    float SAas = 0;    // area one bar must have (mm2)
    Diameter d = 0;    // bars for strength
    Diameter deq = 0;  // bars for crack control

    // Crack check.
    float Rte = 0;  // ρte
    float Csk = 0;  // σsk (N/mm2)
    float Fai = 0;  // ψ
    float W = 0;    // crack width (mm)

    // What section 3 of the last calculation text holds, so that the text can be set again
    // (typeset for the sheet) from this state.
    report::CrackSection crackSection = report::CrackSection::Checked;
};

}  // namespace wallcalc
