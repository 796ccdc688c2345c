#include "wallcalc/engine/materials.hpp"

#include <array>

namespace wallcalc {
namespace {

struct ConcreteRow {
    double fc;            // base design compressive strength
    double highGrade;     // 1.0 up to C50, 0.01 less per grade above
    double civilDefence;  // 1.5 up to C55, 1.4 from C60
    double ft;
    double ftk;
    int fcuk;
    double beta1;         // 0.8 up to C50, 0.01 less per grade above
    double civilMinimum;  // % of the section in civil-defence works
};

constexpr std::array<ConcreteRow, 14> kConcrete = {{
    {7.2, 1.0, 1.5, 0.91, 1.27, 15, 0.8, 0.25},     // C15
    {9.6, 1.0, 1.5, 1.1, 1.54, 20, 0.8, 0.25},      // C20
    {11.9, 1.0, 1.5, 1.27, 1.78, 25, 0.8, 0.25},    // C25
    {14.3, 1.0, 1.5, 1.43, 2.01, 30, 0.8, 0.25},    // C30
    {16.7, 1.0, 1.5, 1.57, 2.2, 35, 0.8, 0.25},     // C35
    {19.1, 1.0, 1.5, 1.71, 2.39, 40, 0.8, 0.30},    // C40
    {21.1, 1.0, 1.5, 1.8, 2.51, 45, 0.8, 0.30},     // C45
    {23.1, 1.0, 1.5, 1.89, 2.64, 50, 0.8, 0.30},    // C50
    {25.3, 0.99, 1.5, 1.96, 2.74, 55, 0.79, 0.30},  // C55
    {27.5, 0.98, 1.4, 2.04, 2.85, 60, 0.78, 0.35},  // C60
    {29.7, 0.97, 1.4, 2.09, 2.93, 65, 0.77, 0.35},  // C65
    {31.8, 0.96, 1.4, 2.14, 2.99, 70, 0.76, 0.35},  // C70
    {33.8, 0.95, 1.4, 2.18, 3.05, 75, 0.75, 0.35},  // C75
    {35.9, 0.94, 1.4, 2.22, 3.11, 80, 0.74, 0.35},  // C80
}};

struct SteelRow {
    int fy;
    double civilDefence;
    double Es;
    bool plain;
};

constexpr std::array<SteelRow, 4> kSteel2002 = {{
    {210, 1.5, 2.1e5, true},    // Ⅰ级(HPB235)
    {300, 1.35, 2.0e5, false},  // Ⅱ级(HRB335)
    {360, 1.2, 2.0e5, false},   // Ⅲ级(HRB400)
    {360, 1.2, 2.0e5, false},  // Ⅳ级(RRB400): its design strength (400 is its characteristic one)
}};

// GB 50010-2010 (2015 edition); GB 50038-2005 gives no civil-defence factor (0 here) for
// HPB300 and HRB500.
constexpr std::array<SteelRow, 5> kSteel2010 = {{
    {270, 0, 2.1e5, true},      // HPB300
    {300, 1.35, 2.0e5, false},  // HRB335
    {360, 1.2, 2.0e5, false},   // HRB400
    {360, 1.2, 2.0e5, false},   // RRB400
    {435, 0, 2.0e5, false},     // HRB500
}};

const SteelRow* steelRow(int position, Basis basis) {
    if (position < 0) return nullptr;
    const auto p = static_cast<std::size_t>(position);
    if (basis == Basis::Gb2010) return p < kSteel2010.size() ? &kSteel2010[p] : nullptr;
    return p < kSteel2002.size() ? &kSteel2002[p] : nullptr;
}

template <typename Table>
const typename Table::value_type* rowAt(const Table& table, int position) {
    if (position < 0 || position >= static_cast<int>(table.size())) return nullptr;
    return &table[static_cast<std::size_t>(position)];
}

}  // namespace

std::optional<ConcreteStrengths> concreteStrengths(int position, Mode mode) {
    if (position < 0 || position >= static_cast<int>(kConcrete.size())) return std::nullopt;
    const auto& g = kConcrete[static_cast<std::size_t>(position)];
    // Left to right in double precision: base × high-grade factor × civil-defence factor.
    double fc = g.fc * g.highGrade;
    if (mode == Mode::CivilDefence) fc = fc * g.civilDefence;
    return ConcreteStrengths{fc, g.ft, g.ftk};
}

std::optional<SteelStrength> steelStrength(int position, Mode mode, Basis basis) {
    const SteelRow* g = steelRow(position, basis);
    if (g == nullptr) return std::nullopt;
    if (mode == Mode::CivilDefence) {
        if (g->civilDefence == 0) return std::nullopt;
        return SteelStrength{g->fy * g->civilDefence};
    }
    return SteelStrength{g->fy};
}

bool hasCivilDefenceStrength(int position, Basis basis) {
    const SteelRow* g = steelRow(position, basis);
    return g != nullptr && g->civilDefence != 0;
}

std::optional<double> steelModulus(int position, Basis basis) {
    if (const SteelRow* row = steelRow(position, basis)) return row->Es;
    return std::nullopt;
}

std::optional<ConcreteGrade> concreteGrade(int position) {
    if (const auto* row = rowAt(kConcrete, position)) {
        return ConcreteGrade{row->fcuk, row->civilDefence, row->beta1, row->civilMinimum};
    }
    return std::nullopt;
}

std::optional<SteelGrade> steelGrade(int position, Basis basis) {
    if (const SteelRow* row = steelRow(position, basis)) {
        return SteelGrade{row->fy, row->Es, row->plain};
    }
    return std::nullopt;
}

double value(const SteelStrength& Fy) {
    if (const int* whole = std::get_if<int>(&Fy)) return *whole;
    return std::get<double>(Fy);
}

}  // namespace wallcalc
