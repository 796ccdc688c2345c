// A line of the calculation typeset as the sheet sets it, in the readable form (_{…}
// subscripts, ^{…} superscripts, \frac{…}{…} fractions): each row one rule of the setting.
#include <gtest/gtest.h>

#include "wallcalc/report/typeset.hpp"

namespace {

using namespace wallcalc::report;

const Notation kHrb400{"C"};

struct Row {
    const char* what;
    const char* form;  // a line with named places
    std::initializer_list<Named> values;
    const char* typeset;
};

const Row kRows[] = {
    {"* is ×, powers raised, indices lowered, and the 1/8x of the table is 1/8×",
     "MB12 =1/8*q12*L^2=1/8x{q}*{L}^2={M} (kNm)",
     {{"q", 18.0}, {"L", 3.85}, {"M", 33.351f}},
     "M_{B12}=\\frac{1}{8}×q_{12}×L^{2}=\\frac{1}{8}×18×3.85^{2}=33.351 (kN·m)"},
    {"negative values bracketed in a substitution, the bracket around them square",
     "q12=0.5*γ*(h1- h2)=0.5*{g}*({h1}- {h2})={q} (kN/m)",
     {{"g", std::string_view("18")},
      {"h1", std::string_view("-0.45")},
      {"h2", std::string_view("-1.35")},
      {"q", 8.1}},
     "q_{12}=0.5×γ×(h_{1}−h_{2})=0.5×18×[(−0.45)−(−1.35)]=8.1 (kN/m)"},
    {"a negative result stands unbracketed", "MB={M} (kNm)", {{"M", -1.5f}}, "M_{B}=−1.5 (kN·m)"},
    {"a quotient with a bracket is ÷, powers of ten raised, mm2 as mm²",
     "αs=MB*10^6/(Fc*1000*h0^2)={M}*10^6/({fc}*1000*{h0}^2)={a}",
     {{"M", 86.119f}, {"fc", 11.9}, {"h0", 300.0}, {"a", 0.08f}},
     "α_{s}=M_{B}×10^{6}÷(F_{c}×1000×h_{0}^{2})=86.119×10^{6}÷(11.9×1000×300^{2})=0.08"},
    {"a power of 0.5 on a bracket is a square root",
     "ζ=1-(1-2*αs)^0.5=1-(1-2*{a})^0.5={z}",
     {{"a", 0.113f}, {"z", 0.12f}},
     "ζ=1−√(1−2×α_{s})=1−√(1−2×0.113)=0.12"},
    {"βh takes the power 1/4 as the code writes it",
     "βh=(800/h0)^0.25=(800/{h})^0.25={b}",
     {{"h", 800.0}, {"b", 1.0}},
     "β_{h}=(\\frac{800}{h_{0}})^{1/4}=(\\frac{800}{800})^{1/4}=1"},
    {"units alike everywhere: N/mm2, bare mm after a number, a prime after the index",
     "σsq={Mq}*10^6/(0.87*{h0n}*As)={M}*10^6/(0.87*{h0}*{As})={s}(N/mm2)，最大25mm",
     {{"Mq", std::string_view("MAq")},
      {"h0n", std::string_view("h0'")},
      {"M", 38.933},
      {"h0", 314.0},
      {"As", 1130.973},
      {"s", 126.012}},
     "σ_{sq}=M_{Aq}×10^{6}÷(0.87×h_{0}′×A_{s})=38.933×10^{6}÷(0.87×314×1130.973)=126.012 "
     "(N/mm^{2})，最大25mm"},
    {"bars with the grade's symbol, the (mm) after them dropped",
     "满足强度控制要求时选用钢筋为：{d}@ {ss}  (mm)",
     {{"d", 14LL}, {"ss", std::string_view("100")}},
     "满足强度控制要求时选用钢筋为：C14@100"},
    {"bars in a text value, and bars of the note",
     "{bars}，则实际所配钢筋为 18@200+20@200",
     {{"bars", std::string_view("14@ 100  (mm)")}},
     "C14@100，则实际所配钢筋为 C18@200+C20@200"},
    {"a long repeating decimal cut after three decimals",
     "deq,e=d/0.7={d}/0.7={e}(mm)",
     {{"d", 20LL}, {"e", 20 / 0.7}},
     "d_{eq,e}=\\frac{d}{0.7}=\\frac{20}{0.7}=28.571… (mm)"},
    {"a small one keeps two significant digits, a short double is not cut",
     "x={a}，y={b}",
     {{"a", 0.000123456789012345}, {"b", 0.1 + 0.2}},
     "x=0.00012…，y=0.3"},
    {"codes and grades upright, a code's number never split",
     "依据：GB 50010-2010(2015年版)、GB 55001-2021，C30，HRB400",
     {},
     "依据：GB 50010-2010(2015年版)、GB 55001-2021，C30，HRB400"},
    {"max and min are words, As,min a name, a blank after a list's comma",
     "As,min=max(0.2%,45*ft/fy%)*1000*h5={A}(mm2)",
     {{"A", 700.0}},
     "A_{s,min}=max(0.2%, 45×\\frac{f_{t}}{f_{y}}%)×1000×h_{5}=700 (mm^{2})"},
    {"a word typed where a number belongs stays a word",
     "c2={c}",
     {{"c", std::string_view("thirty")}},
     "c_{2}=thirty"},
    {"a label's unit in half-width brackets after a name, no blank before it",
     "h1(m)，土容重(kN/m3)",
     {},
     "h_{1}(m)，土容重(kN/m^{3})"},
    {"a label's unit in full-width brackets",
     "附加荷载(kN/m2)，墙厚度h5（mm），MBk（kN.m）",
     {},
     "附加荷载(kN/m^{2})，墙厚度h_{5}（mm），M_{Bk}（kN·m）"},
    {"powers of ten written with an exponent", "E={e}", {{"e", 12345678.0f}}, "E=1.234568×10^{7}"},
    {"a power with a minus",
     "εcu=0.0033-(fcu,k-50)*10^-5={e}",
     {{"e", 0.0032}},
     "ε_{cu}=0.0033−(f_{cu,k}−50)×10^{−5}=0.0032"},
    {"a moment per metre of wall is one unit, not a fraction m/m",
     "M={M}(kN·m/m)，荷载单位（kN/m2）",
     {{"M", -41.974}},
     "M=−41.974 (kN·m/m)，荷载单位（kN/m^{2}）"},
    {"EI, the differentials dx and dt and ΣR read as written, not as a name and its index",
     "EI∝h^3，f=L/EI，ΣR=707.5 (kN/m)，∫p dx，∫p*t dt",
     {},
     "EI∝h^{3}，f=L÷EI，ΣR=707.5 (kN/m)，∫p dx，∫p×t dt"},
    {"indentation kept, a blank in prose kept",
     "    如果按裂缝控制要求计算出来的钢筋为 19@100，",
     {},
     "    如果按裂缝控制要求计算出来的钢筋为 C19@100，"},
};

TEST(Typeset, EachRuleOfTheSetting) {
    for (const Row& row : kRows) {
        TypesetText lines;
        appendTypeset(lines, row.form, row.values, kHrb400);
        ASSERT_EQ(lines.size(), 1u) << row.what;
        EXPECT_EQ(readable(lines[0]), row.typeset) << row.what;
    }
}

}  // namespace

