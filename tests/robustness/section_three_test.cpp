// What section 3 and the crack boxes show when an ordinary press cannot check the crack
// width as usual: no bar of the table fits, even 50 mm bars exceed the limit, or the
// base moment does not put the water face in tension.
#include <gtest/gtest.h>

#include "press_fixture.hpp"

namespace wallcalc::robustness {
namespace {

using report::CrackSection;

struct SectionLines {
    const char* name;
    CrackSection section;
    int caseAOrB;
    int caseC;
};

// Normal texts have 39 lines (case A), 41 (case B) and 31 (case C); the choices below
// change section 3 only.
const SectionLines kSectionLines[] = {
    {"CrackWidthChecked", CrackSection::Checked, 39, 31},
    {"FiftyMillimetreBarsStillTooWide", CrackSection::LimitNotReached, 39, 31},
    {"NoBarOfTheTableFits", CrackSection::NoBarFits, 28, 20},
    {"NoTensionAtTheBase", CrackSection::NoTension, 36, 28},
};
constexpr int kCaseBExtraLines = 2;  // q13 and MB13

class SectionLinesTest : public testing::TestWithParam<SectionLines> {};

TEST_P(SectionLinesTest, OrdinaryTextHasTheDocumentedLineCount) {
    const SectionLines& row = GetParam();
    EXPECT_EQ(report::lineCount(Mode::Ordinary, Case::A, row.section), row.caseAOrB);
    EXPECT_EQ(report::lineCount(Mode::Ordinary, Case::B, row.section),
              row.caseAOrB + kCaseBExtraLines);
    EXPECT_EQ(report::lineCount(Mode::Ordinary, Case::C, row.section), row.caseC);
}

INSTANTIATE_TEST_SUITE_P(OrdinarySectionThree, SectionLinesTest, testing::ValuesIn(kSectionLines),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CivilDefenceText, HasThirtyOneLinesForCaseAThirtyThreeForBAndTwentyThreeForC) {
    EXPECT_EQ(report::lineCount(Mode::CivilDefence, Case::A, CrackSection::CivilDefence), 31);
    EXPECT_EQ(report::lineCount(Mode::CivilDefence, Case::B, CrackSection::CivilDefence), 33);
    EXPECT_EQ(report::lineCount(Mode::CivilDefence, Case::C, CrackSection::CivilDefence), 23);
}

TestWindow pressedWith(ModeAndCase setup, Box box, std::string text) {
    TestWindow window = windowFor(setup);
    window.type(box, std::move(text));
    EXPECT_EQ(checkedPress(window).end, RunEnd::Completed);
    return window;
}

TEST(LimitNeverReached, BlanksTheCrackBoxesAndSaysTheLimitIsNotMet) {
    const TestWindow w = pressedWith({Mode::Ordinary, Case::A}, Box::Text8, "1e-9");
    EXPECT_EQ(w.boxText(Box::Text9), " ");
    EXPECT_EQ(w.boxText(Box::Text11), " ");
    EXPECT_EQ(w.boxText(Box::Text18), " ");
    const std::string& text = w.boxText(Box::Text12);
    EXPECT_NE(text.find("选用50@ 100  (mm)时裂缝宽度仍大于裂缝限值1e-9(mm)的1.05倍"),
              std::string::npos);
    EXPECT_EQ(text.find("满足裂缝控制要求时选用钢筋为"), std::string::npos);
    EXPECT_EQ(text.find("满足裂缝控制要求时每延米所需钢筋面积为"), std::string::npos);
}

TEST(GenerousLimit, KeepsTheStrengthBarsForCrackControl) {
    const TestWindow w = pressedWith({Mode::Ordinary, Case::B}, Box::Text8, "1e9");
    EXPECT_EQ(w.boxText(Box::Text9), w.boxText(Box::Text7));
    EXPECT_EQ(w.boxText(Box::Text18), w.boxText(Box::Text19));
}

TEST(NoBarFits, KeepsTheStrengthResultsAndBlanksTheCrackBoxes) {
    const TestWindow w = pressedWith({Mode::Ordinary, Case::C}, Box::Text10, "1e6");
    EXPECT_EQ(w.boxText(Box::Text6), "76.855");
    EXPECT_EQ(w.boxText(Box::Text19), kTooLarge);
    EXPECT_EQ(w.boxText(Box::Text9), " ");
    EXPECT_EQ(w.boxText(Box::Text11), " ");
    EXPECT_EQ(w.boxText(Box::Text18), " ");
    EXPECT_EQ(w.messages().size(), 1u);
}

TEST(NoTension, ShowsTheStrengthBarsAndNoCrackWidth) {
    const TestWindow w = pressedWith({Mode::Ordinary, Case::A}, Box::Text14, "-100");
    EXPECT_EQ(w.boxText(Box::Text6).front(), '-');
    EXPECT_EQ(w.boxText(Box::Text9), w.boxText(Box::Text7));
    EXPECT_EQ(w.boxText(Box::Text11), "0");
    EXPECT_EQ(w.boxText(Box::Text18), w.boxText(Box::Text19));
    EXPECT_NE(w.boxText(Box::Text12).find("不计算裂缝宽度"), std::string::npos);
}

TEST(LongNumber, IsQuotedAsTypedAndComputedAsItsValue) {
    const std::string h5 = std::string(9997, '0') + "350";
    const TestWindow w = pressedWith({Mode::Ordinary, Case::A}, Box::Text4, h5);
    EXPECT_EQ(w.boxText(Box::Text7), "2602.286");
    EXPECT_NE(w.boxText(Box::Text12).find(" /(0.5*1000* " + h5 + " )= "), std::string::npos);
}

}  // namespace
}  // namespace wallcalc::robustness
