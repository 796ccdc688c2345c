#pragma once
// The calculation text of one completed run: section 1 (loads and base moment),
// section 2 (steel design) and section 3 (crack width, or the civil-defence line),
// lines separated by CR LF, no break after the last line.
//
// The report knows nothing of the calculation: the engine hands it the values, each
// already in the form it must be written in (a text as typed, a single- or
// double-precision number, a whole number), and the report fills its line tables.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace wallcalc::report {

enum class Mode : std::uint8_t { Ordinary, CivilDefence };
enum class Case : std::uint8_t { A, B, C };
// GB 50010-2002, or GB 50010-2010 (2015 edition) with today's load factors.
enum class Basis : std::uint8_t { Gb2002, Gb2010 };

// What section 3 holds.
enum class CrackSection : std::uint8_t {
    Checked,          // ordinary works: the crack width of the last pass and the notes
    CivilDefence,     // "3.人防工程不计算裂缝。"
    NoBarFits,        // ordinary works, no bar of the table fits: width not calculated
    LimitNotReached,  // ordinary works, even 50 mm bars exceed the limit
    NoTension,        // ordinary works, MBk <= 0: the water face is not in tension
};

// The places a value can take in a line, named as the calculation state names them.
enum class Slot : std::uint8_t {
    h1,
    h2,
    h3,
    h4,
    h5,
    c1,
    TRZ,
    FJHZ,
    fxxs,
    ss,
    Wmax,
    L,
    a,
    b,
    q11,
    q12,
    q21,
    q22,
    q31,
    q32,
    q42,
    q52,
    Qrf,
    MB11,
    MB12,
    MB21,
    MB22,
    MB31,
    MB32,
    MB42,
    MB52,
    MBk,
    MB,
    Fc,
    Fy,
    h0,
    alfas,
    kese,
    Text7,
    d,
    Aas,
    Rte,
    Csk,
    Ftk,
    Fai,
    deq,
    W,
    Text9,
    q13,
    MB13,
    gammaG,
    gammaQ,
    psiq,
    MG,     // 2010: the earth and water moments
    MQ,     // 2010: the surcharge moment
    Mq,     // 2010: the quasi-permanent moment
    beta1,  // 2010: ξb and its parts
    epsCu,
    Es,
    xib,
    Ft,        // 2010: the minimum steel
    fyo,       // the grade's ordinary strength
    civilMin,  // % of the section, civil-defence works
    Asmin,
    compare,  // "≥" or "<": the strength area against the minimum
    governs,  // "As" or "As,min": the area the bars are chosen for
    cs,       // 2010: the crack width's cover, equivalent diameter and bond factor
    deqe,
    nu,
    gamma0,  // 2010: the structural importance factor, as typed
    alpha1,  // 2010: α1 and fc of the works, apart
    fc,
    dh0,       // 2010: the diameter h0 of the strength design is taken at
    crackH0,   // 2010: h0 of the crack pass, at its own diameter
    RteBound,  // 2010: a bound that replaced a quotient ("<0.01，取ρte=0.01"), or nothing
    RteUsed,
    FaiBound,
    FaiUsed,
    csBound,
    passNote,  // 2010: how the crack check came to its last pass, or nothing
    Wcompare,  // 2010: "≤" or ">", the crack width against the limit
    Count
};
inline constexpr std::size_t kSlotCount = static_cast<std::size_t>(Slot::Count);

// A text written unchanged, a single-precision number (7 significant digits), a
// double-precision number (15 significant digits) or a whole number.
using Value = std::variant<std::monostate, std::string_view, float, double, long long>;

// Writes a number value's text at `at`, which has room for kNumberTextRoom characters,
// and returns its end; a text value, or none, writes nothing there.
char* writeNumber(char* at, const Value& value);

class Values {
  public:
    void set(Slot slot, Value value) { values_[static_cast<std::size_t>(slot)] = value; }
    const Value& operator[](Slot slot) const { return values_[static_cast<std::size_t>(slot)]; }

  private:
    std::array<Value, kSlotCount> values_{};
};

// Line counts of a text: 39/31/23 and so on, by basis, mode, case and section 3.
int lineCount(Basis basis, Mode mode, Case c, CrackSection crack);
inline int lineCount(Mode mode, Case c, CrackSection crack) {
    return lineCount(Basis::Gb2002, mode, c, crack);
}

std::string calculationText(Basis basis, Mode mode, Case c, CrackSection crack,
                            const Values& values);
// The same text written in `buffer`, whose room is used again from one text to the next
// (it is left at least as long as the text, and longer); the text is the view returned.
std::string_view writeCalculationText(std::string& buffer, Basis basis, Mode mode, Case c,
                                      CrackSection crack, const Values& values);
inline std::string calculationText(Mode mode, Case c, CrackSection crack, const Values& values) {
    return calculationText(Basis::Gb2002, mode, c, crack, values);
}

// The name of a slot as written between braces in the line tables ("MB12", "TRZ").
std::string_view slotName(Slot slot);

}  // namespace wallcalc::report
