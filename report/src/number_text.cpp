#include "wallcalc/report/number_text.hpp"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <version>

namespace wallcalc::report {
namespace {

// The writer copies digits in fixed blocks of this many characters and then keeps only
// those it needs (a fixed-size copy is one move; a copy of a counted length is a call).
constexpr std::size_t kBlock = 16;
static_assert(kNumberTextRoom >= 2 * kBlock + 2, "room for a sign, a point and two blocks");

// A value rounded to its significant digits: the digits without trailing zeros (at most
// 17, with room behind them for a block copy) and the decimal exponent of the first one.
struct Significant {
    std::array<char, 2 * kBlock> digits;
    int count = 0;
    int exponent = 0;
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

constexpr char kZeros[kBlock + 1] = "0000000000000000";

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
    out = k >= 0 ? magnitude * kExactPowersOfTen[static_cast<std::size_t>(k)]
                 : magnitude / kExactPowersOfTen[static_cast<std::size_t>(-k)];
    return true;
}

// Whether |value|·10^k is exactly `s` (k as above, not negative): a whole value such as a
// spacing of 100 scaled to 15 digits lands exactly on 10^14.
bool scaledExactly(double magnitude, int digits, int exponent, double s) {
    const int k = digits - 1 - exponent;
    return k >= 0 && std::fma(magnitude, kExactPowersOfTen[static_cast<std::size_t>(k)], -s) == 0;
}

// Four digits of x (below 10^4) at p, two at a time.
void putFour(char* p, std::uint32_t x) {
    const std::uint32_t high = x / 100;
    std::memcpy(p, &kTwoDigits[2 * high], 2);
    std::memcpy(p + 2, &kTwoDigits[2 * (x - 100 * high)], 2);
}

// Seven digits of x (below 10^7) at p.
void putSeven(char* p, std::uint32_t x) {
    const std::uint32_t high = x / 10000;  // three digits
    const std::uint32_t first = high / 100;
    p[0] = static_cast<char>('0' + first);
    std::memcpy(p + 1, &kTwoDigits[2 * (high - 100 * first)], 2);
    putFour(p + 3, x - 10000 * high);
}

// The 7 or 15 digits of n (which has no more), from `at` on: in groups of four, with no
// loop and no 64-bit division but one.
void writeDigits(char* at, std::uint64_t n, int count) {
    if (count == 7) {
        putSeven(at, static_cast<std::uint32_t>(n));
        return;
    }
    const auto high = static_cast<std::uint32_t>(n / 100000000);  // the first seven
    const auto low = static_cast<std::uint32_t>(n - 100000000 * std::uint64_t{high});
    putSeven(at, high);
    const std::uint32_t middle = low / 10000;
    putFour(at + 7, middle);
    putFour(at + 11, low - 10000 * middle);
}

// The count without the zeros that end the digits (one digit stays).
int withoutTrailingZeros(const char* digits, int count) {
    while (count > 1 && digits[count - 1] == '0')
        --count;
    return count;
}

// The same for the 7 or 15 digits the quick rounding writes (the first is not '0'): read
// as words of eight, the digits become zero bytes where they are '0', and the last digits
// are a word's highest bytes. `digits` has room for reading eight from the eighth on.
int significantCount(const char* digits, int count) {
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    constexpr std::uint64_t kZeroChars = 0x3030303030303030u;
    std::uint64_t word = 0;
    if (count == 15) {
        std::memcpy(&word, digits + 7, 8);
        word ^= kZeroChars;
        if (word != 0) return 15 - __builtin_clzll(word) / 8;
    }
    std::memcpy(&word, digits, 8);
    word ^= kZeroChars;
    if (count == 7) word &= 0x00FFFFFFFFFFFFFFu;  // the eighth is not a digit of these
    return 8 - __builtin_clzll(word) / 8;
#else
    return withoutTrailingZeros(digits, count);
#endif
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

    if (digits != 7 && digits != 15) return false;  // the two precisions written
    const double low = kExactPowersOfTen[static_cast<std::size_t>(digits - 1)];
    const double high = kExactPowersOfTen[static_cast<std::size_t>(digits)];
    double s = 0;
    if (!scaled(magnitude, digits, exponent, s)) return false;
    if (s >= high - 1) {
        ++exponent;
        if (!scaled(magnitude, digits, exponent, s)) return false;
    }
    // Just above 10^(digits−1) the true value could lie below it, unless it is that power
    // of ten exactly.
    if (s < low + 1 && !(s == low && scaledExactly(magnitude, digits, exponent, s))) return false;
    if (s >= high - 1) return false;

    auto n = static_cast<std::uint64_t>(s);  // s is positive and below 2^53: this is floor
    const double fraction = s - static_cast<double>(n);
    if (std::fabs(fraction - 0.5) < safetyMargin(digits)) return false;
    if (fraction > 0.5) ++n;

    writeDigits(out.digits.data(), n, digits);
    out.count = significantCount(out.digits.data(), digits);
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
    out.count = withoutTrailingZeros(out.digits.data(), out.count);
    return out;
}

char* put(char* at, std::string_view text) {
    std::memcpy(at, text.data(), text.size());
    return at + text.size();
}

// `count` characters from `from` (at most a block) at `t`; returns their end.
char* putBlock(char* t, const char* from, int count) {
    std::memcpy(t, from, kBlock);
    return t + count;
}

// "1.234568E+07", "1E-05": for exponents below -4 or from the digit count up.
char* writeExponentForm(char* t, const Significant& sig) {
    *t++ = sig.digits[0];
    if (sig.count > 1) {
        *t++ = '.';
        t = putBlock(t, sig.digits.data() + 1, sig.count - 1);
    }
    *t++ = 'E';
    *t++ = sig.exponent < 0 ? '-' : '+';
    const int magnitude = sig.exponent < 0 ? -sig.exponent : sig.exponent;
    if (magnitude >= 100) *t++ = static_cast<char>('0' + magnitude / 100);
    *t++ = static_cast<char>('0' + magnitude / 10 % 10);
    *t++ = static_cast<char>('0' + magnitude % 10);
    return t;
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
    const int count = sig.count;
    const int exponent = sig.exponent;

    // The longest text: "-", 15 digits, the point, "E-308" — or "0.0000" and 15 digits.
    if (value < 0) *t++ = '-';
    if (exponent < -4 || exponent >= digits) return writeExponentForm(t, sig);
    if (exponent < 0) {
        t = put(t, "0.");
        t = putBlock(t, kZeros, -exponent - 1);
        return putBlock(t, mantissa, count);
    }
    const int integerDigits = exponent + 1;
    if (count <= integerDigits) {
        t = putBlock(t, mantissa, count);
        return putBlock(t, kZeros, integerDigits - count);
    }
    t = putBlock(t, mantissa, integerDigits);
    *t++ = '.';
    return putBlock(t, mantissa + integerDigits, count - integerDigits);
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
