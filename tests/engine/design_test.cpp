#include <gtest/gtest.h>

#include "wallcalc/engine/design.hpp"
#include "wallcalc/report/number_text.hpp"

namespace {

using wallcalc::strengthDesign;
using wallcalc::report::singleText;

struct Row {
    const char* name;
    float MB;
    double Fc, h0, Fy;
    const char *alfas, *kese, *As;
    bool tooLarge;
};

class StrengthDesign : public testing::TestWithParam<Row> {};

TEST_P(StrengthDesign, GivesTheRoundedCoefficientsAndArea) {
    const auto& r = GetParam();
    const auto d = strengthDesign(r.MB, r.Fc, r.h0, r.Fy);
    ASSERT_TRUE(d.outOfRange.empty());
    EXPECT_EQ(singleText(d.alfas), r.alfas);
    EXPECT_EQ(singleText(d.kese), r.kese);
    EXPECT_EQ(singleText(d.Aas), r.As);
    EXPECT_EQ(d.momentTooLarge, r.tooLarge);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StrengthDesign,
    testing::Values(
        Row{"C30WithHRB335", 135, 14.3, 300, 300, "0.105", "0.111", "1587.3", false},
        Row{"SmallerMoment", 81, 14.3, 300, 300, "0.063", "0.065", "929.5", false},
        Row{"DefaultsOrdinary", 143.19f, 7.2, 300, 210, "0.221", "0.253", "2602.286", false},
        Row{"DefaultsCivilDefence", 143.19f, 10.8, 300, 315, "0.147", "0.16", "1645.714", false},
        Row{"ZeroMoment", 0, 14.3, 300, 300, "0", "0", "0", false},
        Row{"JustBelowTheLimit", 49.9f, 10, 100, 300, "0.499", "0.955", "3183.333", false},
        // αs 0.5: the message, and ζ the whole number 1; the run goes on.
        Row{"AtTheLimit", 50, 10, 100, 300, "0.5", "1", "3333.333", true},
        Row{"FarPastTheLimit", 143.19f, 7.2, 50, 210, "7.955", "1", "1714.286", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StrengthDesignRange, AreaBeyondSinglePrecisionIsNamed) {
    const auto d = strengthDesign(1e30f, 14.3, 1e10, 1e-30);
    EXPECT_TRUE(d.momentTooLarge);
    EXPECT_EQ(d.outOfRange, "As");
}

}  // namespace
