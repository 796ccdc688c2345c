// The crack width of GB 50010-2010 7.1.2: each bound replaces its quotient and says so.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "wallcalc/design/crack_width.hpp"
#include "wallcalc/design/crack_width_text.hpp"

namespace {

using wallcalc::design::CrackSection;
using wallcalc::design::crackWidth;

struct BoundRow {
    const char* name;
    CrackSection section;
    int d;
    double As;
    bool rhoBelow, psiBelow, psiAbove, csBelow, csAbove;
};

class CrackBounds : public testing::TestWithParam<BoundRow> {};

TEST_P(CrackBounds, TakeTheBoundAndKeepTheQuotient) {
    const BoundRow& r = GetParam();
    const auto c = crackWidth(r.section, r.d, r.As);
    EXPECT_EQ(c.rhoTe.belowLower(), r.rhoBelow);
    EXPECT_EQ(c.psi.belowLower(), r.psiBelow);
    EXPECT_EQ(c.psi.aboveUpper(), r.psiAbove);
    EXPECT_EQ(c.cs.belowLower(), r.csBelow);
    EXPECT_EQ(c.cs.aboveUpper(), r.csAbove);
    // The width is formed from the values taken, never from a quotient a bound replaced.
    EXPECT_GE(c.rhoTe.used, 0.01);
    EXPECT_GE(c.psi.used, 0.2);
    EXPECT_LE(c.psi.used, 1.0);
    EXPECT_GE(c.cs.used, 20);
    EXPECT_LE(c.cs.used, 65);
    const double w =
        1.9 * c.psi.used * c.sigma / r.section.Es * (1.9 * c.cs.used + 0.08 * c.deq / c.rhoTe.used);
    EXPECT_DOUBLE_EQ(c.w, w);
    EXPECT_DOUBLE_EQ(c.h0, r.section.thickness - r.section.cover - r.d / 2.0);
}

INSTANTIATE_TEST_SUITE_P(Sections, CrackBounds,
                         testing::Values(BoundRow{"NoBoundTaken",
                                                  {101.435, 350, 50, 1.27, 2.1e5, true},
                                                  20,
                                                  3141.593,
                                                  false,
                                                  false,
                                                  false,
                                                  false,
                                                  false},
                                         BoundRow{"LittleSteelTakesRhoTe001",
                                                  {50.441, 350, 30, 2.01, 2.0e5, false},
                                                  12,
                                                  1130.973,
                                                  true,
                                                  false,
                                                  false,
                                                  false,
                                                  false},
                                         BoundRow{"LowStressTakesPsi02",
                                                  {20, 600, 50, 2.01, 2.0e5, false},
                                                  12,
                                                  1130.973,
                                                  true,
                                                  true,
                                                  false,
                                                  false,
                                                  false},
                                         BoundRow{"ThinCoverTakes20",
                                                  {101.435, 350, 15, 1.27, 2.0e5, false},
                                                  20,
                                                  3141.593,
                                                  false,
                                                  false,
                                                  false,
                                                  true,
                                                  false},
                                         BoundRow{"ThickCoverTakes65",
                                                  {101.435, 500, 80, 1.27, 2.0e5, false},
                                                  20,
                                                  3141.593,
                                                  false,
                                                  false,
                                                  false,
                                                  false,
                                                  true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CrackWidth, PlainBarsTakeTheirEquivalentDiameter) {
    const CrackSection ribbed{101.435, 350, 50, 1.27, 2.1e5, false};
    CrackSection plain = ribbed;
    plain.plain = true;
    EXPECT_DOUBLE_EQ(crackWidth(plain, 20, 3141.593).deq, 20 / 0.7);
    EXPECT_GT(crackWidth(plain, 20, 3141.593).w, crackWidth(ribbed, 20, 3141.593).w);
}

// The bound written out reads true as shown: a quotient that rounds to its bound keeps the
// digits that show it is past the bound.
struct BoundTextRow {
    const char* name;
    wallcalc::design::Bounded bounded;
    const char* symbol;
    const char* unit;
    const char* text;
};

class BoundText : public testing::TestWithParam<BoundTextRow> {};

TEST_P(BoundText, ReadsAsTheComparisonItMakes) {
    const BoundTextRow& r = GetParam();
    EXPECT_EQ(wallcalc::design::boundedText(r.bounded, r.symbol, r.unit), r.text);
}

using wallcalc::design::within;
INSTANTIATE_TEST_SUITE_P(
    CrackWidthText, BoundText,
    testing::Values(
        BoundTextRow{"QuotientWithinStandsAlone", within(0.0137, 0.01, HUGE_VAL), "ρte", "",
                     "0.014"},
        BoundTextRow{"QuotientBelowNamesTheBoundTaken", within(0.0062, 0.01, HUGE_VAL), "ρte", "",
                     "0.0062<0.01，取ρte=0.01"},
        BoundTextRow{"QuotientShownAsItsBoundKeepsThreeDigits", within(0.00969, 0.01, HUGE_VAL),
                     "ρte", "", "0.00969<0.01，取ρte=0.01"},
        BoundTextRow{"QuotientAboveWithUnitOnEveryNumber", within(70.5, 20, 65), "cs", "(mm)",
                     "70.5(mm)>65(mm)，取cs=65(mm)"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
