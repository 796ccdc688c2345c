#include "wallcalc/engine/number_input.hpp"

#include <charconv>
#include <cmath>

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

}  // namespace

std::optional<double> toNumber(std::string_view text) {
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

    double value = 0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), value);
    if (res.ec != std::errc{} || res.ptr != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;  // out of range: 1e999, or a value too small to hold
    }
    return negative ? -value : value;
}

}  // namespace wallcalc
