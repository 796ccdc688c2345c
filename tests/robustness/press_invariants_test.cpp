// The fuzzer's checks must fail when a press goes wrong: each row spoils a real press
// the way a fault in the engine would, and expects the check that catches it.
#include <gtest/gtest.h>

#include <functional>

#include "press_fixture.hpp"

namespace wallcalc::robustness {
namespace {

using fuzz::PressRecord;

struct SpoiledPress {
    const char* name;
    std::function<void(HeadlessWindow&)> before;  // sets the press up
    std::function<void(HeadlessWindow&)> spoil;   // what a faulty press would have done
    std::string_view caught;                      // a part of the violation expected
};

// Each press follows a completed ordinary press, so every box holds an earlier result.
void afterAnEarlierPress(HeadlessWindow& w) {
    w.clickOrdinary();
    (void)w.pressCompute();
}
void ordinary(HeadlessWindow& w) {
    afterAnEarlierPress(w);
}
void badSpacing(HeadlessWindow& w) {
    afterAnEarlierPress(w);
    w.type(Box::Text10, "abc");
}
void badThickness(HeadlessWindow& w) {
    afterAnEarlierPress(w);
    w.clickCivilDefence();
    w.type(Box::Text4, "abc");
}
void noOptionClicked(HeadlessWindow&) {}

std::string withoutLastLine(const std::string& text) {
    return text.substr(0, text.rfind("\r\n"));
}

const SpoiledPress kSpoiledPresses[] = {
    {"NanInAResultBox", ordinary, [](HeadlessWindow& w) { w.setText(Box::Text6, "nan"); },
     "Text6 holds nan or inf"},
    {"InfinityInTheCrackWidth", ordinary, [](HeadlessWindow& w) { w.setText(Box::Text11, "-INF"); },
     "Text11 holds nan or inf"},
    {"InfinityInTheText", ordinary,
     [](HeadlessWindow& w) {
         std::string text = w.boxText(Box::Text12);
         text.replace(text.find("=106.067 (kNm)"), 14, "=inf (kNm)");
         w.setText(Box::Text12, text);
     },
     "the calculation text holds nan or inf"},
    {"LineMissingFromTheText", ordinary,
     [](HeadlessWindow& w) { w.setText(Box::Text12, withoutLastLine(w.boxText(Box::Text12))); },
     "the calculation text has 38 lines where 39"},
    {"CrackBarsBelowStrengthBars", ordinary,
     [](HeadlessWindow& w) { w.setText(Box::Text18, "18"); }, "Text18 is not a diameter"},
    {"BarNotInTheTable", ordinary, [](HeadlessWindow& w) { w.setText(Box::Text19, "19"); },
     "Text19 is neither a bar of the table"},
    {"MessageWithAnotherTitle", ordinary,
     [](HeadlessWindow& w) { w.showMessage("提示", "所受弯矩过大"); }, "a message has the title"},
    {"InputBoxWritten", ordinary, [](HeadlessWindow& w) { w.setText(Box::Text4, "351"); },
     "Text4 is an input box but the press wrote it"},
    {"ResultOfAnEarlierPressShown", ordinary,
     [](HeadlessWindow& w) { w.setText(Box::Text7, "2602.287"); },
     "Text7 differs from the same press on a new window"},
    {"StoppedPressWroteText12", badThickness,
     [](HeadlessWindow& w) { w.setText(Box::Text12, "1.荷载计算："); },
     "a press that ended early changed Text12"},
    {"StoppedPressKeptAnOldCrackWidth", badSpacing,
     [](HeadlessWindow& w) { w.setText(Box::Text11, "0.165"); },
     "left results of an earlier press beside new ones"},
    {"ReminderWroteABox", noOptionClicked,
     [](HeadlessWindow& w) { w.setText(Box::Text6, "106.067"); },
     "Text6 changed although the press only reminded"},
};

class SpoiledPressTest : public testing::TestWithParam<SpoiledPress> {};

TEST_P(SpoiledPressTest, IsCaught) {
    const SpoiledPress& row = GetParam();
    HeadlessWindow window;
    row.before(window);
    const PressRecord record = fuzz::press(window);
    ASSERT_TRUE(fuzz::violations(record, window).empty()) << "the press itself was sound";

    row.spoil(window);
    const auto broken = fuzz::violations(record, window);
    std::string all;
    for (const auto& b : broken)
        all += b + "\n";
    EXPECT_NE(all.find(row.caught), std::string::npos) << all;
}

INSTANTIATE_TEST_SUITE_P(FaultsAPressCouldHave, SpoiledPressTest,
                         testing::ValuesIn(kSpoiledPresses),
                         [](const auto& info) { return std::string(info.param.name); });

struct NanOrInf {
    const char* name;
    std::string_view text;
    bool holds;
};

const NanOrInf kNanOrInf[] = {
    {"LowerCaseNan", "0.1+nan", true},
    {"UpperCaseInf", "-INF", true},
    {"MixedCaseInfinity", "Infinity", true},
    {"NegativeNan", "-nan(ind)", true},
    {"ExponentForm", "1.234568E+07", false},
    {"ExponentTypedByHand", "1e5", false},
    {"ChineseTextAndUnits", "满足裂缝控制要求时选用钢筋为：21@ 100  (mm)(kNm)(kN/m)", false},
};

class NanOrInfTest : public testing::TestWithParam<NanOrInf> {};

TEST_P(NanOrInfTest, IsFoundInAnyLetterCase) {
    EXPECT_EQ(fuzz::holdsNanOrInf(GetParam().text), GetParam().holds);
}

INSTANTIATE_TEST_SUITE_P(Texts, NanOrInfTest, testing::ValuesIn(kNanOrInf),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LineCountOf, CountsLinesSeparatedByCarriageReturnLineFeed) {
    EXPECT_EQ(fuzz::lineCountOf(""), 1);
    EXPECT_EQ(fuzz::lineCountOf("1.荷载计算："), 1);
    EXPECT_EQ(fuzz::lineCountOf("a\r\n\r\nb"), 3);
}

}  // namespace
}  // namespace wallcalc::robustness
