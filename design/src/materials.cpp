#include "wallcalc/design/materials.hpp"

#include <algorithm>

namespace wallcalc::design {

double ConcreteGrade::epsCu() const {
    return std::min(0.0033, 0.0033 - (fcuk - 50) * 1e-5);
}

const ConcreteGrade* concreteNamed(std::string_view name) {
    for (const ConcreteGrade& g : kConcreteGrades) {
        if (g.name == name) return &g;
    }
    return nullptr;
}

const SteelGrade* steelNamed(std::string_view name) {
    for (const SteelGrade& g : kSteelGrades) {
        if (g.name == name) return &g;
    }
    return nullptr;
}

double Materials::fc() const {
    return concrete->fc * concreteFactor();
}

// Left to right as a checker multiplies: fc·α1, then the civil-defence factor.
double Materials::alpha1fc() const {
    return concrete->fc * concrete->alpha1 * concreteFactor();
}

double Materials::ft() const {
    return concrete->ft * concreteFactor();
}

double Materials::fy() const {
    return steel->fy * steelFactor();
}

std::optional<Materials> materials(std::string_view concrete, std::string_view steel, Works works) {
    const ConcreteGrade* c = concreteNamed(concrete);
    const SteelGrade* s = steelNamed(steel);
    if (c == nullptr || s == nullptr) return std::nullopt;
    if (works == Works::CivilDefence && s->civilFactor == 0) return std::nullopt;
    return Materials{c, s, works};
}

}  // namespace wallcalc::design
