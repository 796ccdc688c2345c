#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include <vector>

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

// The rule written the plain way, from printf's exactly rounded "%.*e": digits without
// trailing zeros, plain form for exponents from -4 below the digit count, else "E±dd".
std::string byPrintf(double value, int digits) {
    if (value == 0) return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", digits - 1, std::fabs(value));
    std::string mantissa;
    const char* e = std::strchr(buf, 'e');
    for (const char* p = buf; p < e; ++p) {
        if (*p != '.') mantissa += *p;
    }
    while (mantissa.size() > 1 && mantissa.back() == '0')
        mantissa.pop_back();
    const int exponent = std::atoi(e + 1);
    std::string out = value < 0 ? "-" : "";
    if (exponent < -4 || exponent >= digits) {
        out += mantissa.substr(0, 1);
        if (mantissa.size() > 1) out += "." + mantissa.substr(1);
        char ex[16];
        std::snprintf(ex, sizeof ex, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        return out + ex;
    }
    if (exponent < 0) return out + "0." + std::string(-exponent - 1, '0') + mantissa;
    const auto whole = static_cast<std::size_t>(exponent + 1);
    if (mantissa.size() <= whole) return out + mantissa + std::string(whole - mantissa.size(), '0');
    return out + mantissa.substr(0, whole) + "." + mantissa.substr(whole);
}

// Values of the kinds a press writes, and the hard ones: thousandths and other short
// decimals, whole values, powers of ten, halves at the last digit, bit patterns at random.
std::vector<double> valuesToCompare() {
    std::mt19937_64 random(20261209);
    std::vector<double> values;
    for (int i = 0; i < 200000; ++i) {
        const auto whole = static_cast<double>(random() % 100000000);
        const int places = static_cast<int>(random() % 8);
        values.push_back(whole / std::pow(10.0, places));
        values.push_back(-whole * std::pow(10.0, places));
        values.push_back((2 * whole + 1) / 2 / std::pow(10.0, 7 + places));  // a half
        std::uint64_t bits = random();
        double any = 0;
        std::memcpy(&any, &bits, sizeof any);
        if (std::isfinite(any)) values.push_back(any);
    }
    for (int e = -320; e <= 308; ++e) {
        const double power = std::pow(10.0, e);
        for (const double near : {power, std::nextafter(power, 0.0),
                                  std::nextafter(power, std::numeric_limits<double>::infinity())})
            values.push_back(near);
    }
    return values;
}

TEST(NumberText, EveryValueReadsAsPrintfRoundsIt) {
    int failures = 0;
    for (const double v : valuesToCompare()) {
        const auto single = static_cast<float>(v);
        if (std::isfinite(single) && singleText(single) != byPrintf(single, 7) && failures++ < 10) {
            ADD_FAILURE() << "single " << byPrintf(single, 17) << ": " << singleText(single)
                          << " instead of " << byPrintf(single, 7);
        }
        if (doubleText(v) != byPrintf(v, 15) && failures++ < 10) {
            ADD_FAILURE() << "double " << byPrintf(v, 17) << ": " << doubleText(v) << " instead of "
                          << byPrintf(v, 15);
        }
    }
    EXPECT_EQ(failures, 0);
}

}  // namespace
