#include <gtest/gtest.h>

#include "wallcalc/engine/crack.hpp"
#include "wallcalc/report/number_text.hpp"

namespace {

using namespace wallcalc;
using report::singleText;

// The worked section: MBk 100, h5 350, c1 50, h0 300, C30 (Ftk 2.01), spacing 100.
CrackInputs section(float MBk, double limit) {
    CrackInputs s;
    s.MBk = MBk;
    s.h0 = 300;
    s.h5 = 350;
    s.c1 = 50;
    s.Ftk = 2.01;
    s.spacing = 100;
    s.limit = limit;
    return s;
}

TEST(Crack, FirstPassOfTheWorkedExample) {
    const auto p = crackPass(section(100, 0.2), 1587.3f, 16);
    ASSERT_TRUE(p.outOfRange.empty());
    EXPECT_EQ(singleText(p.pass.Rte), "0.01") << "0.009 is raised to 0.01";
    EXPECT_EQ(singleText(p.pass.Csk), "241.38");
    EXPECT_EQ(singleText(p.pass.Fai), "0.559");
    EXPECT_EQ(singleText(p.pass.W), "0.316");
}

TEST(Crack, RaisesTheDiameterUntilTheWidthMeetsTheLimit) {
    const auto c = crackCheck(section(100, 0.2), 1587.3f, 16);
    EXPECT_EQ(c.end, CrackEnd::Met);
    EXPECT_EQ(c.passes, 2);
    EXPECT_EQ(c.deq, 17);
    EXPECT_EQ(singleText(c.Aas), "2269.801");
    EXPECT_EQ(singleText(c.last.Rte), "0.013");
    EXPECT_EQ(singleText(c.last.Csk), "168.8");
    EXPECT_EQ(singleText(c.last.Fai), "0.505");
    EXPECT_EQ(singleText(c.last.W), "0.179");
}

TEST(Crack, FivePercentMargin) {
    // 0.316 is more than 1.05 × 0.3 = 0.315: a second pass; with 0.301 it is not.
    EXPECT_EQ(crackCheck(section(100, 0.3), 1587.3f, 16).passes, 2);
    const auto met = crackCheck(section(100, 0.301), 1587.3f, 16);
    EXPECT_EQ(met.passes, 1);
    EXPECT_EQ(singleText(met.Aas), "1587.3") << "the strength arrangement is shown unchanged";
    EXPECT_EQ(met.deq, 16);
}

TEST(Crack, PsiIsBoundedBelowByPointTwo) {
    const auto c = crackCheck(section(20, 0.2), 300.3f, 12);
    ASSERT_EQ(c.passes, 2);
    EXPECT_EQ(c.deq, 13);
    EXPECT_EQ(singleText(c.Aas), "1327.323");
    EXPECT_EQ(singleText(c.last.Csk), "57.732");
    EXPECT_EQ(singleText(c.last.Fai), "0.2");
    EXPECT_EQ(singleText(c.last.W), "0.024");
    EXPECT_EQ(singleText(crackPass(section(20, 0.2), 300.3f, 12).pass.W), "0.301");
}

TEST(Crack, StopsAtFiftyMillimetreBars) {
    const auto c = crackCheck(section(100, 1e-9), 1587.3f, 16);
    EXPECT_EQ(c.end, CrackEnd::NotMet);
    EXPECT_EQ(c.deq, kLargestBar);
    EXPECT_EQ(c.passes, kLargestBar - 16 + 1);
}

TEST(Crack, NoStrengthSteelChecksTheChosenBars) {
    // A design moment of zero needs no steel; the 12 mm bars at 100 are what is placed.
    const auto c = crackCheck(section(100, 1e9), 0.0f, 12);
    EXPECT_EQ(c.passes, 1);
    EXPECT_EQ(singleText(c.Aas), "1130.973");
}

TEST(Crack, BarAreaPerMetre) {
    EXPECT_EQ(singleText(*barArea(21, 100)), "3463.606");
    EXPECT_EQ(singleText(*barArea(17, 100)), "2269.801");
}

TEST(Crack, ZeroWallThicknessIsOutOfRange) {
    auto s = section(100, 0.2);
    s.h5 = 0;
    const auto c = crackCheck(s, 1587.3f, 16);
    EXPECT_EQ(c.end, CrackEnd::OutOfRange);
    EXPECT_EQ(c.outOfRange, "ρte");
}

}  // namespace
