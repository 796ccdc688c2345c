// The good presses every robustness test returns to: the worked examples of the
// default inputs, and the line counts of a normal text in each mode and case.
#include <gtest/gtest.h>

#include "press_fixture.hpp"

namespace wallcalc::robustness {
namespace {

struct ReferencePress {
    const char* name;
    ModeAndCase setup;
    Outputs results;  // the six result boxes; Text12 is checked by its line count
    int lines;
};

const ReferencePress kReferencePresses[] = {
    {"OrdinaryCaseA",
     {Mode::Ordinary, Case::A},
     {"106.067", "2602.286", "20", "3463.606", "0.165", "21"},
     39},
    {"OrdinaryCaseB", {Mode::Ordinary, Case::B}, {"86.621"}, 41},
    {"OrdinaryCaseC", {Mode::Ordinary, Case::C}, {"76.855"}, 31},
    {"CivilDefenceCaseA",
     {Mode::CivilDefence, Case::A},
     {"106.067", "1645.714", "16", " ", " ", " "},
     31},
    {"CivilDefenceCaseB", {Mode::CivilDefence, Case::B}, {"86.621", "", "", " ", " ", " "}, 33},
    {"CivilDefenceCaseC", {Mode::CivilDefence, Case::C}, {"76.855", "", "", " ", " ", " "}, 23},
};

class ReferencePressTest : public testing::TestWithParam<ReferencePress> {};

TEST_P(ReferencePressTest, CompletesWithTheWorkedExampleAndTheNormalLineCount) {
    const ReferencePress& row = GetParam();
    TestWindow window = windowFor(row.setup);
    ASSERT_EQ(checkedPress(window).end, RunEnd::Completed);
    EXPECT_TRUE(window.messages().empty());
    const Outputs outputs = outputsOf(window);
    // An empty expectation leaves the box to the invariants.
    for (std::size_t i = 0; i < 6; ++i) {
        if (!row.results[i].empty()) {
            EXPECT_EQ(outputs[i], row.results[i]) << i;
        }
    }
    EXPECT_EQ(fuzz::lineCountOf(outputs[6]), row.lines);
    const auto section = row.setup.mode == Mode::Ordinary ? report::CrackSection::Checked
                                                          : report::CrackSection::CivilDefence;
    EXPECT_EQ(report::lineCount(row.setup.mode, row.setup.loadCase, section), row.lines);
    EXPECT_EQ(outputs, referenceOutputs(row.setup));
}

INSTANTIATE_TEST_SUITE_P(DefaultInputs, ReferencePressTest, testing::ValuesIn(kReferencePresses),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace wallcalc::robustness
