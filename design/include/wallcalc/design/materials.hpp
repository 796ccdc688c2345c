#pragma once
// Concrete and steel of the code in force, GB 50010-2010 (2015 edition), with the
// civil-defence factors of GB 50038-2005. One row per grade; the window's lists of grades
// and the wall model read their names from here.
#include <array>
#include <optional>
#include <string_view>

namespace wallcalc::design {

struct ConcreteGrade {
    std::string_view name;     // "C30"
    int fcuk;                  // cube strength (N/mm²), the grade's number
    double fc;                 // design compressive strength (N/mm²), Table 4.1.4-1
    double alpha1;             // 6.2.6: 1.0 up to C50, 0.94 at C80, linear between
    double ft;                 // design tensile strength (N/mm²), Table 4.1.4-2
    double ftk;                // characteristic tensile strength (N/mm²), Table 4.1.3-2
    double beta1;              // 6.2.6: 0.8 up to C50, 0.74 at C80, linear between
    double civilFactor;        // GB 50038-2005: 1.5 up to C55, 1.4 above
    double civilMinimumSteel;  // GB 50038-2005, % of the section: 0.25 (C15–C35),
                               // 0.30 (C40–C55), 0.35 (C60–C80)

    // 6.2.1: εcu = 0.0033 − (fcu,k − 50)·10⁻⁵, at most 0.0033.
    double epsCu() const;
};

inline constexpr std::array<ConcreteGrade, 14> kConcreteGrades = {{
    {"C15", 15, 7.2, 1.0, 0.91, 1.27, 0.8, 1.5, 0.25},
    {"C20", 20, 9.6, 1.0, 1.1, 1.54, 0.8, 1.5, 0.25},
    {"C25", 25, 11.9, 1.0, 1.27, 1.78, 0.8, 1.5, 0.25},
    {"C30", 30, 14.3, 1.0, 1.43, 2.01, 0.8, 1.5, 0.25},
    {"C35", 35, 16.7, 1.0, 1.57, 2.2, 0.8, 1.5, 0.25},
    {"C40", 40, 19.1, 1.0, 1.71, 2.39, 0.8, 1.5, 0.30},
    {"C45", 45, 21.1, 1.0, 1.8, 2.51, 0.8, 1.5, 0.30},
    {"C50", 50, 23.1, 1.0, 1.89, 2.64, 0.8, 1.5, 0.30},
    {"C55", 55, 25.3, 0.99, 1.96, 2.74, 0.79, 1.5, 0.30},
    {"C60", 60, 27.5, 0.98, 2.04, 2.85, 0.78, 1.4, 0.35},
    {"C65", 65, 29.7, 0.97, 2.09, 2.93, 0.77, 1.4, 0.35},
    {"C70", 70, 31.8, 0.96, 2.14, 2.99, 0.76, 1.4, 0.35},
    {"C75", 75, 33.8, 0.95, 2.18, 3.05, 0.75, 1.4, 0.35},
    {"C80", 80, 35.9, 0.94, 2.22, 3.11, 0.74, 1.4, 0.35},
}};

struct SteelGrade {
    std::string_view name;    // "HRB400"
    std::string_view symbol;  // how drawings write the grade before a diameter
    int grade;                // the grade's number (MPa class): 300, 335, 400, 500
    int fy;                   // design strength (N/mm²), Table 4.2.3-1
    double Es;                // elastic modulus (N/mm²), Table 4.2.5
    bool plain;               // plain round bars: the crack width takes ν = 0.7
    double civilFactor;       // GB 50038-2005; 0 where it gives none (no use in those works)
};

inline constexpr std::array<SteelGrade, 5> kSteelGrades = {{
    {"HPB300", "Φ", 300, 270, 2.1e5, true, 0},
    {"HRB335", "B", 335, 300, 2.0e5, false, 1.35},
    {"HRB400", "C", 400, 360, 2.0e5, false, 1.2},
    {"RRB400", "CR", 400, 360, 2.0e5, false, 1.2},
    {"HRB500", "D", 500, 435, 2.0e5, false, 0},
}};

const ConcreteGrade* concreteNamed(std::string_view name);
const SteelGrade* steelNamed(std::string_view name);

enum class Works { Ordinary, CivilDefence };

// The strengths a design takes: in civil-defence works raised by the factors of
// GB 50038-2005 (fc and ft by the concrete's, fy by the steel's); ftk never.
struct Materials {
    const ConcreteGrade* concrete = nullptr;
    const SteelGrade* steel = nullptr;
    Works works = Works::Ordinary;

    bool civilDefence() const { return works == Works::CivilDefence; }
    double fc() const;        // design compressive strength of the works (N/mm²)
    double alpha1fc() const;  // α1·fc (N/mm²)
    double ft() const;        // design tensile strength of the works (N/mm²)
    double fy() const;        // design strength of the steel in the works (N/mm²)
    double concreteFactor() const { return civilDefence() ? concrete->civilFactor : 1.0; }
    double steelFactor() const { return civilDefence() ? steel->civilFactor : 1.0; }
};

// Empty when a name is unknown, or the steel has no civil-defence factor in those works.
std::optional<Materials> materials(std::string_view concrete, std::string_view steel, Works works);

}  // namespace wallcalc::design
