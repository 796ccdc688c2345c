#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "wallcalc/engine/rounding.hpp"
#include "wallcalc/report/number_text.hpp"

namespace {

using wallcalc::SSWR;

struct Row {
    const char* name;
    float x;
    const char* rounded;  // as the result is written
};

class ThreeDecimals : public testing::TestWithParam<Row> {};

TEST_P(ThreeDecimals, RoundsHalfUpOnTheFourthDecimal) {
    const auto r = SSWR(GetParam().x);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(wallcalc::report::singleText(*r), GetParam().rounded);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ThreeDecimals,
    testing::Values(
        Row{"Zero", 0.0f, "0"}, Row{"One", 1.0f, "1"}, Row{"HalfUpFromZero", 0.0005f, "0.001"},
        Row{"BelowHalf", 0.00049f, "0"}, Row{"HalfUp", 0.0015f, "0.002"},
        Row{"HalfUpAboveFour", 4.0005f, "4.001"}, Row{"FourthDigitSix", 12.3456f, "12.346"},
        Row{"FourthDigitFour", 12.3454f, "12.345"}, Row{"Pi", 3.14159f, "3.142"},
        Row{"HeldBelowItsHalf", 43.7445f, "43.744"}, Row{"FifthDigitIgnored", 2.34549f, "2.345"},
        Row{"HeldJustBelowHalf", 2.3455f, "2.345"}, Row{"HeldBelow", 0.1255f, "0.125"},
        Row{"HeldAbove", 0.3f, "0.3"}, Row{"TenThousandsDigitNine", 1.005f, "1.005"},
        Row{"NegativeDown", -2.3454f, "-2.345"}, Row{"NegativeUp", -2.3456f, "-2.346"},
        Row{"SmallNegativeToZero", -0.0004f, "0"}, Row{"LargeButInRange", 3.0e33f, "3E+33"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ThreeDecimals, FailsOutsideTheSinglePrecisionRange) {
    EXPECT_FALSE(SSWR(1e35f).has_value()) << "x·10000 overflows single precision";
    EXPECT_FALSE(SSWR(-1e35f).has_value());
    EXPECT_FALSE(SSWR(std::numeric_limits<float>::infinity()).has_value());
    EXPECT_FALSE(SSWR(std::numeric_limits<float>::quiet_NaN()).has_value());
    EXPECT_FALSE(SSWR(1e39).has_value()) << "a double beyond single precision";
    EXPECT_FALSE(wallcalc::toSingle(-1e300).has_value());
    EXPECT_TRUE(SSWR(1e30).has_value());
}

TEST(ThreeDecimals, DoubleArgumentIsRoundedToSingleFirst) {
    // 15.0077812… (the case-A earth moment) becomes the single 15.00778 first.
    const auto r = SSWR(0.125 * 8.100000000000001 * 3.8499999999999996 * 3.8499999999999996);
    ASSERT_TRUE(r);
    EXPECT_EQ(wallcalc::report::singleText(*r), "15.008");
}

// The rounding as first written, with the library's floor: the fast whole part must give
// the same single, bit for bit (the sign of a zero included), or the same refusal.
std::optional<float> withLibraryFloor(float x) {
    if (!std::isfinite(x)) return std::nullopt;
    const double thousand = std::floor(static_cast<double>(x) * 1000.0);
    const double tenThousand = std::floor(static_cast<double>(x) * 10000.0);
    if (std::fabs(tenThousand) > FLT_MAX) return std::nullopt;
    const float A = static_cast<float>(thousand);
    const float B = static_cast<float>(tenThousand);
    if (!std::isfinite(A) || !std::isfinite(B)) return std::nullopt;
    const float d = B - 10.0f * A;
    return static_cast<float>(d - 5.0f >= 0.0f ? static_cast<double>(A) / 1000.0 + 0.001
                                               : static_cast<double>(A) / 1000.0);
}

struct Family {
    const char* name;
    std::vector<float> values;
};

std::vector<float> randomBitPatterns() {
    std::mt19937 bits(20261209);
    std::vector<float> out;
    for (int i = 0; i < 200000; ++i)
        out.push_back(std::bit_cast<float>(static_cast<std::uint32_t>(bits())));
    return out;
}

std::vector<float> aroundWholeThousandths() {
    std::vector<float> out;
    for (int k = -30000; k <= 30000; ++k) {
        const float x = static_cast<float>(k) / 10000.0f;
        out.insert(out.end(), {x, std::nextafter(x, -1.0f), std::nextafter(x, 1.0f)});
    }
    return out;
}

std::vector<float> aroundTheExactLimit() {
    // x·10000 near 2^52, where the whole part leaves the 64-bit truncation for the library.
    std::vector<float> out;
    for (float x = 4.0e11f; x < 5.0e11f; x *= 1.0001f)
        out.insert(out.end(), {x, -x});
    return out;
}

class SameAsLibraryFloor : public testing::TestWithParam<Family> {};

TEST_P(SameAsLibraryFloor, EveryValue) {
    for (const float x : GetParam().values) {
        const auto fast = SSWR(x);
        const auto reference = withLibraryFloor(x);
        ASSERT_EQ(fast.has_value(), reference.has_value()) << x;
        if (fast) {
            ASSERT_EQ(std::bit_cast<std::uint32_t>(*fast), std::bit_cast<std::uint32_t>(*reference))
                << x;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Families, SameAsLibraryFloor,
    testing::Values(Family{"RandomBitPatterns", randomBitPatterns()},
                    Family{"AroundWholeThousandthsAndZeros", aroundWholeThousandths()},
                    Family{"AroundTheExactTruncationLimit", aroundTheExactLimit()},
                    Family{"SignedZerosAndSmallNegatives",
                           {0.0f, -0.0f, -1e-30f, -0.00001f, 1e-30f}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
