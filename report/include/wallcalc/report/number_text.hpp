#pragma once
// How the program writes a number: in the result boxes and in the calculation text.
//
// Single-precision values (the three-decimal results) get 7 significant digits,
// double-precision values (loads, spans, strengths) get 15. Plain decimal form with
// no trailing zeros, "0" before the point, the point whatever the locale; the exponent
// form "1.234568E+07" when the exponent is below -4 or reaches the digit count.
#include <array>
#include <cstddef>
#include <string>

namespace wallcalc::report {

// The powers of ten a double holds exactly, 10^0 to 10^22: a number scaled by one of them
// (to write it, or to read a typed decimal) is rounded once.
inline constexpr std::array<double, 23> kExactPowersOfTen = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22,
};

// The room a number's writer may use: a sign, 15 digits, the point and an exponent, or
// "0.0000" and 15 digits, fit with room to spare, and so does a whole number of 64 bits;
// the writer copies digits in blocks and may write past the text's end within this room.
inline constexpr std::size_t kNumberTextRoom = 48;

// Write the text at `at`, which has room for kNumberTextRoom characters; return its end.
char* writeSingle(char* at, float value);
char* writeDouble(char* at, double value);
char* writeWhole(char* at, long long value);

void appendSingle(std::string& out, float value);
void appendDouble(std::string& out, double value);

std::string singleText(float value);
std::string doubleText(double value);

}  // namespace wallcalc::report
