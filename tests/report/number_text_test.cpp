#include <gtest/gtest.h>

#include <limits>

#include "wallcalc/report/number_text.hpp"

namespace {

using wallcalc::report::doubleText;
using wallcalc::report::singleText;

struct SingleRow {
    const char* name;
    float value;
    const char* text;
};

class SingleText : public testing::TestWithParam<SingleRow> {};

TEST_P(SingleText, WritesSevenSignificantDigits) {
    EXPECT_EQ(singleText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SingleText,
    testing::Values(SingleRow{"AreaNotItsLongExpansion", 1587.3f, "1587.3"},
                    SingleRow{"LeadingZeroBelowOne", 0.105f, "0.105"},
                    SingleRow{"RoundedMoment", 143.19f, "143.19"},
                    SingleRow{"ThreeDecimals", 1.005f, "1.005"},
                    SingleRow{"WholeValueHasNoPoint", 100.0f, "100"},
                    SingleRow{"Negative", -2.345f, "-2.345"}, SingleRow{"Zero", 0.0f, "0"},
                    SingleRow{"NegativeZero", -0.0f, "0"},
                    SingleRow{"SevenDigitsStayPlain", 9999999.0f, "9999999"},
                    SingleRow{"EightDigitsTakeTheExponent", 12345678.0f, "1.234568E+07"},
                    SingleRow{"TenMillion", 1e7f, "1E+07"},
                    SingleRow{"RoundsUpIntoTheExponent", 9999999.5f, "1E+07"},
                    SingleRow{"SmallestPlain", 0.0001f, "0.0001"},
                    SingleRow{"BelowTenThousandth", 0.00001f, "1E-05"},
                    SingleRow{"NegativeExponentForm", -0.000012345f, "-1.2345E-05"},
                    SingleRow{"LargeExponent", 3.0e38f, "3E+38"}),
    [](const auto& info) { return std::string(info.param.name); });

struct DoubleRow {
    const char* name;
    double value;
    const char* text;
};

class DoubleText : public testing::TestWithParam<DoubleRow> {};

TEST_P(DoubleText, WritesFifteenSignificantDigits) {
    EXPECT_EQ(doubleText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DoubleText,
    testing::Values(DoubleRow{"SpanOfTheDefaults", 3.8499999999999996, "3.85"},
                    DoubleRow{"LoadOfTheDefaults", 8.100000000000001, "8.1"},
                    DoubleRow{"OneThird", 1.0 / 3, "0.333333333333333"},
                    DoubleRow{"CivilDefenceStrength", 14.3 * 1.5, "21.45"},
                    DoubleRow{"HighGradeStrength", 29.7 * 0.97 * 1.4, "40.3326"},
                    DoubleRow{"Whole", 300.0, "300"}, DoubleRow{"NegativeZero", -0.0, "0"},
                    DoubleRow{"FifteenDigitsStayPlain", 123456789012345.0, "123456789012345"},
                    DoubleRow{"SixteenDigitsTakeTheExponent", 1234567890123456.0,
                              "1.23456789012346E+15"},
                    DoubleRow{"TenThousandth", 0.0001, "0.0001"},
                    DoubleRow{"HundredThousandth", 0.00001, "1E-05"},
                    DoubleRow{"ThreeDigitExponent", 1e-300, "1E-300"},
                    DoubleRow{"NegativeLoad", -4.4, "-4.4"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NumberText, NonFiniteValuesStayVisible) {
    // A sound run never writes these; if one slips through, it must not look like a number.
    EXPECT_EQ(doubleText(std::numeric_limits<double>::infinity()), "inf");
    EXPECT_EQ(singleText(std::numeric_limits<float>::quiet_NaN()), "nan");
}

}  // namespace
