// Presses in sequence behave as the window's: messages, what an early end leaves, and
// what one press carries over to the next.
#include "wallcalc/engine/compute.hpp"
#include "wallcalc/report/number_text.hpp"
#include "window_fixture.hpp"

namespace {

using namespace wallcalc;
using testing_support::Window;
using Results = std::vector<std::string>;

class Presses : public Window {};

TEST_F(Presses, BeforeAnyOptionTheReminderAndNothingElse) {
    const auto before = allBoxes();
    EXPECT_EQ(press().end, RunEnd::Reminder);
    EXPECT_EQ(messageTexts(), (Results{"注意人防选择，搞结构的要细心哟！"}));
    EXPECT_EQ(allBoxes(), before);
    EXPECT_EQ(box(Box::Text12), "您可以在此处看到计算的全过程");
    EXPECT_FALSE(w.state().Fc.has_value()) << "nothing is read, not even the materials";
}

TEST_F(Presses, ElevationMessageLeavesEveryBoxAsItWas) {
    pressOrdinary();
    const auto before = allBoxes();
    w.select(List::Combo3, 2);  // case C with the water table above the base
    EXPECT_EQ(press().end, RunEnd::Stopped);
    EXPECT_EQ(messageTexts(), (Results{"输入标高与实际情况不符，请重新输入"}));
    EXPECT_EQ(allBoxes(), before);
}

TEST_F(Presses, ElevationMessageBeforeTheFirstRunKeepsTheHint) {
    w.clickOrdinary();
    w.select(List::Combo3, 1);
    EXPECT_EQ(press().end, RunEnd::Stopped);
    EXPECT_EQ(box(Box::Text12), "您可以在此处看到计算的全过程");
    EXPECT_EQ(box(Box::Text6), "");
}

struct ElevationRow {
    const char* name;
    int loadCase;
    const char *h1, *h2, *h3, *h4;
    bool accepted;
};

class Elevations : public Window, public ::testing::WithParamInterface<ElevationRow> {};

TEST_P(Elevations, FitTheCase) {
    const auto& r = GetParam();
    w.type(Box::Text1, r.h1);
    w.type(Box::Text2, r.h2);
    w.type(Box::Text3, r.h3);
    w.type(Box::Text16, r.h4);
    EXPECT_EQ(pressOrdinary(List::Combo3, r.loadCase).completed(), r.accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Elevations,
    testing::Values(ElevationRow{"A_Defaults", 0, "-0.45", "-1.35", "-2.45", "-6.3", true},
                    ElevationRow{"B_Defaults", 1, "-0.45", "-1.35", "-2.45", "-6.3", false},
                    ElevationRow{"C_Defaults", 2, "-0.45", "-1.35", "-2.45", "-6.3", false},
                    ElevationRow{"A_WaterAtTopOfWall", 0, "-0.45", "-2.45", "-2.45", "-6.3", true},
                    ElevationRow{"B_WaterAtTopOfWall", 1, "-0.45", "-2.45", "-2.45", "-6.3", true},
                    ElevationRow{"B_WaterAtBase", 1, "-0.45", "-6.3", "-2.45", "-6.3", true},
                    ElevationRow{"C_WaterAtBase", 2, "-0.45", "-6.3", "-2.45", "-6.3", true},
                    ElevationRow{"A_WaterAboveGround", 0, "-0.45", "0", "-2.45", "-6.3", false},
                    ElevationRow{"A_NoSpan", 0, "-0.45", "-1.35", "-6.3", "-6.3", false},
                    ElevationRow{"B_NoSpan", 1, "-0.45", "-6.3", "-6.3", "-6.3", false},
                    ElevationRow{"C_NoSpan", 2, "-0.45", "-7", "-6.3", "-6.3", false},
                    ElevationRow{"C_TopAboveGround", 2, "-3", "-7", "-2.45", "-6.3", false},
                    ElevationRow{"C_TopAtGround", 2, "-2.45", "-7", "-2.45", "-6.3", true},
                    ElevationRow{"B_TopAtGround", 1, "-2.45", "-3", "-2.45", "-6.3", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Presses, WaterAtTheTopOfTheWallWritesZeroTerms) {
    w.type(Box::Text2, "-2.45");
    ASSERT_TRUE(pressOrdinary().completed());
    EXPECT_EQ(line(6), "q22 =0.5*(γ-10)*(h2- h3)=0.5*(18-10)*(-2.45- -2.45)=0 (kN/m)");
    EXPECT_EQ(line(12), "MB32 =1/8*q32*L^2=1/8*0*3.85^2=0 (kNm)");
}

TEST_F(Presses, CivilDefencePressBlanksTheCrackBoxesAndOrdinaryFillsThemAgain) {
    pressOrdinary();
    w.clickCivilDefence();
    ASSERT_TRUE(press().completed());
    EXPECT_EQ(results(), (Results{"106.067", "1645.714", "16", " ", " ", " "}));
    ASSERT_TRUE(pressOrdinary().completed());
    EXPECT_EQ(results(), (Results{"106.067", "2602.286", "20", "3463.606", "0.165", "21"}));
}

TEST_F(Presses, SwitchingTheModeChangesTheStrengths) {
    w.select(List::Combo1, 3);  // C30
    w.select(List::Combo2, 1);  // HRB335
    pressOrdinary(List::Combo2, 1);
    EXPECT_EQ(report::doubleText(*w.state().Fc), "14.3");
    EXPECT_EQ(std::get<int>(*w.state().Fy), 300);
    w.clickCivilDefence();
    press();
    EXPECT_EQ(report::doubleText(*w.state().Fc), "21.45");
    EXPECT_EQ(report::doubleText(std::get<double>(*w.state().Fy)), "405");
    EXPECT_EQ(report::doubleText(*w.state().Ftk), "2.01");
}

TEST_F(Presses, NoBarFitsAfterAGoodRunShowsTooLarge) {
    pressOrdinary();
    w.type(Box::Text10, "1000");
    ASSERT_TRUE(press().completed());
    EXPECT_EQ(messageTexts(), (Results{"算不出来，请增加外墙厚度，或采取其他措施"}));
    EXPECT_EQ(results(), (Results{"106.067", "2602.286", "太大了", " ", " ", " "}));
    EXPECT_EQ(lines().size(), 28u);
    EXPECT_EQ(line(26), "满足强度控制要求时选用钢筋为：太大了@ 1000  (mm)");
    EXPECT_EQ(lines().back(), "3.所需钢筋超出可选钢筋（最大25mm），未计算裂缝。");
}

TEST_F(Presses, NoBarFitsInCivilDefenceCompletesNormally) {
    w.clickCivilDefence();
    w.type(Box::Text10, "1000");
    ASSERT_TRUE(press().completed());
    EXPECT_EQ(box(Box::Text19), "太大了");
    EXPECT_EQ(lines().size(), 31u);
}

TEST_F(Presses, MomentTooLargeShowsItsMessageAndGoesOn) {
    w.type(Box::Text4, "100");  // h0 = 50
    ASSERT_TRUE(pressOrdinary().completed());
    EXPECT_EQ(messageTexts().at(0), "所受弯矩过大，请增加外墙厚度");
    EXPECT_EQ(line(23), "ζ=1-(1-2*αs)^0.5=1-(1-2*7.955)^0.5=1");
    EXPECT_EQ(box(Box::Text7), "1714.286");
}

TEST_F(Presses, CrackLimitOutOfReachStopsAtFiftyMillimetres) {
    w.type(Box::Text8, "0.0001");
    ASSERT_TRUE(pressOrdinary().completed());
    ASSERT_EQ(messageTexts().size(), 1u);
    EXPECT_NE(messageTexts()[0].find("50mm"), std::string::npos);
    EXPECT_EQ(results(), (Results{"106.067", "2602.286", "20", " ", " ", " "}));
    EXPECT_EQ(lines().size(), 39u);
    EXPECT_EQ(w.state().deq, Diameter{50});
    EXPECT_EQ(line(33),
              "选用50@ 100  (mm)时裂缝宽度仍大于裂缝限值0.0001(mm)的1.05倍，不满足裂缝控制要求");
    EXPECT_EQ(box(Box::Text12).find("满足裂缝控制要求时"), std::string::npos);
}

TEST_F(Presses, NonPositiveMomentHasNoCrackWidth) {
    w.type(Box::Text15, "-1000");  // a suction surcharge outweighs the earth and water
    ASSERT_TRUE(pressOrdinary().completed());
    EXPECT_LT(w.state().MBk, 0);
    EXPECT_EQ(box(Box::Text9), box(Box::Text7));
    EXPECT_EQ(box(Box::Text11), "0");
    EXPECT_EQ(box(Box::Text18), box(Box::Text19));
    EXPECT_EQ(lines().size(), 36u);
}

TEST_F(Presses, ZeroLoadFactorChecksTheChosenBars) {
    w.type(Box::Text5, "0");
    ASSERT_TRUE(pressOrdinary().completed());
    EXPECT_EQ(box(Box::Text7), "0");
    EXPECT_EQ(box(Box::Text19), "12");
    // The crack check starts from 12 mm bars at 100 and raises them to 20 mm.
    EXPECT_EQ(box(Box::Text9), "3141.592");
    EXPECT_EQ(box(Box::Text18), "20");
}

TEST_F(Presses, NoCaseSelectedEndsSilentlyButReadsTheInputs) {
    w.type(Box::Text4, "400");
    EXPECT_EQ(pressOrdinary(List::Combo3, -1).end, RunEnd::NoCase);
    EXPECT_TRUE(last.messages.empty());
    EXPECT_EQ(box(Box::Text12), "您可以在此处看到计算的全过程");
    EXPECT_EQ(w.state().h0, 350);
    EXPECT_TRUE(w.state().Fc.has_value());
}

TEST_F(Presses, ListWithoutSelectionKeepsThePreviousStrength) {
    w.select(List::Combo1, -1);
    EXPECT_EQ(pressOrdinary(List::Combo1, -1).end, RunEnd::Stopped) << "no strength is known yet";
    EXPECT_EQ(messageTexts().size(), 1u);
    EXPECT_EQ(box(Box::Text12), "您可以在此处看到计算的全过程");

    w.select(List::Combo1, 3);
    pressOrdinary(List::Combo1, 3);
    w.select(List::Combo1, -1);
    ASSERT_TRUE(press().completed());
    EXPECT_EQ(report::doubleText(*w.state().Fc), "14.3");
}

TEST_F(Presses, SteelListWithoutSelectionOnTheFirstRun) {
    EXPECT_EQ(pressOrdinary(List::Combo2, -1).end, RunEnd::Stopped);
    ASSERT_EQ(messageTexts().size(), 1u);
    EXPECT_NE(messageTexts()[0].find("钢筋种类"), std::string::npos);
}

// A host that only counts what the run does to it.
struct CountingHost : Host {
    std::string_view text(Box box) const override { return boxDefault(box); }
    int selected(List) const override { return 0; }
    void setText(Box, std::string_view) override { ++written; }
    void showMessage(std::string_view, std::string_view) override { ++shown; }
    int written = 0;
    int shown = 0;
};

TEST_F(Presses, OtherValuesOfTheChoiceDoNothing) {
    CountingHost plain;
    CalcState state;
    EXPECT_EQ(COMPUTE(plain, 7, state), RunEnd::NoRun);
    EXPECT_EQ(plain.shown, 0);
    EXPECT_EQ(plain.written, 0);
}

}  // namespace
