// How the code-in-force calculation shows a value it carries unrounded.
#include <gtest/gtest.h>

#include "wallcalc/report/shown_value.hpp"

namespace {

struct ShownRow {
    const char* name;
    double value;
    const char* shown;
};

class Shown : public testing::TestWithParam<ShownRow> {};

TEST_P(Shown, ReadsAsACheckerRoundsIt) {
    EXPECT_EQ(wallcalc::report::shownText(GetParam().value), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Values, Shown,
    testing::Values(ShownRow{"ThreeDecimalsHalfUp", 2049.0844999, "2049.084"},
                    ShownRow{"AHalfInDecimalsRoundsUpThoughItsBinaryIsBelow", 0.0205, "0.021"},
                    ShownRow{"AQuotientJustAboveAHalf", 4105.014 / 200000, "0.021"},
                    ShownRow{"NegativeHalfRoundsAwayFromZero", -1.0005, "-1.001"},
                    ShownRow{"SmallRatioKeepsTwoSignificantDigits", 1130.973 / 175000, "0.0065"},
                    ShownRow{"SmallerStill", 0.000333333, "0.00033"},
                    ShownRow{"JustBelowTheHundredthRoundsToIt", 0.00999, "0.01"},
                    ShownRow{"WholeStaysWhole", 350, "350"}, ShownRow{"Zero", 0, "0"},
                    ShownRow{"LargeValue", 123456.78951, "123456.79"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
