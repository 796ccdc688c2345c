// The verdict's line and lists, and the codes' limits on the inputs.
#include <gtest/gtest.h>

#include "wallcalc/design/code_limits.hpp"
#include "wallcalc/design/verdict.hpp"

namespace {

using namespace wallcalc::design;

TEST(Verdict, NamesEachFailedCheckOnceInTheOrderFound) {
    Verdict v;
    EXPECT_EQ(v.line(), "满足");
    v.fail(Check::Shear, "V>Vc");
    v.fail(Check::Strength, "αs≥0.5");
    v.fail(Check::Strength, "太大了");
    EXPECT_FALSE(v.ok());
    EXPECT_EQ(v.line(), "不满足（受剪、强度）");
    EXPECT_EQ(v.keys(), "shear;strength");
    EXPECT_EQ(v.failed.size(), 3u) << "every failure keeps its own figures";
}

TEST(Verdict, EveryCheckHasAKeyAndANameInItsOwnRow) {
    const auto names = checkNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(static_cast<std::size_t>(names[i].check), i);
        EXPECT_FALSE(names[i].key.empty());
        EXPECT_FALSE(names[i].name.empty());
    }
}

// GB 50010-2010 4.1.2: C20, and C25 with steel of 400 MPa or stronger.
TEST(CodeLimits, LeastConcreteGradeFollowsTheSteel) {
    EXPECT_EQ(leastConcreteGrade(*steelNamed("HPB300")), 20);
    EXPECT_EQ(leastConcreteGrade(*steelNamed("HRB335")), 20);
    EXPECT_EQ(leastConcreteGrade(*steelNamed("HRB400")), 25);
    EXPECT_EQ(leastConcreteGrade(*steelNamed("HRB500")), 25);
}

// Distribution bars (GB 50010-2010 9.1.7): 15 % of 25@100 (4908.7 mm²) is 736.3 mm², more
// than 0.1 % of a 350 mm wall: 8@100 (502.7) no longer does, 10@100 (785.4) does.
TEST(CodeLimits, HorizontalBarsFollowTheVerticalOnes) {
    const HorizontalBars h = horizontalBars(350, barArea(25, 100), 100);
    EXPECT_DOUBLE_EQ(h.byRatio, 350);
    EXPECT_NEAR(h.As, 736.311, 5e-4);
    ASSERT_TRUE(h.bars);
    EXPECT_EQ(h.bars->d, 10);
    EXPECT_EQ(horizontalBars(350, 0, 250).spacing, 200) << "at most 200 mm";
}

}  // namespace