namespace {

// The digits of a text, in order.
std::string digitsOf(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c >= '0' && c <= '9') out += c;
    }
    return out;
}

// Lines made at random from the pieces formulas are written with, brackets, powers and
// quotients in any order (unmatched, at the start or at the end of a line included): each
// is set without fault, and no digit is lost, added or moved. (No power 0.5 or 0.25 and no
// value from a slot, which are the two places where the setting writes digits of its own.)
TEST(Typeset, AnyOrderOfPiecesKeepsEveryDigit) {
    const std::string_view pieces[] = {"q12",    "=",  "*",    "/",      "(",
                                       ")",      "-",  "+",    "0.6",    "18",
                                       "h0",     "^",  "2",    " ",      "(kNm)",
                                       "mm2",    "，", "@",    "100",    "αs",
                                       "As,min", "x",  "3.85", "（mm）", "GB 50010-2010",
                                       "满足",   "≤",  "14",   "Φ",      "'",
                                       "%",      "max"};
    std::uint32_t seed = 12345;
    const auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    for (int n = 0; n < 20000; ++n) {
        std::string line;
        const int length = static_cast<int>(next() % 14);
        for (int k = 0; k < length; ++k)
            line += pieces[next() % std::size(pieces)];
        TypesetText out;
        appendTypeset(out, line, {}, kHrb400);
        ASSERT_EQ(out.size(), 1u) << line;
        EXPECT_EQ(digitsOf(readable(out[0])), digitsOf(line)) << line;
    }
}

}  // namespace
