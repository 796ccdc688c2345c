#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "wallcalc/report/calculation_text.hpp"

namespace {

using namespace wallcalc::report;

// Every slot holds the text "⟨name⟩", so a line shows which value stands where.
struct SymbolicValues {
    std::vector<std::string> names;
    Values values;
    SymbolicValues() {
        names.reserve(kSlotCount);
        for (std::size_t i = 0; i < kSlotCount; ++i) {
            names.push_back("<" + std::string(slotName(static_cast<Slot>(i))) + ">");
        }
        for (std::size_t i = 0; i < kSlotCount; ++i) {
            values.set(static_cast<Slot>(i), std::string_view(names[i]));
        }
    }
};

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (true) {
        const auto end = text.find("\r\n", start);
        out.push_back(text.substr(start, end - start));
        if (end == std::string::npos) return out;
        start = end + 2;
    }
}

constexpr CrackSection kAllCrackSections[] = {
    CrackSection::Checked, CrackSection::CivilDefence, CrackSection::NoBarFits,
    CrackSection::LimitNotReached, CrackSection::NoTension};

// Case B carries two lines more than case A: the dry layer over the soil below the
// water level (q13, MB13).
TEST(CalculationText, LineCountsOfEachModeAndCase) {
    EXPECT_EQ(lineCount(Mode::Ordinary, Case::A, CrackSection::Checked), 39);
    EXPECT_EQ(lineCount(Mode::Ordinary, Case::B, CrackSection::Checked), 41);
    EXPECT_EQ(lineCount(Mode::Ordinary, Case::C, CrackSection::Checked), 31);
    EXPECT_EQ(lineCount(Mode::CivilDefence, Case::A, CrackSection::CivilDefence), 31);
    EXPECT_EQ(lineCount(Mode::CivilDefence, Case::B, CrackSection::CivilDefence), 33);
    EXPECT_EQ(lineCount(Mode::CivilDefence, Case::C, CrackSection::CivilDefence), 23);
    // The ordinary text keeps its length when even 50 mm bars miss the limit, and is
    // shorter when no bar fits or the water face is not in tension.
    EXPECT_EQ(lineCount(Mode::Ordinary, Case::A, CrackSection::LimitNotReached), 39);
    EXPECT_EQ(lineCount(Mode::Ordinary, Case::A, CrackSection::NoBarFits), 28);
    EXPECT_EQ(lineCount(Mode::Ordinary, Case::C, CrackSection::NoBarFits), 20);
    EXPECT_EQ(lineCount(Mode::Ordinary, Case::B, CrackSection::NoTension), 38);
    EXPECT_EQ(lineCount(Mode::Ordinary, Case::C, CrackSection::NoTension), 28);
}

TEST(CalculationText, EveryPlaceHoldsAKnownValueAndLinesAreCrLfSeparated) {
    const SymbolicValues v;
    for (Mode mode : {Mode::Ordinary, Mode::CivilDefence}) {
        for (Case c : {Case::A, Case::B, Case::C}) {
            for (CrackSection crack : kAllCrackSections) {
                const std::string text = calculationText(mode, c, crack, v.values);
                SCOPED_TRACE(testing::Message() << int(mode) << int(c) << int(crack));
                EXPECT_EQ(text.find('{'), std::string::npos) << "a place with an unknown name";
                EXPECT_EQ(text.find("\x01"), std::string::npos) << "a table marker leaked";
                EXPECT_EQ(static_cast<int>(lines(text).size()), lineCount(mode, c, crack));
                EXPECT_NE(text.substr(text.size() - 2), "\r\n") << "no break after the last line";
                EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1) << "bare line feed";
                EXPECT_EQ(text.rfind("1.荷载计算：", 0), 0u);
            }
        }
    }
}

// Lines of the tables as they must read, one row per line checked (1-based).
struct LineRow {
    const char* name;
    Mode mode;
    Case c;
    int line;
    const char* text;
};

class TableLine : public testing::TestWithParam<LineRow> {};

TEST_P(TableLine, ReadsAsWritten) {
    const SymbolicValues v;
    const auto& row = GetParam();
    const auto crack =
        row.mode == Mode::Ordinary ? CrackSection::Checked : CrackSection::CivilDefence;
    const auto all = lines(calculationText(row.mode, row.c, crack, v.values));
    ASSERT_LE(row.line, static_cast<int>(all.size()));
    EXPECT_EQ(all[static_cast<std::size_t>(row.line - 1)], row.text);
}

constexpr Mode O = Mode::Ordinary;
constexpr Mode D = Mode::CivilDefence;

