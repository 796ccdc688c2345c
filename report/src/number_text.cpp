#include "wallcalc/report/number_text.hpp"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <utility>
#include <version>

namespace wallcalc::report {
namespace {

// A value rounded to its significant digits: the digits without trailing zeros and
// the decimal exponent of the first one.
struct Significant {
    std::array<char, 24> digits{};
    int count = 0;
    int exponent = 0;
};

// The powers of ten a double holds exactly.
constexpr std::array<double, 23> kPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22,
};

// "00" to "99", for writing digits two at a time.
constexpr auto kTwoDigits = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
        pairs[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// Trailing zeros removed in runs of 8, 4, 2 and 1.
constexpr std::pair<std::uint64_t, int> kZeroRuns[] = {
    {100000000, 8}, {10000, 4}, {100, 2}, {10, 1}};

// How far from a rounding boundary the scaled value must lie for its rounding to be
// certain. Scaling by an exact power of ten rounds once, so the scaled value is off by
// at most half a unit in its last place: 2^-30 below 10^7 (7 digits) and 2^-4 below
// 10^15 < 2^50 (15 digits).
double safetyMargin(int digits) {
    return digits <= 7 ? 1e-6 : 0.13;
}

// |value|·10^k with k = digits − 1 − exponent, rounded once; false when 10^|k| is not
// held exactly.
bool scaled(double magnitude, int digits, int exponent, double& out) {
    const int k = digits - 1 - exponent;
    if (k > 22 || k < -22) return false;
    out = k >= 0 ? magnitude * kPowersOfTen[static_cast<std::size_t>(k)]
                 : magnitude / kPowersOfTen[static_cast<std::size_t>(-k)];
    return true;
}

// The common case in double arithmetic: scale the value so that its significant digits
// are the whole part, and round. Declines (false) wherever the rounding or the
// exponent could be in doubt: near a half, near a power of ten, or out of the range of
// exact powers; the exact conversion then decides.
bool roundQuickly(double magnitude, int digits, Significant& out) {
#if defined(__cpp_lib_bit_cast)
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
#else
    // A standard library without std::bit_cast (Emscripten's libc++): the compiler's own.
    const auto bits = __builtin_bit_cast(std::uint64_t, magnitude);
#endif
    const int binaryExponent = static_cast<int>((bits >> 52) & 0x7FF) - 1023;
    if (binaryExponent < -1000) return false;  // subnormal
    // floor(log10(magnitude)) is this or one more: floor(binaryExponent·log10(2)), with
    // 78913 / 2^18 for log10(2) (exact for binary exponents within ±1700).
    int exponent = (binaryExponent * 78913) >> 18;

    const double low = kPowersOfTen[static_cast<std::size_t>(digits - 1)];
    const double high = kPowersOfTen[static_cast<std::size_t>(digits)];
    double s = 0;
    if (!scaled(magnitude, digits, exponent, s)) return false;
    if (s >= high - 1) {
        ++exponent;
        if (!scaled(magnitude, digits, exponent, s)) return false;
    }
    if (s < low + 1 || s >= high - 1) return false;

    auto n = static_cast<std::uint64_t>(s);  // s is positive and below 2^53: this is floor
    const double fraction = s - static_cast<double>(n);
    if (std::fabs(fraction - 0.5) < safetyMargin(digits)) return false;
    if (fraction > 0.5) ++n;

    // Trailing zeros go first, up to 15 of them in four steps.
    int count = digits;
    for (const auto& [power, zeros] : kZeroRuns) {
        if (count > zeros && n % power == 0) {
            n /= power;
            count -= zeros;
        }
    }
    // The digits, two at a time from the last.
    char* p = out.digits.data() + count;
    for (; n >= 10; n /= 100) {
        p -= 2;
        std::memcpy(p, &kTwoDigits[2 * (n % 100)], 2);
    }
    if (p > out.digits.data()) *--p = static_cast<char>('0' + n);
    out.count = count;
    out.exponent = exponent;
    return true;
}

// The exact conversion: the binary value rounded to the digits as printf's %.*e does.
Significant roundExactly(double magnitude, int digits) {
    Significant out;
    std::array<char, 48> buf{};
#if defined(__cpp_lib_to_chars)
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), magnitude,
                                   std::chars_format::scientific, digits - 1);
    const char* end = res.ptr;
#else
    // A standard library without floating-point to_chars (Emscripten's libc++): its C
    // library's printf, which converts exactly, writes the same digits.
    const int length = std::snprintf(buf.data(), buf.size(), "%.*e", digits - 1, magnitude);
    const char* end = buf.data() + length;
#endif
    const char* p = buf.data();
    for (; p < end && *p != 'e'; ++p) {
        if (*p != '.') out.digits[static_cast<std::size_t>(out.count++)] = *p;
    }
    std::from_chars(p + 1 + (p[1] == '+'), end, out.exponent);
    return out;
}

