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
    std::function<void(WindowModel&)> before;  // sets the press up
    std::function<void(PressResult&)> spoil;   // what a faulty press would have done
    std::string_view caught;                   // a part of the violation expected
};

// Each press follows a completed ordinary press, so every box holds an earlier result.
void afterAnEarlierPress(WindowModel& w) {
    w.clickOrdinary();
    (void)w.pressCompute();
}
void ordinary(WindowModel& w) {
    afterAnEarlierPress(w);
}
void badSpacing(WindowModel& w) {
    afterAnEarlierPress(w);
    w.type(Box::Text10, "abc");
}
void badThickness(WindowModel& w) {
    afterAnEarlierPress(w);
    w.clickCivilDefence();
    w.type(Box::Text4, "abc");
}
void noOptionClicked(WindowModel&) {}

std::string withoutLastLine(const std::string& text) {
    return text.substr(0, text.rfind("\r\n"));
}

// A press that wrote `text` into `box`.
std::function<void(PressResult&)> writes(Box box, std::string text) {
    return [box, text](PressResult& p) { p.boxes[index(box)] = text; };
}

const SpoiledPress kSpoiledPresses[] = {
    {"NanInAResultBox", ordinary, writes(Box::Text6, "nan"), "Text6 holds nan or inf"},
    {"InfinityInTheCrackWidth", ordinary, writes(Box::Text11, "-INF"), "Text11 holds nan or inf"},
    {"InfinityInTheText", ordinary,
     [](PressResult& p) {
         std::string& text = p.boxes[index(Box::Text12)];
         text.replace(text.find("=106.067 (kNm)"), 14, "=inf (kNm)");
     },
     "the calculation text holds nan or inf"},
    {"LineMissingFromTheText", ordinary,
     [](PressResult& p) { p.boxes[index(Box::Text12)] = withoutLastLine(p.report()); },
     "the calculation text has 38 lines where 39"},
    {"CrackBarsBelowStrengthBars", ordinary, writes(Box::Text18, "18"), "Text18 is not a diameter"},
    {"BarNotInTheTable", ordinary, writes(Box::Text19, "19"),
     "Text19 is neither a bar of the table"},
    {"MessageWithAnotherTitle", ordinary,
     [](PressResult& p) {
         p.messages.push_back({"提示", "所受弯矩过大"});
     },
     "a message has the title"},
    {"InputBoxWritten", ordinary, writes(Box::Text4, "351"),
     "Text4 is an input box but the press wrote it"},
    {"ResultOfAnEarlierPressShown", ordinary, writes(Box::Text7, "2602.287"),
     "Text7 differs from the same press on a new window"},
    {"StoppedPressWroteText12", badThickness, writes(Box::Text12, "1.荷载计算："),
     "a press that ended early changed Text12"},
    {"StoppedPressKeptAnOldCrackWidth", badSpacing, writes(Box::Text11, "0.165"),
     "left results of an earlier press beside new ones"},
    {"ReminderWroteABox", noOptionClicked, writes(Box::Text6, "106.067"),
     "Text6 changed although the press only reminded"},
};

class SpoiledPressTest : public testing::TestWithParam<SpoiledPress> {};

TEST_P(SpoiledPressTest, IsCaught) {
    const SpoiledPress& row = GetParam();
    WindowModel window;
    row.before(window);
    PressRecord record = fuzz::press(window);
    ASSERT_TRUE(fuzz::violations(record).empty()) << "the press itself was sound";

    row.spoil(record.result);
    const auto broken = fuzz::violations(record);
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