INSTANTIATE_TEST_SUITE_P(
    Rows, TableLine,
    testing::Values(
        LineRow{"OrdinaryA_BlankAroundHeading", O, Case::A, 2, " (1)水上土压力： "},
        LineRow{"OrdinaryA_TimesSignIsX", O, Case::A, 4,
                "MB12 =1/8*q12*L^2=1/8x<q12>*<L>^2=<MB12> (kNm)"},
        LineRow{"CivilA_TimesSignIsStar", D, Case::A, 4,
                "MB12 =1/8*q12*L^2=1/8*<q12>*<L>^2=<MB12> (kNm)"},
        LineRow{"OrdinaryA_WaterLoadShowsElevations", O, Case::A, 13,
                "q31 =10*L=10*(<h3>- <h4>)=<q31> (kN/m)"},
        LineRow{"CivilA_WaterLoadShowsSpan", D, Case::A, 13, "q31 =10*L=10*<L>=<q31> (kN/m)"},
        LineRow{"OrdinaryA_WaterMoment", O, Case::A, 14,
                "MB31 =1/15*q31*L^2=1/15*<q31>*<L>^2=<MB31> (kNm)"},
        LineRow{"CivilA_WaterMomentLetterX", D, Case::A, 14,
                "MB31 =1/15*q31*L^2=1/15*<q31>x<L>^2=<MB31> (kNm)"},
        LineRow{"CivilA_CivilDefenceLoad", D, Case::A, 19, "q52=Qrf=<Qrf>(kN/m)"},
        LineRow{"CivilA_CivilDefenceMoment", D, Case::A, 20,
                "MB52=1/8*q52*L^2=1/8*<q52>*<L>^2=<MB52>(kNm)"},
        LineRow{"OrdinaryA_Sum", O, Case::A, 18,
                "MBk =MB12+MB22+MB21+MB32+MB31+MB42=<MB12>+<MB22>+<MB21>+<MB32>+<MB31>+<MB42>="
                "<MBk> (kNm)"},
        LineRow{"CivilA_Sum", D, Case::A, 21,
                "MBk =MB12+MB22+MB21+MB32+MB31+MB42+MB52=<MB12>+<MB22>+<MB21>+<MB32>+<MB31>+"
                "<MB42>+<MB52>=<MBk> (kNm)"},
        LineRow{"CivilA_DesignMoment", D, Case::A, 22, "MB =η * MBk=<fxxs>*<MBk>=<MB> (kNm)"},
        LineRow{"OrdinaryB_UnitWithoutBlank", O, Case::B, 5,
                "q11=0.5*γ*(h3- h2)=0.5*<TRZ>*(<h3>- <h2>)=<q11>(kN/m)"},
        LineRow{"OrdinaryB_MinusWithBlank", O, Case::B, 6, "a=h3- h2=<h3>- <h2>=<a>"},
        LineRow{"CivilB_MinusWithoutBlank", D, Case::B, 6, "a=h3- h2=<h3>-<h2>=<a>"},
        LineRow{"OrdinaryB_UnitInBrackets", O, Case::B, 7,
                "MB11=1/6*q11*a^2*(1-0.6*(a/L)^2)=1/6*<q11>*<a>^2*(1-0.6*(<a>/<L>)^2)=<MB11>(kNm)"},
        LineRow{"CivilB_UnitWithoutBrackets", D, Case::B, 7,
                "MB11=1/6*q11*a^2*(1-0.6*(a/L)^2)=1/6*<q11>*<a>^2*(1-0.6*(<a>/<L>)^2)=<MB11>kNm"},
        LineRow{"OrdinaryB_LowerLength", O, Case::B, 10, "b=h2- h4=<h2>- <h4>=<b>"},
        LineRow{"OrdinaryB_DryLayerOverTheSoilBelowWater", O, Case::B, 12,
                "q13 =0.5*γ*a=0.5*<TRZ>*<a>=<q13> (kN/m)"},
        LineRow{"OrdinaryB_DryLayerMoment", O, Case::B, 13,
                "MB13 =1/8*q13*b^2*(2-b/L)^2=1/8*<q13>*<b>^2*(2-<b>/<L>)^2=<MB13> (kNm)"},
        LineRow{"CivilB_DryLayerMoment", D, Case::B, 13,
                "MB13 =1/8*q13*b^2*(2-b/L)^2=1/8*<q13>*<b>^2*(2-<b>/<L>)^2=<MB13> (kNm)"},
        LineRow{"OrdinaryB_SumNamesMB13", O, Case::B, 20,
                "MBk =MB12+MB11+MB21+MB13+MB32+MB42=<MB12>+<MB11>+<MB21>+<MB13>+<MB32>+<MB42>="
                "<MBk> (kNm)"},
        LineRow{"CivilB_SumNamesMB13", D, Case::B, 23,
                "MBk =MB12+MB11+MB21+MB13+MB32+MB42+MB52=<MB12>+<MB11>+<MB21>+<MB13>+<MB32>+"
                "<MB42>+<MB52>=<MBk> (kNm)"},
        LineRow{"OrdinaryB_WaterMoment", O, Case::B, 16,
                "MB32 =1/24*q32*b^2*(4-3*b/L+0.6*(b/L)^2)=1/24*<q32>*<b>^2*(4-3*<b>/<L>+0.6*(<b>/"
                "<L>)^2)=<MB32> (kNm)"},
        LineRow{"OrdinaryC_EarthLoadWithoutUnit", O, Case::C, 5, "q11=0.5*γ*L=0.5*<TRZ>*<L>=<q11>"},
        LineRow{"OrdinaryC_SurchargeLabelledQ22", O, Case::C, 8,
                "q22 =0.5*Qfj=0.5*<FJHZ>=<q42> (kN/m)"},
        LineRow{"OrdinaryC_Sum", O, Case::C, 10,
                "MBk =MB12+MB11+MB22=<MB12>+<MB11>+<MB42>=<MBk> (kNm)"},
        LineRow{"CivilC_SectionThree", D, Case::C, 10, " (3)人防荷载： "},
        LineRow{"CivilC_CivilDefenceLabelledQ32", D, Case::C, 12,
                "MB32=1/8*q32*L^2=1/8*<q52>*<L>^2=<MB52>(kNm)"},
        LineRow{"CivilC_Sum", D, Case::C, 13,
                "MBk =MB12+MB11+MB22+MB32=<MB12>+<MB11>+<MB42>+<MB52>=<MBk> (kNm)"},
        LineRow{"OrdinaryA_EmptyLineBeforeDesign", O, Case::A, 20, ""},
        LineRow{"OrdinaryA_DesignHeadingTrailingBlank", O, Case::A, 21, "2.计算配筋： "},
        LineRow{"OrdinaryA_SteelArea", O, Case::A, 24,
                "As=Fc*1000*h0*ζ/Fy=<Fc>*1000*<h0>*<kese>/<Fy>=<Text7>(mm2)"},
        LineRow{"OrdinaryA_StrengthBars", O, Case::A, 26,
                "满足强度控制要求时选用钢筋为：<d>@ <ss>  (mm)"},
        LineRow{"OrdinaryA_CrackHeadingNoBlank", O, Case::A, 28, "3.计算裂缝："},
        LineRow{"OrdinaryA_Rte", O, Case::A, 29,
                "ρte = As/(0.5*1000*h5)=<Aas> /(0.5*1000* <h5> )= <Rte>"},
        LineRow{"OrdinaryA_Width", O, Case::A, 32,
                "Wmax = 2.1*ψ*σsk/(2*10^5)*(1.9*c1+0.08*deq/ρte)=2.1*<Fai>*<Csk>/(2*10^5)*(1.9*<c1>"
                "+0.08*<deq>/<Rte>)=<W>(mm)"},
        LineRow{"OrdinaryA_CrackBars", O, Case::A, 34,
                "满足裂缝控制要求时选用钢筋为：<deq>@ <ss>  (mm)"},
        LineRow{"OrdinaryA_Notes", O, Case::A, 36, "说明："},
        LineRow{"OrdinaryA_LastNote", O, Case::A, 39,
                "    则实际所配钢筋为 18@200+20@200（依次类推）"},
        LineRow{"CivilB_Closing", D, Case::B, 33, "3.人防工程不计算裂缝。"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CalculationText, CivilDefenceTextHasNoNotes) {
    const SymbolicValues v;
    const auto text =
        calculationText(Mode::CivilDefence, Case::A, CrackSection::CivilDefence, v.values);
    EXPECT_EQ(text.find("说明："), std::string::npos);
}

TEST(CalculationText, LimitNotReachedNeverClaimsTheLimitIsMet) {
    const SymbolicValues v;
    const auto text =
        calculationText(Mode::Ordinary, Case::A, CrackSection::LimitNotReached, v.values);
    EXPECT_EQ(text.find("满足裂缝控制要求时"), std::string::npos);
    EXPECT_NE(text.find("不满足裂缝控制要求"), std::string::npos);
}

}  // namespace
