#include "wallcalc/report/shown_value.hpp"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "wallcalc/report/number_text.hpp"

namespace wallcalc::report {
namespace {

constexpr int kDecimals = 3;
constexpr int kLeastSignificant = 2;

// Decimals that keep two significant digits of a (0 < a < 0.0095…).
int decimalsFor(double a) {
    const int exponent = static_cast<int>(std::floor(std::log10(a)));  // a = m·10^exponent
    return std::max(kDecimals, kLeastSignificant - 1 - exponent);
}

// The largest power of ten taken in one step: 10^308 is the last a double holds, so a value
// below about 10^-298, whose two significant digits lie further out, is scaled in two.
constexpr int kOneStep = 300;

// a·10^decimals, and r/10^decimals.
double scaledUp(double a, int decimals) {
    if (decimals > kOneStep)
        return a * std::pow(10.0, kOneStep) * std::pow(10.0, decimals - kOneStep);
    return a * std::pow(10.0, decimals);
}

double scaledDown(double r, int decimals) {
    if (decimals > kOneStep)
        return r / std::pow(10.0, kOneStep) / std::pow(10.0, decimals - kOneStep);
    return r / std::pow(10.0, decimals);
}

// a·10^decimals rounded half up, ties decided on a's fifteen-digit decimal form.
double roundedScaled(double a, int decimals) {
    const double scaled = scaledUp(a, decimals);
    const double up = std::floor(scaled + 0.5);
    if (std::fabs(scaled + 0.5 - up) > 1e-9 * std::max(1.0, scaled)) return up;
    // Close to a half: read the digits as written with fifteen significant ones.
    char digits[40];
    std::snprintf(digits, sizeof digits, "%.14e", a);
    const int exponent = std::atoi(digits + 17);
    // Digit k after the point of a: the mantissa's digit at 1 + k + exponent.
    const int at = decimals + exponent + 1;  // index of the first dropped digit
    const double down = std::floor(scaled + 1e-9 * std::max(1.0, scaled));
    if (at < 0) return down;
    if (at > 14) return std::round(scaled);
    const char dropped = digits[at == 0 ? 0 : at + 1];  // skip the point after the first
    return dropped >= '5' ? down + 1 : down;
}

}  // namespace

double shown(double value) {
    if (!std::isfinite(value) || value == 0) return value;
    const double a = std::fabs(value);
    const double threeDecimals = roundedScaled(a, kDecimals);
    const int decimals = threeDecimals >= 10 ? kDecimals : decimalsFor(a);
    const double r = decimals == kDecimals ? threeDecimals : roundedScaled(a, decimals);
    const double out = scaledDown(r, decimals);
    return value < 0 ? -out : out;
}

std::string shownText(double value) {
    return doubleText(shown(value));
}

}  // namespace wallcalc::report
