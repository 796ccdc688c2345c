// Prints how the engine reads typed numbers and how the report writes numbers, for a
// fixed set of many texts and values: the ones at the edges of the range of a double and
// of a float, values that fall exactly halfway between two roundings, and pseudo-random
// ones from a fixed seed. The native build and the WebAssembly build must print the same
// bytes: there the standard library lacks floating-point from_chars and to_chars, and
// fast_float and printf stand in for them.
#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "wallcalc/engine/number_input.hpp"
#include "wallcalc/report/number_text.hpp"

namespace {

constexpr const char* kEdgeTexts[] = {
    "0",
    "0.000",
    "-0",
    "+0.5",
    "00000.0000e5",
    "0e-999",
    " 350.00 ",
    "1e-400",
    "2e-324",
    "3e-324",
    "4.9e-324",
    "2.4703282292062327e-324",
    "2.4703282292062328e-324",
    "2.2250738585072011e-308",
    "2.2250738585072014e-308",
    "1.7976931348623157e308",
    "1.7976931348623158e308",
    "1.7976931348623159e308",
    "1e308",
    "1e309",
    "1e400",
    "9007199254740993",
    "0.1",
    "0.30000000000000004",
    "123456789012345678901234567890",
    "0.000000000000000000000000000000000000000000001e-280",
    "1.",
    ".5",
    "1e",
    "1e+",
    "--1",
};

// The bits of a value, and a value from bits (std::bit_cast is not in every standard
// library this is built with).
template <typename To, typename From>
To bitsAs(From from) {
    static_assert(sizeof(To) == sizeof(From));
    To to;
    std::memcpy(&to, &from, sizeof to);
    return to;
}

std::mt19937_64 random64(20240501);

// A whole number below `bound`, the same on every standard library (the distributions
// are not).
std::uint64_t below(std::uint64_t bound) {
    return random64() % bound;
}

std::string digits(std::uint64_t count) {
    std::string s;
    for (std::uint64_t i = 0; i < count; ++i)
        s += static_cast<char>('0' + below(10));
    return s;
}

// A text as an engineer might type it, or one at the limits of a double.
std::string randomText() {
    std::string s = below(4) == 0 ? "-" : "";
    s += digits(1 + below(below(3) == 0 ? 25 : 6));
    if (below(2) == 0) s += "." + digits(below(20));
    if (below(3) == 0) {
        const auto exponent = static_cast<long long>(below(801)) - 400;
        s += (below(2) == 0 ? "e" : "E") + std::to_string(exponent);
    }
    return s;
}

void printReading(const std::string& text) {
    const auto value = wallcalc::toNumber(text);
    if (value) {
        std::printf("read [%s] %016" PRIx64 "\n", text.c_str(), bitsAs<std::uint64_t>(*value));
    } else {
        std::printf("read [%s] none\n", text.c_str());
    }
}

void printDouble(double value) {
    std::printf("double %016" PRIx64 " %s\n", bitsAs<std::uint64_t>(value),
                wallcalc::report::doubleText(value).c_str());
}

void printSingle(float value) {
    std::printf("single %08" PRIx32 " %s\n", bitsAs<std::uint32_t>(value),
                wallcalc::report::singleText(value).c_str());
}

// Any finite double or float, from its bits.
double randomDouble() {
    double d = 0;
    do {
        d = bitsAs<double>(random64());
    } while (!std::isfinite(d));
    return d;
}

float randomSingle() {
    float f = 0;
    do {
        f = bitsAs<float>(static_cast<std::uint32_t>(random64()));
    } while (!std::isfinite(f));
    return f;
}

// m·2^e with a small m: many of these end in a 5 just past the digits kept, exactly
// halfway between two roundings.
double halfwayCandidate() {
    const auto m = static_cast<double>(1 + below(1u << 24));
    return std::ldexp(m, static_cast<int>(below(90)) - 60);
}

// What a calculation shows: a few decimals, as three-decimal rounding leaves them.
double decimalValue() {
    const double n = static_cast<double>(below(100000000));
    double power = 1;  // 10^k, exact
    for (auto k = below(9); k > 0; --k)
        power *= 10;
    return n / power;
}

}  // namespace

int main() {
    for (const char* text : kEdgeTexts)
        printReading(text);
    for (int i = 0; i < 4000; ++i)
        printReading(randomText());
    for (int i = 0; i < 4000; ++i) {
        printDouble(randomDouble());
        printDouble(halfwayCandidate());
        printDouble(decimalValue());
        printSingle(randomSingle());
        printSingle(static_cast<float>(halfwayCandidate()));
        printSingle(static_cast<float>(decimalValue()));
    }
    return 0;
}
