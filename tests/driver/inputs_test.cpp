// What the boxes hold: texts quoted as typed, boxes a mode never reads, and inputs the
// calculation cannot go on with.
#include "window_fixture.hpp"

namespace {

using namespace wallcalc;
using testing_support::Window;
using Results = std::vector<std::string>;

const Results kDefaultResults = {"106.067", "2602.286", "20", "3463.606", "0.165", "21"};

class Inputs : public Window {};

TEST_F(Inputs, AreQuotedExactlyAsTyped) {
    w.type(Box::Text14, "18.0");
    w.type(Box::Text4, "350.00");
    w.type(Box::Text10, " 100");
    ASSERT_TRUE(pressOrdinary().completed());
    EXPECT_EQ(line(3), "q12=0.5*γ*(h1- h2)=0.5*18.0*(-0.45- -1.35)=8.1 (kN/m)");
    EXPECT_EQ(line(22), "αs=MB*10^6/(Fc*1000*h0^2)=143.19*10^6/(7.2*1000*300^2)=0.221")
        << "h0 derived from 350.00 is written 300";
    EXPECT_EQ(line(29), "ρte = As/(0.5*1000*h5)=3463.606 /(0.5*1000* 350.00 )= 0.02");
    EXPECT_EQ(line(26), "满足强度控制要求时选用钢筋为：20@  100  (mm)");
    EXPECT_EQ(results(), kDefaultResults);
}

struct UnreadRow {
    const char* name;
    int mode;
    Box box;
};

class UnreadBox : public Window, public ::testing::WithParamInterface<UnreadRow> {};

TEST_P(UnreadBox, MayHoldAnyText) {
    const auto& r = GetParam();
    auto run = [&] {
        if (r.mode == kOrdinary)
            w.clickOrdinary();
        else
            w.clickCivilDefence();
        press();
        return allBoxes();
    };
    const auto clean = run();
    w.type(r.box, "not a number");
    auto dirty = run();
    dirty[index(r.box)] = clean[index(r.box)];
    EXPECT_EQ(dirty, clean);
    EXPECT_TRUE(last.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, UnreadBox,
    testing::Values(UnreadRow{"DryFaceCoverOrdinary", kOrdinary, Box::Text17},
                    UnreadRow{"DryFaceCoverCivil", kCivilDefence, Box::Text17},
                    UnreadRow{"CivilDefenceLoadInOrdinaryWorks", kOrdinary, Box::Text20},
                    UnreadRow{"CrackLimitInCivilDefenceWorks", kCivilDefence, Box::Text8}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Inputs, OptionClickResetsTheCivilDefenceLoad) {
    w.clickCivilDefence();
    w.type(Box::Text20, "50");
    w.clickOrdinary();
    EXPECT_EQ(box(Box::Text20), "50");
    EXPECT_FALSE(w.enabled(Box::Text20));
    w.clickCivilDefence();
    EXPECT_EQ(box(Box::Text20), "0");
}

struct BadRow {
    const char* name;
    Box box;
    const char* text;
    const char* message;
};

class BadInput : public Window, public ::testing::WithParamInterface<BadRow> {};

TEST_P(BadInput, EndsThePressWithAMessageAndTheNextPressIsRight) {
    const auto& r = GetParam();
    pressOrdinary();
    const std::string text12 = box(Box::Text12);
    const std::string good = box(r.box);
    w.type(r.box, r.text);
    EXPECT_EQ(press().end, RunEnd::Stopped);
    EXPECT_EQ(messageTexts(), (Results{r.message}));
    EXPECT_EQ(box(Box::Text12), text12);
    w.type(r.box, good);
    ASSERT_TRUE(press().completed());
    EXPECT_EQ(results(), kDefaultResults);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BadInput,
    testing::Values(
        BadRow{"WallThicknessLetters", Box::Text4, "abc",
               "墙厚度h5（mm）：“abc” 不是有效的数字，请重新输入"},
        BadRow{"GroundEmpty", Box::Text1, "", "h1(m)：没有输入数值，请输入"},
        BadRow{"SoilWeightUnit", Box::Text14, "18kN",
               "土容重(kN/m3)：“18kN” 不是有效的数字，请重新输入"},
        BadRow{"SpacingZero", Box::Text10, "0", "钢筋间距（mm）：“0” 应大于0，请重新输入"},
        BadRow{"LimitNegative", Box::Text8, "-0.2", "裂缝限值（mm）：“-0.2” 应大于0，请重新输入"},
        BadRow{"ControlCharactersAreNotShown", Box::Text5, "1\x01",
               "荷载分项系数：“1\xEF\xBF\xBD” 不是有效的数字，请重新输入"},
        BadRow{"LongPasteIsCut", Box::Text15, "1234567890123456789012345678901234567890x",
               "附加荷载(kN/m2)：“123456789012345678901234…” 不是有效的数字，请重新输入"},
        BadRow{"MomentBeyondSinglePrecision", Box::Text1, "1e34",
               "计算结果超出数值范围（MB12），请检查输入数据"},
        BadRow{"WallNoThickerThanCover", Box::Text4, "50",
               "墙厚度h5（mm）减去迎水面保护层厚度c1(mm)得到的有效高度h0=0，不大于0，"
               "请检查墙厚度和保护层厚度"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Inputs, EarlyEndAfterTheFirstResultsEmptiesTheBoxesItDidNotReach) {
    pressOrdinary();
    w.type(Box::Text10, "abc");
    w.type(Box::Text14, "20");  // a new moment, so the first two boxes change
    EXPECT_EQ(press().end, RunEnd::Stopped);
    EXPECT_EQ(results(), (Results{"113.576", "2828.572", "", "", "", ""}));
}

TEST_F(Inputs, CivilDefenceLoadBeyondSinglePrecision) {
    w.clickCivilDefence();
    w.type(Box::Text20, "1e39");
    EXPECT_EQ(press().end, RunEnd::Stopped);
    EXPECT_EQ(messageTexts(),
              (Results{"计算结果超出数值范围（人防荷载(kN/m2)：），请检查输入数据"}));
}

TEST_F(Inputs, AnElevationTestThatRejectsComesBeforeABadTextItNeverReaches) {
    w.type(Box::Text1, "abc");  // case B's first test rejects before h1 is needed
    EXPECT_EQ(pressOrdinary(List::Combo3, 1).end, RunEnd::Stopped);
    EXPECT_EQ(messageTexts(), (Results{"输入标高与实际情况不符，请重新输入"}));
}

}  // namespace