char* put(char* at, std::string_view text) {
    std::memcpy(at, text.data(), text.size());
    return at + text.size();
}

// Writes `value` rounded to `digits` significant digits at `t`; returns the text's end.
char* writeSignificant(char* t, double value, int digits) {
    if (std::isnan(value)) {
        return put(t, "nan");  // never produced by a sound run; kept visible so checks can catch it
    }
    if (std::isinf(value)) return put(t, value < 0 ? "-inf" : "inf");
    if (value == 0.0) return put(t, "0");  // negative zero too

    const double magnitude = std::fabs(value);
    Significant sig;
    if (!roundQuickly(magnitude, digits, sig)) sig = roundExactly(magnitude, digits);
    const char* mantissa = sig.digits.data();
    int count = sig.count;
    const int exponent = sig.exponent;
    while (count > 1 && mantissa[count - 1] == '0')
        --count;

    // The longest text: "-", 15 digits, the point, "E-308" — or "0.0000" and 15 digits.
    if (value < 0) *t++ = '-';
    const auto digitsOut = [&t](const char* from, int n) {
        for (int i = 0; i < n; ++i)
            *t++ = from[i];
    };
    if (exponent < -4 || exponent >= digits) {
        *t++ = mantissa[0];
        if (count > 1) {
            *t++ = '.';
            digitsOut(mantissa + 1, count - 1);
        }
        *t++ = 'E';
        *t++ = exponent < 0 ? '-' : '+';
        const int magnitudeOfExponent = exponent < 0 ? -exponent : exponent;
        if (magnitudeOfExponent >= 100) *t++ = static_cast<char>('0' + magnitudeOfExponent / 100);
        *t++ = static_cast<char>('0' + magnitudeOfExponent / 10 % 10);
        *t++ = static_cast<char>('0' + magnitudeOfExponent % 10);
    } else if (exponent < 0) {
        *t++ = '0';
        *t++ = '.';
        for (int i = exponent + 1; i < 0; ++i)
            *t++ = '0';
        digitsOut(mantissa, count);
    } else {
        const int integerDigits = exponent + 1;
        if (count <= integerDigits) {
            digitsOut(mantissa, count);
            for (int i = count; i < integerDigits; ++i)
                *t++ = '0';
        } else {
            digitsOut(mantissa, integerDigits);
            *t++ = '.';
            digitsOut(mantissa + integerDigits, count - integerDigits);
        }
    }
    return t;
}

void appendSignificant(std::string& out, double value, int digits) {
    std::array<char, kNumberTextRoom> text;
    out.append(text.data(), writeSignificant(text.data(), value, digits));
}

}  // namespace

void appendSingle(std::string& out, float value) {
    appendSignificant(out, static_cast<double>(value), 7);
}

void appendDouble(std::string& out, double value) {
    appendSignificant(out, value, 15);
}

char* writeSingle(char* at, float value) {
    return writeSignificant(at, static_cast<double>(value), 7);
}

char* writeDouble(char* at, double value) {
    return writeSignificant(at, value, 15);
}

char* writeWhole(char* at, long long value) {
    return std::to_chars(at, at + kNumberTextRoom, value).ptr;
}

std::string singleText(float value) {
    std::string s;
    appendSingle(s, value);
    return s;
}

std::string doubleText(double value) {
    std::string s;
    appendDouble(s, value);
    return s;
}

}  // namespace wallcalc::report
