#include <gtest/gtest.h>

#include "wallcalc/engine/bars.hpp"
#include "wallcalc/report/number_text.hpp"

namespace {

using namespace wallcalc;

struct Row {
    const char* name;
    float needed;
    int diameter;
};

class Ladder : public testing::TestWithParam<Row> {};

TEST_P(Ladder, ChoosesTheSmallestBarThatCovers) {
    EXPECT_EQ(barFor(GetParam().needed), GetParam().diameter);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Ladder,
    testing::Values(Row{"Zero", 0, 12}, Row{"Negative", -5, 12}, Row{"Largest12", 113.1f, 12},
                    Row{"JustAbove12", 113.101f, 14}, Row{"Largest14", 153.9f, 14},
                    Row{"Between14And16", 158.73f, 16}, Row{"Exactly16", 201.1f, 16},
                    Row{"Exactly18", 254.5f, 18}, Row{"Exactly20", 314.0f, 20},
                    Row{"Exactly22", 380.1f, 22}, Row{"Above22", 380.101f, 25},
                    Row{"Exactly25", 490.9f, 25}, Row{"NoneFits", 490.901f, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Bars, NeededAreaIsAreaTimesSpacing) {
    const auto b = chooseBars(1587.3f, 100);
    EXPECT_EQ(report::singleText(b.SAas), "158.73");
    EXPECT_EQ(std::get<int>(b.d), 16);
    EXPECT_EQ(std::get<int>(chooseBars(929.5f, 100).d), 12);
    EXPECT_EQ(std::get<int>(chooseBars(929.5f, 200).d), 16);
}

TEST(Bars, TooLargeIsTheTextInPlaceOfTheDiameter) {
    const auto b = chooseBars(2602.286f, 1000);
    EXPECT_TRUE(b.noneFits);
    EXPECT_EQ(diameterText(b.d), "太大了");
    EXPECT_EQ(barNotation(b.d, "1000"), "太大了@ 1000  (mm)");
}

TEST(Bars, NotationKeepsTheSpacingAsTyped) {
    EXPECT_EQ(barNotation(Diameter{16}, "100"), "16@ 100  (mm)");
    EXPECT_EQ(barNotation(Diameter{19}, "100.0"), "19@ 100.0  (mm)");
}

}  // namespace
