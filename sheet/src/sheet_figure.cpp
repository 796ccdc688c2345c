#include "sheet_figure.hpp"

#include "wallcalc/engine/member.hpp"
#include "wallcalc/engine/number_input.hpp"
#include "wallcalc/report/number_text.hpp"

namespace wallcalc::sheet {
namespace {

// A load of the calculation text: the name section 1 gives it, and its value as written there.
struct LoadTerm {
    std::string_view name;
    std::string text;
};

// The loads that make up the diagram at the top of the wall, and those added further down
// (to the water level in case B, to the base), named as section 1 of the calculation
// text names them. Case C writes the surcharge and the civil-defence load as q22 and q32.
struct DiagramTerms {
    std::vector<LoadTerm> top, toWater, toBase;
};

DiagramTerms termsOf(const CalcState& s, report::Case loadCase, bool civilDefence) {
    using report::doubleText;
    const LoadTerm q12{"q12", doubleText(s.q12)};
    const LoadTerm q52{loadCase == report::Case::C ? "q32" : "q52", report::singleText(s.q52)};
    const LoadTerm q42{loadCase == report::Case::C ? "q22" : "q42", doubleText(s.q42)};
    DiagramTerms t;
    switch (loadCase) {
        case report::Case::A:
            t.top = {q12, {"q22", doubleText(s.q22)}, {"q32", doubleText(s.q32)}, q42};
            t.toBase = {{"q21", doubleText(s.q21)}, {"q31", doubleText(s.q31)}};
            break;
        case report::Case::B:
            t.top = {q12, q42};
            t.toWater = {{"q11", doubleText(s.q11)}};
            t.toBase = {{"q21", doubleText(s.q21)}, {"q32", doubleText(s.q32)}};
            break;
        case report::Case::C:
            t.top = {q12, q42};
            t.toBase = {{"q11", doubleText(s.q11)}};
            break;
    }
    if (civilDefence) t.top.push_back(q52);
    return t;
}

// "墙顶 p顶=q12+q42=18+5=23 (kN/m)": the place, its symbol, the sum as names and as numbers.
std::string sumLine(std::string_view place, std::string_view symbol, const LoadTerm* start,
                    const std::vector<LoadTerm>& terms, const std::string& result) {
    std::string names, numbers;
    if (start != nullptr) {
        names = std::string(start->name);
        numbers = start->text;
    }
    for (const LoadTerm& t : terms) {
        names += (names.empty() ? "" : "+") + std::string(t.name);
        numbers += (numbers.empty() ? "" : "+") + t.text;
    }
    return std::string(place) + " " + std::string(symbol) + "=" + names + "=" + numbers + "=" +
           result + " (kN/m)";
}

std::string boxText(const PressResult& press, Input input) {
    return press.text(inputBox(input).box);
}

}  // namespace

SheetFigure figureOf(const PressResult& press) {
    SheetFigure f;
    f.h1 = boxText(press, Input::h1);
    f.h2 = boxText(press, Input::h2);
    f.h3 = boxText(press, Input::h3);
    f.h4 = boxText(press, Input::h4);
    f.h5 = boxText(press, Input::h5);
    f.MBk = press.text(Box::Text6);
    const int position = press.lists[index(List::Combo3)];
    const auto gamma = toNumber(press.state.TRZ);
    if (!press.completed() || position < 0 || position > 2 || !gamma) return f;

    f.loadCase = position;
    const auto loadCase = static_cast<report::Case>(position);
    const bool civilDefence = press.X == kCivilDefence;
    // The characteristic load: earth and water, surcharge and civil-defence load at 1.0,
    // as MBk sums them.
    const PressureDiagram p =
        wallLoads(press.state, loadCase, civilDefence, *gamma).characteristic();
    f.L = p.L;
    f.a = p.a;
    f.top = p.at(0);
    f.water = p.at(p.a);
    f.base = p.at(p.L);
    f.topText = report::doubleText(f.top);
    f.waterText = report::doubleText(f.water);
    f.baseText = report::doubleText(f.base);

    const DiagramTerms t = termsOf(press.state, loadCase, civilDefence);
    f.loadLines.push_back("荷载标准值沿墙高的分布（各荷载见计算过程第1节）：");
    f.loadLines.push_back(sumLine("墙顶", "p顶", nullptr, t.top, f.topText));
    LoadTerm above{"p顶", f.topText};
    if (loadCase == report::Case::B) {
        f.loadLines.push_back(sumLine("水位处", "p水", &above, t.toWater, f.waterText));
        above = {"p水", f.waterText};
    }
    f.loadLines.push_back(sumLine("墙底", "p底", &above, t.toBase, f.baseText));
    return f;
}

}  // namespace wallcalc::sheet
