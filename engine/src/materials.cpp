#include "wallcalc/engine/materials.hpp"

#include <array>

namespace wallcalc {
namespace {

struct ConcreteGrade {
    double fc;            // base design compressive strength
    double highGrade;     // 1.0 up to C50, 0.01 less per grade above
    double civilDefence;  // 1.5 up to C55, 1.4 from C60
    double ft;
    double ftk;
};

constexpr std::array<ConcreteGrade, 14> kConcrete = {{
    {7.2, 1.0, 1.5, 0.91, 1.27},    // C15
    {9.6, 1.0, 1.5, 1.1, 1.54},     // C20
    {11.9, 1.0, 1.5, 1.27, 1.78},   // C25
    {14.3, 1.0, 1.5, 1.43, 2.01},   // C30
    {16.7, 1.0, 1.5, 1.57, 2.2},    // C35
    {19.1, 1.0, 1.5, 1.71, 2.39},   // C40
    {21.1, 1.0, 1.5, 1.8, 2.51},    // C45
    {23.1, 1.0, 1.5, 1.89, 2.64},   // C50
    {25.3, 0.99, 1.5, 1.96, 2.74},  // C55
    {27.5, 0.98, 1.4, 2.04, 2.85},  // C60
    {29.7, 0.97, 1.4, 2.09, 2.93},  // C65
    {31.8, 0.96, 1.4, 2.14, 2.99},  // C70
    {33.8, 0.95, 1.4, 2.18, 3.05},  // C75
    {35.9, 0.94, 1.4, 2.22, 3.11},  // C80
}};

struct SteelGrade {
    int fy;
    double civilDefence;
    double Es;
};

constexpr std::array<SteelGrade, 4> kSteel = {{
    {210, 1.5, 2.1e5},   // Ⅰ级(HPB235)
    {300, 1.35, 2.0e5},  // Ⅱ级(HRB335)
    {360, 1.2, 2.0e5},   // Ⅲ级(HRB400)
    {360, 1.2, 2.0e5},   // Ⅳ级(RRB400): its design strength (400 is its characteristic one)
}};

}  // namespace

std::optional<ConcreteStrengths> concreteStrengths(int position, Mode mode) {
    if (position < 0 || position >= static_cast<int>(kConcrete.size())) return std::nullopt;
    const auto& g = kConcrete[static_cast<std::size_t>(position)];
    // Left to right in double precision: base × high-grade factor × civil-defence factor.
    double fc = g.fc * g.highGrade;
    if (mode == Mode::CivilDefence) fc = fc * g.civilDefence;
    return ConcreteStrengths{fc, g.ft, g.ftk};
}

std::optional<SteelStrength> steelStrength(int position, Mode mode) {
    if (position < 0 || position >= static_cast<int>(kSteel.size())) return std::nullopt;
    const auto& g = kSteel[static_cast<std::size_t>(position)];
    if (mode == Mode::CivilDefence) return SteelStrength{g.fy * g.civilDefence};
    return SteelStrength{g.fy};
}

std::optional<double> steelModulus(int position) {
    if (position < 0 || position >= static_cast<int>(kSteel.size())) return std::nullopt;
    return kSteel[static_cast<std::size_t>(position)].Es;
}

double value(const SteelStrength& Fy) {
    if (const int* whole = std::get_if<int>(&Fy)) return *whole;
    return std::get<double>(Fy);
}

}  // namespace wallcalc
