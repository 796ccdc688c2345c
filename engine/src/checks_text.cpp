// The text of the supplementary design, formula by formula with the numbers substituted,
// in the style of the calculation text: lines separated by CR LF, values written by the
// number-text rule, inputs quoted as typed.
#include <algorithm>
#include <cmath>

#include "checks_text.hpp"
#include "wallcalc/engine/checks.hpp"
#include "wallcalc/engine/press.hpp"
#include "wallcalc/engine/rounding.hpp"
#include "wallcalc/engine/typeset_text.hpp"
#include "wallcalc/report/filled_line.hpp"
#include "wallcalc/report/number_text.hpp"
#include "wallcalc/report/shown_value.hpp"

namespace wallcalc {
namespace {

using detail::Text;
using report::Named;

// A member force as the basis shows it: rounded to three decimals in single precision
// (2002), or the unrounded value shown to three decimals (2010).
report::Value force(const Checks& c, double value) {
    if (c.basis == Basis::Gb2010) return report::shown(value);
    return SSWR(value).value_or(0);
}

std::string bars(const Diameter& d, std::string_view spacing) {
    return barNotation(d, spacing);
}

std::string_view verdict(bool met) {
    return met ? "，满足" : "，不满足";
}

void memberSection(Text& t, const Checks& c, const CalcState& s) {
    const PressureDiagram& p = c.diagram;
    const MemberForces& f = c.member;
    const bool civil = c.mode == Mode::CivilDefence;
    const bool twoSlopes = c.loadCase == report::Case::B;
    t.heading("墙条内力（荷载特征值，墙条宽1m，墙顶铰支、墙底固定，x为墙顶以下深度）：");
    switch (c.loadCase) {
        case report::Case::A:
            t.line(civil ? "p0=q12+q22+q32+q42+q52={q12}+{q22}+{q32}+{q42}+{q52}={p0} (kN/m)"
                         : "p0=q12+q22+q32+q42={q12}+{q22}+{q32}+{q42}={p0} (kN/m)",
                   {{"q12", s.q12},
                    {"q22", s.q22},
                    {"q32", s.q32},
                    {"q42", s.q42},
                    {"q52", s.q52},
                    {"p0", p.p0}});
            t.line("k=0.5*γ+5=0.5*{g}+5={k} (kN/m2)", {{"g", t.typed(Input::TRZ)}, {"k", p.k1}});
            break;
        case report::Case::B:
        case report::Case::C:
            t.line(civil ? "p0=q12+q42+q52={q12}+{q42}+{q52}={p0} (kN/m)"
                         : "p0=q12+q42={q12}+{q42}={p0} (kN/m)",
                   {{"q12", s.q12}, {"q42", s.q42}, {"q52", s.q52}, {"p0", p.p0}});
            if (!twoSlopes) {
                t.line("k=0.5*γ=0.5*{g}={k} (kN/m2)", {{"g", t.typed(Input::TRZ)}, {"k", p.k1}});
            }
            break;
    }
    const report::Value MB = force(c, f.MB), R = force(c, f.R), VB = force(c, f.VB);
    const report::Value xA = force(c, f.xA), MA = force(c, f.MA);
    const bool b2010 = c.basis == Basis::Gb2010;
    const report::Value MBk =
        b2010 ? report::Value{report::shown(s.code2010.MBk)} : report::Value{s.MBk};
    const std::initializer_list<Named> v = {
        {"p0", p.p0},     {"k", p.k1}, {"k1", p.k1}, {"k2", p.k2}, {"a", p.a},
        {"b", p.L - p.a}, {"L", p.L},  {"MB", MB},   {"R", R},     {"VB", VB},
        {"xA", xA},       {"MA", MA},  {"MBk", MBk}};
    if (twoSlopes) {
        t.line(
            "k1=0.5*γ=0.5*{g}={k1} (kN/m2)（水位以上），k2=0.5*γ+5=0.5*{g}+5={k2} (kN/m2)"
            "（水位以下），a={a} (m)，b={b} (m)",
            {{"g", t.typed(Input::TRZ)}, {"k1", p.k1}, {"k2", p.k2}, {"a", p.a}, {"b", p.L - p.a}});
        t.line(
            "MB=p0*L^2/8+k1*L^3/15+(k2-k1)*b^3*(4-3*b/L+0.6*(b/L)^2)/24={p0}*{L}^2/8+{k1}*{L}"
            "^3/15+({k2}-{k1})*{b}^3*(4-3*{b}/{L}+0.6*({b}/{L})^2)/24={MB} (kNm)",
            v);
        t.line(
            "R=3*p0*L/8+k1*L^2/10+(k2-k1)*(b^4/(8*L^2)-b^5/(40*L^3))=3*{p0}*{L}/8+{k1}*{L}^2/10"
            "+({k2}-{k1})*({b}^4/(8*{L}^2)-{b}^5/(40*{L}^3))={R} (kN)",
            v);
        t.line(
            "VB=p0*L+k1*L^2/2+(k2-k1)*b^2/2-R={p0}*{L}+{k1}*{L}^2/2+({k2}-{k1})*{b}^2/2-{R}"
            "={VB} (kN)",
            v);
    } else {
        t.line("MB=p0*L^2/8+k*L^3/15={p0}*{L}^2/8+{k}*{L}^3/15={MB} (kNm)", v);
        t.line("R=3*p0*L/8+k*L^2/10=3*{p0}*{L}/8+{k}*{L}^2/10={R} (kN)", v);
        t.line("VB=p0*L+k*L^2/2-R={p0}*{L}+{k}*{L}^2/2-{R}={VB} (kN)", v);
    }
    if (MB == MBk) {
        t.line("（与第1节MBk={MBk} (kNm)相同）", v);
    } else if (b2010) {
        t.line("（第1节MBk={MBk} (kNm)为各项弯矩之和）", v);
    } else {
        t.line("（第1节MBk={MBk} (kNm)为各项弯矩先取三位小数后之和）", v);
    }
    if (!(f.MA > 0)) {
        t.line("墙内任何深度处弯矩均不使墙内侧受拉：MA=0");
        return;
    }
    const bool below = twoSlopes && f.xA > p.a;
    if (!twoSlopes) {
        t.line("V(x)=R-p0*x-k*x^2/2={R}-{p0}*x-{k}*x^2/2=0，得xA={xA} (m)", v);
        t.line("MA=R*xA-p0*xA^2/2-k*xA^3/6={R}*{xA}-{p0}*{xA}^2/2-{k}*{xA}^3/6={MA} (kNm)", v);
    } else if (below) {
        t.line(
            "V(x)=R-p0*x-k1*x^2/2-(k2-k1)*(x-a)^2/2={R}-{p0}*x-{k1}*x^2/2-({k2}-{k1})*(x-{a})"
            "^2/2=0，得xA={xA} (m)",
            v);
        t.line(
            "MA=R*xA-p0*xA^2/2-k1*xA^3/6-(k2-k1)*(xA-a)^3/6={R}*{xA}-{p0}*{xA}^2/2-{k1}*{xA}^3/6"
            "-({k2}-{k1})*({xA}-{a})^3/6={MA} (kNm)",
            v);
    } else {
        t.line("V(x)=R-p0*x-k1*x^2/2={R}-{p0}*x-{k1}*x^2/2=0，得xA={xA} (m)", v);
        t.line("MA=R*xA-p0*xA^2/2-k1*xA^3/6={R}*{xA}-{p0}*{xA}^2/2-{k1}*{xA}^3/6={MA} (kNm)", v);
    }
}

// The 2010 basis: the span and the shear from the diagram of the partial factors, the
// span's crack width from the quasi-permanent one. Each is the earth and water diagram
// times its factor plus the surcharge (or the civil-defence load) times its own, analysed
// by the formulas above.
void combinationLines(Text& t, const Checks& c, const CalcState& s) {
    if (!c.designDiagram) return;
    const PressureDiagram& g = c.earthAndWater;
    const bool civil = c.mode == Mode::CivilDefence;
    const auto combination = [&](std::string_view form, const PressureDiagram& p,
                                 const MemberForces& f, double factorG, double factorQ) {
        const std::string pG = report::doubleText(g.p0);
        t.line(form, {{"fG", factorG},
                      {"fQ", factorQ},
                      {"pG", g.p0},
                      {"q42", s.q42},
                      {"q52", s.q52},
                      {"p0", p.p0},
                      {"k1G", g.k1},
                      {"k2G", g.k2},
                      {"k1", p.k1},
                      {"k2", p.k2}});
        t.line("按上列公式：MA={MA} (kNm)（xA={xA} (m)），VB={VB} (kN)",
               {{"MA", force(c, f.MA)}, {"xA", force(c, f.xA)}, {"VB", force(c, f.VB)}});
    };
    // Case B has two slopes, the other cases one.
    const bool twoSlopes = c.loadCase == report::Case::B;
    t.line("（pG为土压力与水压力在墙顶的值：pG={pG} (kN/m)）", {{"pG", g.p0}});
    if (civil) {
        combination(twoSlopes ? "人防组合：p0=1.2*pG+1.0*q52=1.2*{pG}+1.0*{q52}={p0} (kN/m)，"
                                "k1=1.2*{k1G}={k1}，k2=1.2*{k2G}={k2} (kN/m2)"
                              : "人防组合：p0=1.2*pG+1.0*q52=1.2*{pG}+1.0*{q52}={p0} (kN/m)，"
                                "k=1.2*{k1G}={k1} (kN/m2)",
                    *c.designDiagram, c.code2010->design, 1.2, 0);
        return;
    }
    combination(twoSlopes ? "基本组合：p0=γG*pG+γQ*q42={fG}*{pG}+{fQ}*{q42}={p0} (kN/m)，"
                            "k1=γG*k1={fG}*{k1G}={k1}，k2=γG*k2={fG}*{k2G}={k2} (kN/m2)"
                          : "基本组合：p0=γG*pG+γQ*q42={fG}*{pG}+{fQ}*{q42}={p0} (kN/m)，"
                            "k=γG*k={fG}*{k1G}={k1} (kN/m2)",
                *c.designDiagram, c.code2010->design, c.gammaG, c.gammaQ);
    combination(twoSlopes ? "准永久组合：p0=pG+ψq*q42={pG}+{fQ}*{q42}={p0} (kN/m)，k1={k1}，"
                            "k2={k2} (kN/m2)"
                          : "准永久组合：p0=pG+ψq*q42={pG}+{fQ}*{q42}={p0} (kN/m)，k={k1} (kN/m2)",
                *c.quasiDiagram, *c.code2010->quasi, 1, c.psiq);
}

// The face a crack pass is made for, named as its lines name it.
struct CrackFace {
    std::string_view moment;  // "MBk", "MA"
    float M;
    std::string_view depth;  // "h0", "h0'"
    double h0;
    std::string_view cover;  // "c1", "c2"
    std::string_view coverTyped;
    double coverValue;
};

// The four lines of one crack pass of bars deq with area As, by the formula of the basis.
// A quotient the code bounds, written with the bound that replaced it: "0.0065<0.01，
// 取ρte=0.01"; the quotient alone where it stands.
std::string boundedText(report::Value quotient, bool below, bool above, float bound,
                        std::string_view name) {
    std::string out;
    std::array<char, report::kNumberTextRoom> digits;
    out.append(digits.data(), report::writeNumber(digits.data(), quotient));
    if (!below && !above) return out;
    const std::string b = report::singleText(bound);
    return out + (below ? "<" : ">") + b + "，取" + std::string(name) + "=" + b;
}

void crackPassLines(Text& t, const Checks& c, const CrackFace& f, const CrackPass& p, int deq,
                    float As, double Ftk) {
    // The quotients before their bounds, as the crack check forms them.
    const double rte = As / (0.5 * 1000 * c.h5);
    const float psi =
        SSWR(1.1 - 0.65 * Ftk / (static_cast<double>(p.Rte) * static_cast<double>(p.Csk)))
            .value_or(p.Fai);
    const bool rteBelow = p.Rte == 0.01f && rte < 0.01;
    const std::string rteText = rteBelow
                                    ? boundedText(report::shown(rte), true, false, 0.01f, "ρte")
                                    : boundedText(p.Rte, false, false, 0, "");
    const std::string psiText =
        boundedText(psi, psi<0.2f, psi> 1.0f, psi < 0.2f ? 0.2f : 1.0f, "ψ");
    const std::initializer_list<Named> v = {{"As", As},
                                            {"h5", t.typed(Input::h5)},
                                            {"Rte", p.Rte},
                                            {"RteQ", rteText},
                                            {"FaiQ", psiText},
                                            {"Mn", f.moment},
                                            {"M", f.M},
                                            {"h0n", f.depth},
                                            {"h0", f.h0},
                                            {"Csk", p.Csk},
                                            {"Ftk", Ftk},
                                            {"Fai", p.Fai},
                                            {"cn", f.cover},
                                            {"c", f.coverTyped},
                                            {"d", static_cast<long long>(deq)},
                                            {"W", p.W}};
    t.line("ρte=As/(0.5*1000*h5)={As}/(0.5*1000*{h5})={RteQ}", v);
    t.line("σsk={Mn}*10^6/(0.87*{h0n}*As)={M}*10^6/(0.87*{h0}*{As})={Csk}(N/mm2)", v);
    t.line("ψ=1.1-0.65*Ftk/(ρte*σsk)=1.1-0.65*{Ftk}/({Rte}*{Csk})={FaiQ}", v);
    t.line(
        "Wmax=2.1*ψ*σsk/(2*10^5)*(1.9*{cn}+0.08*deq/ρte)=2.1*{Fai}*{Csk}/(2*10^5)*(1.9*{c}"
        "+0.08*{d}/{Rte})={W}(mm)",
        v);
}

void spanSection(Text& t, const Checks& c, const CalcState& s) {
    t.heading("A处（跨中）背水面竖向钢筋：");
    if (!c.span) {
        t.line(c.spanProblem);
        return;
    }
    const FaceDesign& f = *c.span;
    const std::string placed = bars(f.placed, t.typed(Input::ss));
    const std::initializer_list<Named> v = {{"M", f.M},
                                            {"Md", f.Md},
                                            {"eta", t.typed(Input::fxxs)},
                                            {"h5", t.typed(Input::h5)},
                                            {"c2", t.typed(Input::c2)},
                                            {"h0", f.h0},
                                            {"Fc", s.Fc.value_or(0)},
                                            {"Fy", value(*s.Fy)},
                                            {"as", f.strength.alfas},
                                            {"z", f.strength.kese},
                                            {"As", f.strength.Aas},
                                            {"bars", placed}};
    t.line("MA={M} (kNm)，MAd=η*MA={eta}*{M}={Md} (kNm)", v);
    t.line("h0'=h5-c2={h5}-{c2}={h0} (mm)", v);
    t.line("αs=MAd*10^6/(Fc*1000*h0'^2)={Md}*10^6/({Fc}*1000*{h0}^2)={as}", v);
    if (f.strength.momentTooLarge) {
        t.line("αs≥0.5，截面不足，取ζ=1，所得As不是有效设计，请增加外墙厚度");
    } else {
        t.line("ζ=1-(1-2*αs)^0.5=1-(1-2*{as})^0.5={z}", v);
    }
    t.line("As=Fc*1000*h0'*ζ/Fy={Fc}*1000*{h0}*{z}/{Fy}={As}(mm2)", v);
    t.line("满足强度要求时选用钢筋为：{bars}", {{"bars", bars(f.bars.d, t.typed(Input::ss))}});
    if (!f.crack) {
        if (c.mode == Mode::CivilDefence) t.line("人防工程不计算裂缝。");
        return;
    }
    const CrackCheck& k = *f.crack;
    if (k.passes > 1) {
        t.line("按上述钢筋计算裂缝宽度大于1.05倍裂缝限值，钢筋直径逐级加大1mm，最后一次：");
    }
    crackPassLines(t, c, {"MA", f.M, "h0'", f.h0, "c2", t.typed(Input::c2), f.cover}, k.last, k.deq,
                   k.Aas, s.Ftk.value_or(0));
    if (k.end == CrackEnd::Met) {
        t.line("Wmax={W}(mm)≤1.05*{limit}={tol}(mm)，满足；选用钢筋为：{bars}",
               {{"W", k.last.W},
                {"limit", t.typed(Input::Wmax)},
                {"tol", 1.05 * c.limit},
                {"bars", placed}});
    } else {
        t.line("选用50mm钢筋时裂缝宽度仍大于裂缝限值，请增加外墙厚度或减小钢筋间距");
    }
}

void strengthBarsSection(Text& t, const Checks& c, const CalcState& s) {
    if (!c.strengthBarsCrack) return;
    const StrengthBarsCrack& k = *c.strengthBarsCrack;
    const FaceDesign& base = *c.base;
    const int d = std::get<int>(base.bars.d);
    t.heading("B处迎水面按强度选用钢筋的裂缝宽度：");
    t.line("As=π/4*d^2*1000/s=3.14159265/4*{d}^2*1000/{s}={As}(mm2)",
           {{"d", static_cast<long long>(d)}, {"s", t.typed(Input::ss)}, {"As", k.area}});
    crackPassLines(t, c, {"MBk", base.M, "h0", base.h0, "c1", t.typed(Input::c1), c.c1}, k.pass, d,
                   k.area, s.Ftk.value_or(0));
    t.line("Wmax={W}(mm){cmp}1.05*{limit}={tol}(mm){verdict}", {{"W", k.pass.W},
                                                                {"cmp", k.meets ? "≤" : ">"},
                                                                {"limit", t.typed(Input::Wmax)},
                                                                {"tol", 1.05 * c.limit},
                                                                {"verdict", verdict(k.meets)}});
    const bool raised = base.crack && base.crack->deq > d;
    if (k.meets && raised) {
        t.line(
            "按强度选用的{bars}已满足裂缝要求；第3节的裂缝计算从强度所需面积起算，"
            "加大到{crack}，可不必加大。",
            {{"bars", bars(base.bars.d, t.typed(Input::ss))},
             {"crack", bars(base.crack->deq, t.typed(Input::ss))}});
    }
}

// What to change where a check fails: the thickness that passes it, where one is known
// (0 where none would), and the concrete grade.
std::string thickerWall(double h5) {
    if (h5 > 0) return "请增加外墙厚度至h5≥" + report::doubleText(h5) + "(mm)或提高砼强度等级";
    return "请增加外墙厚度或提高砼强度等级";
}

void xiLine(Text& t, std::string_view where, float xi, float xib, const std::optional<double>& h5) {
    const std::string change = thickerWall(h5.value_or(0));
    const std::initializer_list<Named> v = {
        {"where", where}, {"xi", xi}, {"xib", xib}, {"change", change}};
    if (!h5) {
        t.line("{where}：ξ=ζ={xi}≤ξb={xib}，满足", v);
    } else {
        t.line("{where}：ξ=ζ={xi}>ξb={xib}，超筋，{change}", v);
    }
}

void xiSection(Text& t, const Checks& c, const PressResult& press) {
    const CompressionZone& z = c.xi;
    const std::string_view grade =
        listItems(List::Combo1)[static_cast<std::size_t>(press.lists[index(List::Combo1)])];
    t.heading("相对受压区高度：");
    const std::initializer_list<Named> v = {{"grade", grade}, {"b1", z.beta1}, {"ecu", z.epsCu},
                                            {"fy", z.fy},     {"Es", z.Es},    {"xib", z.xib}};
    if (z.epsCu >= 0.0033) {
        t.line("{grade}：β1={b1}，εcu=0.0033", v);
    } else {
        t.line("{grade}：β1={b1}，εcu=0.0033-(fcu,k-50)*10^-5={ecu}", v);
    }
    t.line("ξb=β1/(1+fy/(Es*εcu))={b1}/(1+{fy}/({Es}*{ecu}))={xib}", v);
    if (c.base->strength.momentTooLarge) {
        t.line("B处：αs≥0.5，第2节所得As不是有效设计，请增加外墙厚度");
    }
    xiLine(t, "B处", z.base, z.xib, z.baseThickness);
    if (c.span) xiLine(t, "A处", z.span, z.xib, z.spanThickness);
}

void minimumFaceLine(Text& t, std::string_view where, const MinimumSteel& m,
                     const MinimumSteel::Face& f) {
    if (!std::holds_alternative<int>(f.placed)) {
        t.line("{where}：所需钢筋超出可选钢筋，未能比较", {{"where", where}});
        return;
    }
    const std::string placed = bars(f.placed, t.typed(Input::ss));
    const std::string meeting = bars(f.meeting, t.typed(Input::ss));
    const std::initializer_list<Named> v = {
        {"where", where}, {"bars", placed}, {"As", f.area}, {"min", m.As}, {"meet", meeting}};
    if (!f.shortOfIt) {
        t.line("{where}：{bars}，As={As}(mm2)≥{min}(mm2)，满足", v);
    } else {
        t.line("{where}：{bars}，As={As}(mm2)<{min}(mm2)，不满足，请改用{meet}", v);
    }
}

void minimumSection(Text& t, const Checks& c, const CalcState& s) {
    const MinimumSteel& m = c.minimum;
    t.heading("最小配筋率（每侧）：");
    const std::initializer_list<Named> v = {{"ft", s.Ft.value_or(0)},
                                            {"fy", static_cast<long long>(m.fy)},
                                            {"r", SSWR(m.byStrength).value_or(0)},
                                            {"civil", m.civil},
                                            {"rho", m.rho},
                                            {"h5", t.typed(Input::h5)},
                                            {"As", m.As}};
    if (c.mode == Mode::CivilDefence) {
        t.line("ρmin=max(0.2%, 45*ft/fy%, 人防{civil}%)=max(0.2%, 45*{ft}/{fy}%, {civil}%)={rho}%",
               v);
    } else {
        t.line("ρmin=max(0.2%, 45*ft/fy%)=max(0.2%, 45*{ft}/{fy}%)=max(0.2%, {r}%)={rho}%", v);
    }
    t.line("As,min=ρmin*1000*h5={rho}%*1000*{h5}={As}(mm2)", v);
    minimumFaceLine(t, "B处迎水面", m, m.base);
    if (c.span) minimumFaceLine(t, "A处背水面", m, m.span);
}

void horizontalSection(Text& t, const Checks& c) {
    const HorizontalBars& h = c.horizontal;
    t.heading("水平分布钢筋（每侧）：");
    const std::string chosen = bars(h.diameter, c.horizontalSpacingText);
    const std::initializer_list<Named> v = {{"h5", t.typed(Input::h5)},
                                            {"As", h.As},
                                            {"ss", t.typed(Input::ss)},
                                            {"s", h.spacing},
                                            {"d", static_cast<long long>(h.diameter)},
                                            {"area", h.area},
                                            {"bars", chosen}};
    t.line("As,h=0.1%*1000*h5=0.1%*1000*{h5}={As}(mm2)，间距s=min({ss},200)={s} (mm)", v);
    if (h.diameter == 0) {
        t.line("选用25mm钢筋仍不足，请减小钢筋间距");
    } else {
        t.line("选用钢筋为：{bars}，As=π/4*{d}^2*1000/{s}={area}(mm2)≥{As}(mm2)，满足", v);
    }
}

void shearSection(Text& t, const Checks& c, const CalcState& s) {
    const ShearCheck& v = c.shear;
    const bool civil = c.mode == Mode::CivilDefence;
    t.heading("B处斜截面受剪（墙条宽1000mm，不配箍筋）：");
    const std::string change = thickerWall(v.thickness.value_or(0));
    const std::initializer_list<Named> n = {{"eta", t.typed(Input::fxxs)},
                                            {"VB", SSWR(c.member.VB).value_or(0)},
                                            {"V", v.V},
                                            {"h0", s.h0},
                                            {"h0b", v.h0ForBeta},
                                            {"bh", SSWR(v.betaH).value_or(0)},
                                            {"ft0", s.Ft.value_or(0)},
                                            {"ft", v.ft},
                                            {"f", civil ? v.ft / s.Ft.value_or(1) : 1.0},
                                            {"Vc", v.capacity},
                                            {"change", change}};
    t.line("V=η*VB={eta}*{VB}={V} (kN)", n);
    if (s.h0 < 800) {
        t.line("h0={h0}(mm)<800(mm)，取h0=800(mm)：βh=(800/h0)^0.25=(800/{h0b})^0.25={bh}", n);
    } else if (s.h0 > 2000) {
        t.line("h0={h0}(mm)>2000(mm)，取h0=2000(mm)：βh=(800/h0)^0.25=(800/{h0b})^0.25={bh}", n);
    } else {
        t.line("βh=(800/h0)^0.25=(800/{h0b})^0.25={bh}", n);
    }
    if (civil) t.line("ft={f}*{ft0}={ft} (N/mm2)（人防砼强度调整系数）", n);
    t.line("Vc=0.7*βh*ft*1000*h0=0.7*{bh}*{ft}*1000*{h0}/1000={Vc} (kN)", n);
    if (v.met) {
        t.line("V={V}≤Vc={Vc}，满足", n);
    } else {
        t.line("V={V}>Vc={Vc}，不满足，{change}", n);
    }
}

void plainBarsSection(Text& t, const Checks& c, const CalcState& s) {
    if (!c.plainBars) return;
    const PlainBarsCrack& p = *c.plainBars;
    const CrackPass& last = c.base->crack->last;
    t.heading("光圆钢筋的裂缝宽度（等效直径deq/0.7，Es=2.1*10^5）：");
    t.line(
        "Wmax=2.1*ψ*σsk/Es*(1.9*c1+0.08*(deq/0.7)/ρte)=2.1*{Fai}*{Csk}/(2.1*10^5)*(1.9*{c1}"
        "+0.08*({d}/0.7)/{Rte})={W}(mm)（第3节为{W0}(mm)）",
        {{"Fai", last.Fai},
         {"Csk", last.Csk},
         {"c1", t.typed(Input::c1)},
         {"d", static_cast<long long>(p.deq)},
         {"Rte", last.Rte},
         {"W", p.W},
         {"W0", s.W}});
    t.line("Wmax={W}(mm){cmp}{limit}(mm){verdict}",
           {{"W", p.W},
            {"cmp", p.meets ? "≤" : ">"},
            {"limit", t.typed(Input::Wmax)},
            {"verdict", p.meets ? "，满足" : "，不满足，请加大钢筋直径或减小钢筋间距"}});
}

void governingLine(Text& t, std::string_view where, const Governing::Choice& g) {
    const std::string civil = bars(g.civilBars, t.typed(Input::ss));
    const std::string ordinary = bars(g.ordinaryBars, t.typed(Input::ss));
    t.line("{where}：人防As={c}(mm2)（{cb}），非人防As={o}(mm2)（{ob}），取{from}：{bars}",
           {{"where", where},
            {"c", g.civilAs},
            {"cb", civil},
            {"o", g.ordinaryAs},
            {"ob", ordinary},
            {"from", g.fromOrdinary ? "非人防" : "人防"},
            {"bars", g.fromOrdinary ? ordinary : civil}});
}

void governingSection(Text& t, const Checks& c) {
    if (!c.governing) return;
    const Governing& g = *c.governing;
    t.heading("人防与平时（非人防）设计的竖向钢筋，取大者：");
    if (!g.ordinaryProblem.empty()) t.line(g.ordinaryProblem);
    governingLine(t, "B处", g.base);
    if (g.span) governingLine(t, "A处", *g.span);
}

void warningsSection(Text& t, const Checks& c) {
    if (c.warnings.empty()) return;
    t.heading("输入提示：");
    for (const std::string& w : c.warnings)
        t.line("    {w}", {{"w", w}});
}

}  // namespace

namespace {

// The sections after the title line.
void writeSections(Text& t, const PressResult& press) {
    const Checks& c = *press.checks;
    const CalcState& s = press.state;
    memberSection(t, c, s);
    if (c.code2010) {
        combinationLines(t, c, s);
        detail::sections2010(t, c, press);
        warningsSection(t, c);
        return;
    }
    spanSection(t, c, s);
    strengthBarsSection(t, c, s);
    xiSection(t, c, press);
    minimumSection(t, c, s);
    horizontalSection(t, c);
    shearSection(t, c, s);
    plainBarsSection(t, c, s);
    governingSection(t, c);
    warningsSection(t, c);
}

}  // namespace

std::string supplementaryText(const PressResult& press) {
    if (!press.checks) return {};
    Text t(press);
    t.line("补充验算：");
    writeSections(t, press);
    return t.out;
}

report::TypesetText typesetSupplementary(const PressResult& press,
                                         const report::Notation& notation) {
    if (!press.checks) return {};
    Text t(press, &notation);
    writeSections(t, press);
    return t.typeset;
}

}  // namespace wallcalc
