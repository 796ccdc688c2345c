#include "wallcalc/engine/number_input.hpp"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <version>

#include "wallcalc/report/number_text.hpp"

// A standard library without floating-point from_chars (Emscripten's libc++) reads the
// digits with fast_float, the library GCC's own from_chars is built on.
#if !defined(__cpp_lib_to_chars)
#include <fast_float/fast_float.h>
#endif

namespace wallcalc {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t skipDigits(std::string_view s, std::size_t i) {
    while (i < s.size() && isDigit(s[i]))
        ++i;
    return i;
}

// The value of checked number syntax (digits, point, exponent; no sign), correctly
// rounded; empty when it is beyond the range of a double, too large or too small to hold.
std::optional<double> readDigits(std::string_view text) {
    double value = 0;
#if defined(__cpp_lib_to_chars)
    const auto res = std::from_chars(text.data(), text.data() + text.size(), value);
#else
    const auto res = fast_float::from_chars(text.data(), text.data() + text.size(), value);
    // fast_float rounds a value beyond the range to infinity, or to zero, where
    // from_chars reports it out of range: a zero from a mantissa with a digit other
    // than 0 is such a value.
    const std::string_view mantissa = text.substr(0, text.find_first_of("eE"));
    if (value == 0 && mantissa.find_first_of("123456789") != std::string_view::npos) {
        return std::nullopt;
    }
#endif
    if (res.ec != std::errc{} || res.ptr != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;  // out of range: 1e999, or a value too small to hold
    }
    return value;
}

// What an engineer types, a decimal of at most 15 digits with a sign or none and no blank
// or exponent ("-3.45", "350", ".5"), read in one pass without the general conversion: its
// digits make a whole number a double holds exactly, and one division by an exact power
// of ten rounds it correctly, as the general conversion does. Empty for any other text,
// which the general reading then takes (or rejects).
std::optional<double> readShortDecimal(std::string_view text) {
    constexpr int kMostDigits = 15;  // below 2^53: every such whole number is exact
    const char* p = text.data();
    const char* const end = p + text.size();
    bool negative = false;
    if (p != end && (*p == '-' || *p == '+')) negative = *p++ == '-';
    std::uint64_t whole = 0;
    int digits = 0;
    int fractionDigits = 0;
    bool inFraction = false;
    for (; p != end; ++p) {
        const auto digit = static_cast<unsigned>(*p - '0');
        if (digit < 10) {
            whole = 10 * whole + digit;
            ++digits;
            fractionDigits += inFraction ? 1 : 0;
        } else if (*p == '.' && !inFraction) {
            inFraction = true;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || digits > kMostDigits) return std::nullopt;
    const double value = static_cast<double>(whole) /
                         report::kExactPowersOfTen[static_cast<std::size_t>(fractionDigits)];
    return negative ? -value : value;
}

}  // namespace

std::optional<double> toNumber(std::string_view text) {
    if (const auto quick = readShortDecimal(text)) return quick;

    // Blanks around the number.
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);

    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }

    // digits [. digits] with at least one digit, then [e|E [sign] digits].
    std::size_t i = skipDigits(text, 0);
    std::size_t mantissaDigits = i;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fractionEnd = skipDigits(text, i + 1);
        mantissaDigits += fractionEnd - i - 1;
        i = fractionEnd;
    }
    if (mantissaDigits == 0) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        const std::size_t exponentEnd = skipDigits(text, j);
        if (exponentEnd == j) return std::nullopt;
        i = exponentEnd;
    }
    if (i != text.size()) return std::nullopt;

    const std::optional<double> value = readDigits(text);
    if (!value) return std::nullopt;
    return negative ? -*value : *value;
}

}  // namespace wallcalc
