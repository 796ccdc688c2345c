#include <gtest/gtest.h>

#include <charconv>
#include <cstring>
#include <random>

#include "wallcalc/engine/number_input.hpp"

namespace {

using wallcalc::toNumber;

struct Good {
    const char* name;
    std::string text;
    double value;
};

class Numbers : public testing::TestWithParam<Good> {};

TEST_P(Numbers, AreRead) {
    const auto v = toNumber(GetParam().text);
    ASSERT_TRUE(v.has_value()) << GetParam().text;
    EXPECT_EQ(*v, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Numbers,
    testing::Values(Good{"Whole", "350", 350}, Good{"TrailingZeros", "350.00", 350},
                    Good{"LeadingBlank", " 18", 18}, Good{"BlanksAround", "  -6.3  ", -6.3},
                    Good{"Negative", "-0.45", -0.45}, Good{"PlusSign", "+1.35", 1.35},
                    Good{"Exponent", "1e3", 1000}, Good{"UpperExponent", "2.5E-2", 0.025},
                    Good{"SignedExponent", "1e+2", 100}, Good{"NoWholePart", ".5", 0.5},
                    Good{"NoFraction", "5.", 5}, Good{"NegativeZero", "-0", 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct Bad {
    const char* name;
    std::string text;
};

class NotNumbers : public testing::TestWithParam<Bad> {};

TEST_P(NotNumbers, AreRejected) {
    EXPECT_FALSE(toNumber(GetParam().text).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, NotNumbers,
    testing::Values(Bad{"Empty", ""}, Bad{"Blanks", "   "}, Bad{"Letters", "abc"},
                    Bad{"DecimalComma", "1,5"}, Bad{"TwoPoints", "1.2.3"}, Bad{"TwoSigns", "--1"},
                    Bad{"MixedSigns", "+-1"}, Bad{"ExponentWithoutDigits", "1e"},
                    Bad{"ExponentSignOnly", "1e+"}, Bad{"Overflow", "1e999"},
                    Bad{"NegativeOverflow", "-1e999"}, Bad{"Underflow", "1e-999"},
                    Bad{"Infinity", "inf"}, Bad{"NotANumber", "nan"}, Bad{"Hex", "0x1A"},
                    Bad{"FullWidthDigits", "３５０"}, Bad{"Unit", "350mm"},
                    Bad{"BlankInside", "3 50"}, Bad{"PointOnly", "."}, Bad{"SignOnly", "-"},
                    Bad{"ExponentOnly", "e5"}, Bad{"Tab", "\t1"}, Bad{"NewLine", "1\n"},
                    Bad{"EmbeddedNul", std::string("1\0"
                                                   "2",
                                                   3)},
                    Bad{"FullWidthBlank",
                        "\xE3\x80\x80"
                        "1"},
                    Bad{"Long", std::string(10000, '9')}),
    [](const auto& info) { return std::string(info.param.name); });

// Decimals as typed, of 1 to 18 digits with the point anywhere (or none) and a sign or
// none: read bit for bit as the standard library's conversion reads them (the short ones
// take a quicker way).
TEST(Numbers, DecimalsReadAsTheLibraryReadsThem) {
    std::mt19937_64 random(20261209);
    int failures = 0;
    for (int i = 0; i < 300000; ++i) {
        const int digits = 1 + static_cast<int>(random() % 18);
        std::string text;
        for (int d = 0; d < digits; ++d)
            text += static_cast<char>('0' + random() % 10);
        const auto point = random() % (digits + 2);
        if (point <= static_cast<unsigned>(digits)) text.insert(point, ".");
        double expected = 0;
        std::from_chars(text.data(), text.data() + text.size(), expected);
        const int sign = static_cast<int>(random() % 3);
        if (sign > 0) text.insert(0, sign == 1 ? "-" : "+");
        if (sign == 1) expected = -expected;
        const auto read = toNumber(text);
        const bool same = read && std::memcmp(&*read, &expected, sizeof expected) == 0;
        if (!same && failures++ < 10) ADD_FAILURE() << text << " read as " << read.value_or(-1);
    }
    EXPECT_EQ(failures, 0);
}

}  // namespace
