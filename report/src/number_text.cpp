#include "wallcalc/report/number_text.hpp"

#include <array>
#include <charconv>
#include <cmath>

namespace wallcalc::report {
namespace {

// Writes `value` rounded to `digits` significant digits.
void appendSignificant(std::string& out, double value, int digits) {
    if (std::isnan(value)) {
        out += "nan";  // never produced by a sound run; kept visible so checks can catch it
        return;
    }
    if (std::isinf(value)) {
        out += value < 0 ? "-inf" : "inf";
        return;
    }
    if (value == 0.0) {  // negative zero too
        out += '0';
        return;
    }

    // "d.dddddde+XX": the rounded significant digits and the exponent of the first one.
    std::array<char, 48> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                                   std::chars_format::scientific, digits - 1);
    const char* p = buf.data();
    const bool negative = *p == '-';
    if (negative) ++p;

    std::array<char, 24> mantissa{};
    int count = 0;
    for (; p < res.ptr && *p != 'e'; ++p) {
        if (*p != '.') mantissa[count++] = *p;
    }
    int exponent = 0;
    std::from_chars(p + 1 + (p[1] == '+'), res.ptr, exponent);
    while (count > 1 && mantissa[count - 1] == '0')
        --count;

    if (negative) out += '-';
    if (exponent < -4 || exponent >= digits) {
        out += mantissa[0];
        if (count > 1) {
            out += '.';
            out.append(mantissa.data() + 1, count - 1);
        }
        out += 'E';
        out += exponent < 0 ? '-' : '+';
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10) out += '0';
        out += std::to_string(magnitude);
        return;
    }
    if (exponent < 0) {
        out += "0.";
        out.append(static_cast<size_t>(-exponent - 1), '0');
        out.append(mantissa.data(), count);
        return;
    }
    const int integerDigits = exponent + 1;
    if (count <= integerDigits) {
        out.append(mantissa.data(), count);
        out.append(static_cast<size_t>(integerDigits - count), '0');
        return;
    }
    out.append(mantissa.data(), integerDigits);
    out += '.';
    out.append(mantissa.data() + integerDigits, count - integerDigits);
}

}  // namespace

void appendSingle(std::string& out, float value) {
    appendSignificant(out, static_cast<double>(value), 7);
}

void appendDouble(std::string& out, double value) {
    appendSignificant(out, value, 15);
}

void appendWhole(std::string& out, long long value) {
    std::array<char, 24> buf{};
    const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value);
    out.append(buf.data(), res.ptr);
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
