// The 2010 basis's supplementary design as text, after the member forces: every value
// computed unrounded and shown to three decimals, a bound written after the quotient it
// replaces, and each check's verdict with what to change where it fails.
#include <cmath>

#include "checks_text.hpp"
#include "wallcalc/design/code_limits.hpp"
#include "wallcalc/design/crack_width_text.hpp"
#include "wallcalc/engine/checks.hpp"
#include "wallcalc/report/number_text.hpp"
#include "wallcalc/report/shown_value.hpp"

namespace wallcalc::detail {
namespace {

using report::Named;
using report::shown;

std::string barsText(const std::optional<design::Bars>& b, std::string_view spacing) {
    if (!b) return std::string(kTooLarge);
    return std::to_string(b->d) + "@ " + std::string(spacing) + "  (mm)";
}

// The names a face's lines use: "MAd", "h0'", "c2".
struct FaceNames {
    std::string_view design, quasi, depth, cover;
    Input coverInput;
};

void strengthLines(Text& t, const Supplementary2010& s, const design::FaceDesign& f,
                   const FaceNames& n) {
    const design::Materials& m = s.materials;
    const int d = f.strengthBars ? f.strengthBars->d : design::kLargestPressSize;
    const std::string bars = barsText(f.strengthBars, t.typed(Input::ss));
    const std::initializer_list<Named> v = {{"Md", n.design},
                                            {"h0n", n.depth},
                                            {"cn", n.cover},
                                            {"h5", t.typed(Input::h5)},
                                            {"c", t.typed(n.coverInput)},
                                            {"d", static_cast<long long>(d)},
                                            {"h0", shown(f.strength.h0)},
                                            {"M", shown(f.strength.M)},
                                            {"a1", m.concrete->alpha1},
                                            {"fc", m.fc()},
                                            {"fy", m.fy()},
                                            {"as", shown(f.strength.alphaS)},
                                            {"xi", shown(f.strength.xi)},
                                            {"As", shown(f.strength.As)},
                                            {"min", shown(f.AsMin)},
                                            {"bars", bars}};
    t.line("{h0n}=h5-{cn}-d/2={h5}-{c}-{d}/2={h0} (mm)（d为按强度选用的钢筋直径）", v);
    t.line("αs={Md}*10^6/(α1*fc*1000*{h0n}^2)={M}*10^6/({a1}*{fc}*1000*{h0}^2)={as}", v);
    if (f.strength.tooSmall) {
        t.line("αs≥0.5，截面不足，所得As不是有效设计，请增加外墙厚度或提高砼强度等级");
    } else {
        t.line("ξ=1-(1-2*αs)^0.5=1-(1-2*{as})^0.5={xi}", v);
    }
    t.line("As=α1*fc*1000*{h0n}*ξ/fy={a1}*{fc}*1000*{h0}*{xi}/{fy}={As}(mm2)", v);
    t.line(f.minimumGoverns ? "As={As}(mm2)<As,min={min}(mm2)，按As,min选用钢筋"
                            : "As={As}(mm2)≥As,min={min}(mm2)，按As选用钢筋",
           v);
    if (f.strengthBars) {
        t.line("满足强度要求时选用钢筋为：{bars}", v);
    } else {
        t.line("所需钢筋超出可选钢筋（最大25mm），不满足，请增加外墙厚度或减小钢筋间距");
    }
}

void crackLines(Text& t, const Supplementary2010& s, const design::FaceDesign& f,
                const FaceNames& n, double Mq, double limit) {
    const design::CrackWidth& k = *f.crack;
    const design::Materials& m = s.materials;
    if (f.crackPasses > 1) {
        t.line("按强度选用钢筋的裂缝宽度大于裂缝限值，钢筋直径逐级加大1mm，最后一次：");
    }
    // The texts the lines name are made first: the list below only points at them.
    const design::CrackWidthShown sk = design::crackWidthShown(k);
    const std::initializer_list<Named> v = {
        {"Mq", n.quasi},
        {"h0n", n.depth},
        {"cn", n.cover},
        {"h5", t.typed(Input::h5)},
        {"c", t.typed(n.coverInput)},
        {"s", t.typed(Input::ss)},
        {"d", static_cast<long long>(k.d)},
        {"h0", sk.h0},
        {"As", sk.As},
        {"rte", sk.rhoTe},
        {"rteu", sk.rhoTeUsed},
        {"M", shown(Mq)},
        {"sq", sk.sigma},
        {"ftk", m.concrete->ftk},
        {"psi", sk.psi},
        {"psiu", sk.psiUsed},
        {"cs", sk.cs},
        {"csu", sk.csUsed},
        {"nu", k.nu},
        {"deq", sk.deq},
        {"Es", m.steel->Es},
        {"w", sk.w},
        {"limit", t.typed(Input::Wmax)},
        {"cmp", f.crackMet ? "≤" : ">"},
        {"verdict", f.crackMet ? "，满足" : "，不满足，请增加外墙厚度或减小钢筋间距"},
        {"limitValue", limit}};
    t.line("{h0n}=h5-{cn}-d/2={h5}-{c}-{d}/2={h0} (mm)", v);
    t.line("As=π/4*d^2*1000/s=π/4*{d}^2*1000/{s}={As}(mm2)", v);
    t.line("ρte=As/(0.5*1000*h5)={As}/(0.5*1000*{h5})={rte}", v);
    t.line("σsq={Mq}*10^6/(0.87*{h0n}*As)={M}*10^6/(0.87*{h0}*{As})={sq}(N/mm2)", v);
    t.line("ψ=1.1-0.65*ftk/(ρte*σsq)=1.1-0.65*{ftk}/({rteu}*{sq})={psi}", v);
    t.line("cs={cn}={cs}，deq=d/ν={d}/{nu}={deq}(mm)", v);
    t.line(
        "Wmax=1.9*ψ*σsq/Es*(1.9*cs+0.08*deq/ρte)=1.9*{psiu}*{sq}/{Es}*(1.9*{csu}+0.08*{deq}/"
        "{rteu})={w}(mm)",
        v);
    t.line("Wmax={w}(mm){cmp}{limit}(mm){verdict}", v);
}

void spanSection(Text& t, const Checks& c) {
    const Supplementary2010& s = *c.code2010;
    t.heading("A处（跨中）背水面竖向钢筋：");
    if (!s.span) {
        t.line(c.spanProblem);
        return;
    }
    const design::FaceDesign& f = *s.span;
    const bool civil = c.mode == Mode::CivilDefence;
    const std::initializer_list<Named> v = {{"g0", t.typed(Input::gamma0)},
                                            {"MA", shown(s.design.MA)},
                                            {"Md", shown(f.strength.M)},
                                            {"Mq", s.quasi ? shown(s.quasi->MA) : 0.0}};
    t.line(civil ? "MAd=γ0*MA={g0}*{MA}={Md} (kNm)（人防组合）"
                 : "MAd=γ0*MA={g0}*{MA}={Md} (kNm)（基本组合），MAq={Mq} (kNm)（准永久组合）",
           v);
    const FaceNames n{"MAd", "MAq", "h0'", "c2", Input::c2};
    strengthLines(t, s, f, n);
    if (f.crack) {
        crackLines(t, s, f, n, s.quasi->MA, c.limit);
    } else if (civil) {
        t.line("人防工程不计算裂缝。");
    }
}

// What to change where a check fails: the thickness that passes it, where one is known.
std::string thickerWall(const std::optional<double>& h5) {
    if (h5 && *h5 > 0) {
        return "请增加外墙厚度至h5≥" + report::doubleText(*h5) + "(mm)或提高砼强度等级";
    }
    return "请增加外墙厚度或提高砼强度等级";
}

void xiLine(Text& t, std::string_view where, const design::FaceDesign& f, double xiB,
            const std::optional<double>& h5) {
    const std::string change = thickerWall(h5);
    const std::initializer_list<Named> v = {
        {"where", where}, {"xi", shown(f.strength.xi)}, {"xib", shown(xiB)}, {"change", change}};
    if (f.strength.xi <= xiB) {
        t.line("{where}：ξ={xi}≤ξb={xib}，满足", v);
    } else {
        t.line("{where}：ξ={xi}>ξb={xib}，超筋，不满足，{change}", v);
    }
}

void xiSection(Text& t, const Checks& c) {
    const Supplementary2010& s = *c.code2010;
    const design::Materials& m = s.materials;
    t.heading("相对受压区高度：");
    const std::initializer_list<Named> v = {{"grade", m.concrete->name},  {"b1", m.concrete->beta1},
                                            {"ecu", m.concrete->epsCu()}, {"fy", m.fy()},
                                            {"Es", m.steel->Es},          {"xib", shown(s.xiB)}};
    if (m.concrete->epsCu() >= 0.0033) {
        t.line("{grade}：β1={b1}，εcu=0.0033", v);
    } else {
        t.line("{grade}：β1={b1}，εcu=0.0033-(fcu,k-50)*10^-5={ecu}", v);
    }
    t.line("ξb=β1/(1+fy/(Es*εcu))={b1}/(1+{fy}/({Es}*{ecu}))={xib}", v);
    xiLine(t, "B处", s.base, s.xiB, s.baseThicknessForXi);
    if (s.span) xiLine(t, "A处", *s.span, s.xiB, s.spanThicknessForXi);
}

void minimumFaceLine(Text& t, std::string_view where, const design::FaceDesign& f) {
    if (!f.placed) {
        t.line("{where}：所需钢筋超出可选钢筋，未能比较", {{"where", where}});
        return;
    }
    const std::string bars = barsText(f.placed, t.typed(Input::ss));
    const std::initializer_list<Named> v = {
        {"where", where}, {"bars", bars}, {"As", shown(f.placed->area)}, {"min", shown(f.AsMin)}};
    if (f.placed->area >= f.AsMin) {
        t.line("{where}：{bars}，As={As}(mm2)≥{min}(mm2)，满足", v);
    } else {
        t.line("{where}：{bars}，As={As}(mm2)<{min}(mm2)，不满足，请加大钢筋直径或减小间距", v);
    }
}

void minimumSection(Text& t, const Checks& c) {
    const Supplementary2010& s = *c.code2010;
    const design::Materials& m = s.materials;
    t.heading("最小配筋率（每侧）：");
    const double byStrength = 45 * m.concrete->ft / m.steel->fy;
    const double civil = m.civilDefence() ? m.concrete->civilMinimumSteel : 0;
    const double rho = std::max({0.2, byStrength, civil});
    const std::initializer_list<Named> v = {
        {"ft", m.concrete->ft},     {"fy", static_cast<long long>(m.steel->fy)},
        {"r", shown(byStrength)},   {"civil", civil},
        {"rho", shown(rho)},        {"h5", t.typed(Input::h5)},
        {"As", shown(s.base.AsMin)}};
    if (m.civilDefence()) {
        t.line("ρmin=max(0.2%, 45*ft/fy%, 人防{civil}%)=max(0.2%, 45*{ft}/{fy}%, {civil}%)={rho}%",
               v);
    } else {
        t.line("ρmin=max(0.2%, 45*ft/fy%)=max(0.2%, 45*{ft}/{fy}%)=max(0.2%, {r}%)={rho}%", v);
    }
    t.line("As,min=ρmin*1000*h5={rho}%*1000*{h5}={As}(mm2)", v);
    minimumFaceLine(t, "B处迎水面", s.base);
    if (s.span) minimumFaceLine(t, "A处背水面", *s.span);
}

void horizontalLines(Text& t, std::string_view face, const design::HorizontalBars& h,
                     double vertical) {
    const std::string spacing = report::doubleText(h.spacing);
    const std::string bars = barsText(h.bars, spacing);
    const std::initializer_list<Named> v = {{"face", face},
                                            {"h5", t.typed(Input::h5)},
                                            {"Av", shown(vertical)},
                                            {"r", shown(h.byRatio)},
                                            {"share", shown(h.byShare)},
                                            {"As", shown(h.As)},
                                            {"ss", t.typed(Input::ss)},
                                            {"s", h.spacing},
                                            {"bars", bars},
                                            {"d", static_cast<long long>(h.bars ? h.bars->d : 0)},
                                            {"area", h.bars ? shown(h.bars->area) : 0.0}};
    t.line(
        "{face}：As,h=max(0.1%*1000*h5, 15%*As,v)=max(0.1%*1000*{h5}, 15%*{Av})=max({r}, "
        "{share})={As}(mm2)，间距s=min({ss},200)={s} (mm)",
        v);
    if (h.bars) {
        t.line("选用钢筋为：{bars}，As=π/4*{d}^2*1000/{s}={area}(mm2)≥{As}(mm2)，满足", v);
    } else {
        t.line("选用25mm钢筋仍不足，不满足，请减小钢筋间距或增加外墙厚度");
    }
}

void horizontalSection(Text& t, const Checks& c) {
    const Supplementary2010& s = *c.code2010;
    t.heading("水平分布钢筋（每侧，GB 50010-2010 9.1.7：不小于该侧竖向受力钢筋的15%）：");
    horizontalLines(t, "迎水面", s.earthHorizontal, s.base.placed ? s.base.placed->area : 0);
    horizontalLines(t, "背水面", s.innerHorizontal,
                    s.span && s.span->placed ? s.span->placed->area : 0);
}

void shearSection(Text& t, const Checks& c) {
    const Supplementary2010& s = *c.code2010;
    const design::Shear& v = s.shear;
    const bool civil = c.mode == Mode::CivilDefence;
    const int d = s.base.strengthBars ? s.base.strengthBars->d : design::kLargestPressSize;
    t.heading("B处斜截面受剪（墙条宽1000mm，不配箍筋）：");
    const std::string change = thickerWall(s.shearThickness);
    const std::initializer_list<Named> n = {{"g0", t.typed(Input::gamma0)},
                                            {"VB", shown(s.design.VB)},
                                            {"V", shown(v.V)},
                                            {"h5", t.typed(Input::h5)},
                                            {"c1", t.typed(Input::c1)},
                                            {"d", static_cast<long long>(d)},
                                            {"h0", shown(v.h0)},
                                            {"h0b", v.h0ForBeta.used},
                                            {"bh", shown(v.betaH)},
                                            {"ft0", s.materials.concrete->ft},
                                            {"f", s.materials.concreteFactor()},
                                            {"ft", v.ft},
                                            {"Vc", shown(v.Vc)},
                                            {"change", change}};
    t.line(
        civil ? "V=γ0*VB={g0}*{VB}={V} (kN)（人防组合）" : "V=γ0*VB={g0}*{VB}={V} (kN)（基本组合）",
        n);
    t.line("h0=h5-c1-d/2={h5}-{c1}-{d}/2={h0} (mm)", n);
    if (v.h0ForBeta.belowLower()) {
        t.line("h0={h0}(mm)<800(mm)，取h0=800(mm)：βh=(800/h0)^0.25=(800/{h0b})^0.25={bh}", n);
    } else if (v.h0ForBeta.aboveUpper()) {
        t.line("h0={h0}(mm)>2000(mm)，取h0=2000(mm)：βh=(800/h0)^0.25=(800/{h0b})^0.25={bh}", n);
    } else {
        t.line("βh=(800/h0)^0.25=(800/{h0})^0.25={bh}", n);
    }
    if (civil) t.line("ft={f}*{ft0}={ft} (N/mm2)（人防砼强度调整系数）", n);
    t.line("Vc=0.7*βh*ft*1000*h0=0.7*{bh}*{ft}*1000*{h0}/1000={Vc} (kN)", n);
    if (v.ok()) {
        t.line("V={V}≤Vc={Vc}，满足", n);
    } else {
        t.line("V={V}>Vc={Vc}，不满足，{change}", n);
    }
}

void governingLine(Text& t, std::string_view where, const Supplementary2010::Choice& g) {
    const std::string civil = barsText(g.civilBars, t.typed(Input::ss));
    const std::string ordinary = barsText(g.ordinaryBars, t.typed(Input::ss));
    t.line("{where}：人防As={c}(mm2)（{cb}），非人防As={o}(mm2)（{ob}），取{from}：{bars}",
           {{"where", where},
            {"c", shown(g.civilAs)},
            {"cb", civil},
            {"o", shown(g.ordinaryAs)},
            {"ob", ordinary},
            {"from", g.fromOrdinary ? "非人防" : "人防"},
            {"bars", g.fromOrdinary ? ordinary : civil}});
}

void governingSection(Text& t, const Checks& c) {
    const Supplementary2010& s = *c.code2010;
    if (!s.governingBase) return;
    t.heading("人防与平时（非人防）设计的竖向钢筋，取大者：");
    if (c.governing && !c.governing->ordinaryProblem.empty()) {
        t.line(c.governing->ordinaryProblem);
    }
    governingLine(t, "B处", *s.governingBase);
    if (s.governingSpan) governingLine(t, "A处", *s.governingSpan);
}

}  // namespace

void sections2010(Text& t, const Checks& c, const PressResult&) {
    spanSection(t, c);
    xiSection(t, c);
    minimumSection(t, c);
    horizontalSection(t, c);
    shearSection(t, c);
    governingSection(t, c);
}

}  // namespace wallcalc::detail
