// The number text against an exact reference: printf's "%.*e" rounds the binary value
// itself to the significant digits, and the layout rule is applied to its digits.
// Random bit patterns over the whole range, the values three-decimal rounding gives,
// the loads and spans typed inputs give, and values beside the rounding and decade
// boundaries, where a shortcut in the number text would go wrong first.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>

#include "wallcalc/report/number_text.hpp"

namespace wallcalc::robustness {
namespace {

// The layout rule, from printf's digits: exponent form below 1e-4 and from 1e`digits`
// on, plain decimal otherwise; no trailing zeros; "0" for zero.
std::string reference(double value, int digits) {
    if (value == 0) return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", digits - 1, value);
    std::string text(buf);
    const auto e = text.find('e');
    const int exponent = std::stoi(text.substr(e + 1));
    const bool negative = text.front() == '-';
    std::string mantissa;
    for (std::size_t i = negative ? 1 : 0; i < e; ++i) {
        if (text[i] != '.') mantissa += text[i];
    }
    while (mantissa.size() > 1 && mantissa.back() == '0')
        mantissa.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent < -4 || exponent >= digits) {
        out += mantissa.substr(0, 1);
        if (mantissa.size() > 1) out += "." + mantissa.substr(1);
        const std::string magnitude = std::to_string(std::abs(exponent));
        out += exponent < 0 ? "E-" : "E+";
        return out + (magnitude.size() < 2 ? "0" : "") + magnitude;
    }
    if (exponent < 0) return out + "0." + std::string(-exponent - 1, '0') + mantissa;
    const auto whole = static_cast<std::size_t>(exponent + 1);
    if (mantissa.size() <= whole) return out + mantissa + std::string(whole - mantissa.size(), '0');
    return out + mantissa.substr(0, whole) + "." + mantissa.substr(whole);
}

// Around each value: its neighbours a few steps up and down.
template <typename T>
std::vector<T> withNeighbours(T value, int steps) {
    std::vector<T> out{value};
    T up = value, down = value;
    for (int i = 0; i < steps; ++i) {
        up = std::nextafter(up, std::numeric_limits<T>::infinity());
        down = std::nextafter(down, -std::numeric_limits<T>::infinity());
        out.push_back(up);
        out.push_back(down);
    }
    return out;
}

std::vector<float> singleValues() {
    std::vector<float> values;
    std::mt19937 random(20240601);
    for (int i = 0; i < 200000; ++i) {
        const float f = std::bit_cast<float>(static_cast<std::uint32_t>(random()));
        if (std::isfinite(f)) values.push_back(f);
    }
    for (int k = -200000; k <= 200000; k += 7) {
        values.push_back(static_cast<float>(k / 1000.0));  // three-decimal results
        values.push_back(static_cast<float>(k / 1000.0 + 0.001));
        values.push_back(static_cast<float>(k * 13.0 / 1000.0));
    }
    for (int e = -45; e <= 38; ++e) {
        const double decade = std::pow(10.0, e);
        for (const double m : {1.0, 9.9999995, 9.999999, 1.0000005, 5.0, 1.2345675}) {
            for (const float f : withNeighbours(static_cast<float>(m * decade), 3)) {
                if (std::isfinite(f)) values.push_back(f);
            }
        }
    }
    return values;
}

std::vector<double> doubleValues() {
    std::vector<double> values;
    std::mt19937_64 random(20240601);
    for (int i = 0; i < 200000; ++i) {
        const double d = std::bit_cast<double>(static_cast<std::uint64_t>(random()));
        if (std::isfinite(d)) values.push_back(d);
    }
    // Loads and spans as the cases form them from typed elevations and unit weights.
    std::uniform_int_distribution<int> millimetres(-20000, 20000);
    for (int i = 0; i < 100000; ++i) {
        const double h1 = millimetres(random) / 1000.0, h2 = millimetres(random) / 1000.0;
        const double gamma = millimetres(random) / 1000.0;
        values.push_back(h1 - h2);
        values.push_back(0.5 * (h1 - h2) * gamma);
        values.push_back(0.5 * (gamma - 10) * (h1 - h2));
        values.push_back(10 * (h1 - h2) / 3);
    }
    for (int e = -310; e <= 308; ++e) {
        const double decade = std::pow(10.0, e);
        for (const double m : {1.0, 9.999999999999995, 9.99999999999999, 1.000000000000005, 5.0}) {
            for (const double d : withNeighbours(m * decade, 3)) {
                if (std::isfinite(d)) values.push_back(d);
            }
        }
    }
    return values;
}

TEST(NumberTextAgreement, SingleMatchesExactRoundingToSevenDigits) {
    std::size_t mismatches = 0;
    for (const float f : singleValues()) {
        const std::string expected = reference(static_cast<double>(f), 7);
        const std::string written = report::singleText(f);
        if (written != expected && ++mismatches <= 10) {
            ADD_FAILURE() << std::hexfloat << f << ": " << written << " where " << expected;
        }
    }
    EXPECT_EQ(mismatches, 0u);
}

TEST(NumberTextAgreement, DoubleMatchesExactRoundingToFifteenDigits) {
    std::size_t mismatches = 0;
    for (const double d : doubleValues()) {
        const std::string expected = reference(d, 15);
        const std::string written = report::doubleText(d);
        if (written != expected && ++mismatches <= 10) {
            ADD_FAILURE() << std::hexfloat << d << ": " << written << " where " << expected;
        }
    }
    EXPECT_EQ(mismatches, 0u);
}

}  // namespace
}  // namespace wallcalc::robustness
