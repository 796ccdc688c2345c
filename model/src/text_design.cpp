// 三、截面设计 and 四、结论: the materials, ξb and the minimum steel, then each storey's
// faces (strength with h0 at the bars' own diameter, the bars, the crack width of the bars
// put in), the shear at both supports, the horizontal bars and the storey's verdict.
#include <cmath>

#include "text_parts.hpp"
#include "wallcalc/design/crack_width_text.hpp"

namespace wallcalc::model::text {
namespace {

using report::shownText;

std::string barsText(const std::optional<design::Bars>& b) {
    if (!b) return "无（32mm钢筋仍不足）";
    return std::to_string(b->d) + "@" + typed(b->spacing) + "（As=" + shownText(b->area) + "mm2）";
}

void materialLines(Lines& t, const WallModel& m, const WallDesign& d) {
    const design::Materials& p = d.peacetime;
    const design::ConcreteGrade& c = *p.concrete;
    const design::SteelGrade& s = *p.steel;
    t.line("三、截面设计（GB 50010-2010（2015年版），每米墙长b=1000mm，钢筋间距s={s}mm）",
           {{"s", m.spacing}});
    t.line(
        "砼{c}：fc={fc}，α1={a1}，ft={ft}，ftk={ftk}(N/"
        "mm2)，β1={b1}，εcu={ecu}；钢筋{st}：fy={fy}，"
        "Es={Es}(N/mm2)",
        {{"c", c.name},
         {"fc", c.fc},
         {"a1", c.alpha1},
         {"ft", c.ft},
         {"ftk", c.ftk},
         {"b1", c.beta1},
         {"ecu", c.epsCu()},
         {"st", s.name},
         {"fy", static_cast<long long>(s.fy)},
         {"Es", s.Es}});
    if (d.wartime) {
        const design::Materials& w = *d.wartime;
        t.line(
            "人防（GB 50038-2005材料强度综合调整系数）：fcd={kc}*{fc}={fcd}，ftd={kc}*{ft}={ftd}，"
            "fyd={ks}*{fy}={fyd}(N/mm2)",
            {{"kc", w.concreteFactor()},
             {"fc", c.fc},
             {"fcd", shown(w.fc())},
             {"ft", c.ft},
             {"ftd", shown(w.ft())},
             {"ks", w.steelFactor()},
             {"fy", static_cast<long long>(s.fy)},
             {"fyd", shown(w.fy())}});
    }
    const auto xiB = [&](const design::Materials& mat, std::string_view name) {
        t.line("{name}ξb=β1/(1+fy/(Es*εcu))={b1}/(1+{fy}/({Es}*{ecu}))={xib}",
               {{"name", name},
                {"b1", c.beta1},
                {"fy", shown(mat.fy())},
                {"Es", s.Es},
                {"ecu", c.epsCu()},
                {"xib", shown(design::limitXi(c.beta1, mat.fy(), s.Es, c.epsCu()))}});
    };
    xiB(p, "");
    if (d.wartime) xiB(*d.wartime, "人防：");
    const double byStrength = 45 * c.ft / s.fy;
    t.line(
        "ρmin=max(0.2%,45*ft/fy%)=max(0.2%,45*{ft}/{fy}%)=max(0.2%,{r}%)={rho}%（GB 50010-2010 "
        "8.5.1）",
        {{"ft", c.ft},
         {"fy", static_cast<long long>(s.fy)},
         {"r", shown(byStrength)},
         {"rho", shown(d.rhoMinPeacetime)}});
    if (d.wartime) {
        t.line("人防：ρmin=max({rho}%,{civil}%)={rhow}%（GB 50038-2005）",
               {{"rho", shown(d.rhoMinPeacetime)},
                {"civil", c.civilMinimumSteel},
                {"rhow", shown(d.rhoMinWartime)}});
    }
    t.line(
        "竖向钢筋直径自8、10、12、14、16、18、20、22、25、28、32mm中选用满足强度与最小配筋率的最小"
        "者，"
        "其准永久组合裂缝宽度（GB 50010-2010 7.1.2）大于限值{w}mm时逐级加大直径",
        {{"w", m.limit}});
    if (d.wartime) {
        t.line(
            "人防工程：每一截面分别按平时（基本组合）与战时（人防组合，材料强度乘调整系数，"
            "弯矩乘γ0）设计，取钢筋较大者；裂缝宽度按平时准永久组合验算所配钢筋");
    }
}

// The cover a face's h0 stands at, as the text names it: a panel's horizontal bars lie
// inside the vertical bars of their face.
std::string_view coverName(FacePlace place) {
    switch (place) {
        case FacePlace::WaterTop:
        case FacePlace::WaterBottom:
            return "c1";
        case FacePlace::InnerSpan:
            return "c2";
        case FacePlace::WaterSide:
            return "(c1+d竖)";
        case FacePlace::InnerHorizontalSpan:
            break;
    }
    return "(c2+d竖)";
}

// Where a face's design moment comes from: the strip's support moment Mj or its span
// moment; a panel's governing moments of 二、内力（双向板）.
std::string momentSource(FacePlace place, std::size_t support, bool twoWay) {
    switch (place) {
        case FacePlace::WaterTop:
            return twoWay ? "-M竖顶" : "-M" + std::to_string(support);
        case FacePlace::WaterBottom:
            return twoWay ? "-M竖底" : "-M" + std::to_string(support);
        case FacePlace::InnerSpan:
            return twoWay ? "M竖跨中" : "M跨中";
        case FacePlace::WaterSide:
            return "max(-M水平左,-M水平右)";
        case FacePlace::InnerHorizontalSpan:
            break;
    }
    return "M水平跨中";
}

struct FaceNames {
    std::string_view M;      // "Md", "Mc"
    std::string_view cover;  // "c1", "c2"
};

void strengthLines(Lines& t, const StoreyDesign& s, const FaceCheck& f, const FaceCase& c,
                   const design::Materials& mat, const FaceNames& n) {
    const design::FaceDesign& face = c.face;
    const int d = face.strengthBars ? face.strengthBars->d
                                    : design::kStandardSizes[std::size(design::kStandardSizes) - 1];
    const std::string bars = barsText(face.strengthBars);
    const std::initializer_list<Named> v = {{"M", n.M},
                                            {"cn", n.cover},
                                            {"h", s.thickness},
                                            {"c", f.cover},
                                            {"d", static_cast<long long>(d)},
                                            {"h0", shown(face.strength.h0)},
                                            {"Mv", shown(face.strength.M)},
                                            {"a1", mat.concrete->alpha1},
                                            {"fc", shown(mat.fc())},
                                            {"fy", shown(mat.fy())},
                                            {"as", shown(face.strength.alphaS)},
                                            {"xi", shown(face.strength.xi)},
                                            {"xib", shown(c.xiB)},
                                            {"cmp", c.xiOk() ? "≤" : ">"},
                                            {"As", shown(face.strength.As)},
                                            {"min", shown(face.AsMin)},
                                            {"bars", bars}};
    t.line("    h0=h-{cn}-d/2={h}-{c}-{d}/2={h0}(mm)（d为按强度选用的钢筋直径）", v);
    t.line("    αs={M}*10^6/(α1*fc*1000*h0^2)={Mv}*10^6/({a1}*{fc}*1000*{h0}^2)={as}", v);
    if (face.strength.tooSmall) {
        t.line("    αs≥0.5，截面不能承受弯矩，不满足", v);
        return;
    }
    t.line("    ξ=1-(1-2*αs)^0.5=1-(1-2*{as})^0.5={xi}{cmp}ξb={xib}", v);
    t.line("    As=α1*fc*1000*h0*ξ/fy={a1}*{fc}*1000*{h0}*{xi}/{fy}={As}(mm2)", v);
    t.line(face.minimumGoverns ? "    As={As}(mm2)<As,min={min}(mm2)，按As,min选用：{bars}"
                               : "    As={As}(mm2)≥As,min={min}(mm2)，按As选用：{bars}",
           v);
}

void crackLines(Lines& t, const StoreyDesign& s, const FaceCheck& f, const WallDesign& w) {
    const design::CrackWidth& k = *f.crack;
    const design::Materials& m = w.peacetime;
    const design::CrackWidthShown sk = design::crackWidthShown(k);
    const bool met = f.crackOk();
    const std::initializer_list<Named> v = {{"cn", coverName(f.place)},
                                            {"h", s.thickness},
                                            {"c", f.cover},
                                            {"sp", f.provided->spacing},
                                            {"d", static_cast<long long>(k.d)},
                                            {"h0", sk.h0},
                                            {"As", sk.As},
                                            {"rte", sk.rhoTe},
                                            {"rteu", sk.rhoTeUsed},
                                            {"Mq", shown(*f.Mq)},
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
                                            {"limit", f.limit},
                                            {"cmp", met ? "≤" : ">"},
                                            {"verdict", met ? "满足" : "不满足"}};
    t.line(
        "    裂缝宽度（所配{d}@{sp}，Mq={Mq}kN·m/m）：h0=h-{cn}-d/2={h}-{c}-{d}/2={h0}(mm)，"
        "As=π/4*{d}^2*1000/{sp}={As}(mm2)",
        v);
    t.line("    ρte=As/(0.5*1000*h)={As}/(0.5*1000*{h})={rte}", v);
    t.line("    σsq=Mq*10^6/(0.87*h0*As)={Mq}*10^6/(0.87*{h0}*{As})={sq}(N/mm2)", v);
    t.line("    ψ=1.1-0.65*ftk/(ρte*σsq)=1.1-0.65*{ftk}/({rteu}*{sq})={psi}", v);
    t.line("    cs={cn}={cs}，deq=d/ν={d}/{nu}={deq}(mm)", v);
    t.line(
        "    "
        "w=1.9*ψ*σsq/Es*(1.9*cs+0.08*deq/ρte)=1.9*{psiu}*{sq}/{Es}*(1.9*{csu}+0.08*{deq}/{rteu})"
        "={w}(mm){cmp}{limit}(mm)，{verdict}",
        v);
}

void faceLines(Lines& t, const StoreyDesign& s, const FaceCheck& f, const WallDesign& w,
               std::size_t support) {
    const FaceNames names{"Md", coverName(f.place)};
    const std::string source = momentSource(f.place, support, s.shearSide.has_value());
    if (horizontalFace(f.place)) {
        t.line("  {place}：水平筋在竖向筋内侧，{cn}={c}(mm)",
               {{"place", placeName(f.place)}, {"cn", names.cover}, {"c", f.cover}});
    }
    t.line("  {place}（基本组合，荷载中已含γ0）：Md={src}={M}(kN·m/m){mq}",
           {{"place", placeName(f.place)},
            {"src", source},
            {"M", shown(f.Md)},
            {"mq", f.Mq ? "，准永久组合Mq=" + shownText(*f.Mq) + "(kN·m/m)" : std::string()}});
    if (f.Md > kNoForce) {
        strengthLines(t, s, f, f.peacetime, w.peacetime, names);
    } else {
        t.line(
            "    基本组合下不受拉，按As,min={min}(mm2)选用：{bars}",
            {{"min", shown(f.peacetime.face.AsMin)}, {"bars", barsText(f.peacetime.face.placed)}});
    }
    if (f.peacetime.face.crackPasses > 1) {
        t.line("    按强度选用的钢筋裂缝宽度大于限值，逐级加大直径至：{bars}",
               {{"bars", barsText(f.peacetime.face.placed)}});
    }
    if (f.wartime) {
        t.line("  {place}（人防组合）：Mc=γ0*({src})={g0}*{M0}={M}(kN·m/m)",
               {{"place", placeName(f.place)},
                {"src", source},
                {"g0", w.gamma0},
                {"M0", shown(f.civilMoment)},
                {"M", shown(*f.Mc)}});
        strengthLines(t, s, f, *f.wartime, *w.wartime, {"Mc", names.cover});
        t.line("  取平时与人防之大者：平时{p}，人防{w}，取{from}：{bars}",
               {{"p", barsText(f.peacetime.face.placed)},
                {"w", barsText(f.wartime->face.placed)},
                {"from", f.wartimeGoverns ? "人防" : "平时"},
                {"bars", barsText(f.provided)}});
    }
    if (f.crack) crackLines(t, s, f, w);
}

void shearCaseLines(Lines& t, const StoreyDesign& s, const ShearCheck& c, const ShearCase& k,
                    std::string_view name, double ft0, double factor, std::string_view cover) {
    const design::Shear& v = k.shear;
    const std::initializer_list<Named> n = {{"name", name},
                                            {"V", shown(v.V)},
                                            {"cn", cover},
                                            {"h", s.thickness},
                                            {"c", c.cover},
                                            {"d", static_cast<long long>(c.d)},
                                            {"h0", shown(v.h0)},
                                            {"h0b", v.h0ForBeta.used},
                                            {"bh", shown(v.betaH)},
                                            {"ft0", ft0},
                                            {"k", factor},
                                            {"ft", shown(v.ft)},
                                            {"Vc", shown(v.Vc)},
                                            {"cmp", v.ok() ? "≤" : ">"},
                                            {"verdict", v.ok() ? "满足" : "不满足"}};
    t.line("    {name}V={V}(kN/m)；h0=h-{cn}-d/2={h}-{c}-{d}/2={h0}(mm)", n);
    if (v.h0ForBeta.belowLower()) {
        t.line("    h0={h0}(mm)<800(mm)，取h0=800(mm)：βh=(800/h0)^0.25=(800/{h0b})^0.25={bh}", n);
    } else if (v.h0ForBeta.aboveUpper()) {
        t.line("    h0={h0}(mm)>2000(mm)，取h0=2000(mm)：βh=(800/h0)^0.25=(800/{h0b})^0.25={bh}",
               n);
    } else {
        t.line("    βh=(800/h0)^0.25=(800/{h0})^0.25={bh}", n);
    }
    if (factor != 1) t.line("    ftd={k}*{ft0}={ft}(N/mm2)", n);
    t.line(
        "    Vc=0.7*βh*ft*1000*h0/1000=0.7*{bh}*{ft}*1000*{h0}/1000={Vc}(kN/m)；V={V}{cmp}Vc={Vc}，"
        "{verdict}",
        n);
}

// The edges a storey's shear is checked at, as the text names them.
enum class ShearPlace : std::uint8_t { Top, Bottom, Side };

void shearLines(Lines& t, const StoreyDesign& s, const ShearCheck& c, const WallDesign& w,
                ShearPlace place) {
    const std::string_view where = place == ShearPlace::Top      ? "墙顶"
                                   : place == ShearPlace::Bottom ? "墙底"
                                                                 : "侧边支座";
    t.line("  {where}受剪（支座处剪力，不配箍筋，GB 50010-2010 6.3.3）：", {{"where", where}});
    // h0 stands at the bars of the face named in ShearCheck (see wall_design).
    std::string_view cover = c.waterFace ? "c1" : "c2";
    if (place == ShearPlace::Side) cover = c.waterFace ? "(c1+d竖)" : "(c2+d竖)";
    const double ft = w.peacetime.concrete->ft;
    shearCaseLines(t, s, c, c.peacetime, "基本组合（荷载中已含γ0）：", ft, 1, cover);
    if (c.wartime) {
        const std::string name =
            "人防组合：γ0*|V|=" + typed(w.gamma0) + "*" + shownText(c.Vcivil) + "，";
        shearCaseLines(t, s, c, *c.wartime, name, ft, w.wartime->concreteFactor(), cover);
    }
}

void horizontalLine(Lines& t, std::string_view face, const StoreyDesign& s,
                    const design::HorizontalBars& h, const WallModel& m) {
    const std::string bars = barsText(h.bars);
    const std::initializer_list<Named> v = {{"face", face},
                                            {"h", s.thickness},
                                            {"Av", shown(h.byShare / design::kDistributionShare)},
                                            {"r", shown(h.byRatio)},
                                            {"share", shown(h.byShare)},
                                            {"As", shown(h.As)},
                                            {"ss", m.spacing},
                                            {"s", h.spacing},
                                            {"bars", bars},
                                            {"verdict", h.bars ? "满足" : "不满足"}};
    t.line(
        "  {face}：As,h=max(0.1%*1000*h,15%*As,v)=max(0.1%*1000*{h},15%*{Av})=max({r},{share})="
        "{As}(mm2)，s=min({ss},200)={s}(mm)：{bars}，{verdict}",
        v);
}

void storeyLines(Lines& t, const WallModel& m, const WallDesign& w, const StoreyDesign& s) {
    const std::initializer_list<Named> v = {{"n", static_cast<long long>(s.index + 1)},
                                            {"h", s.thickness},
                                            {"c1", s.c1},
                                            {"c2", s.c2},
                                            {"rho", shown(w.rhoMinPeacetime)},
                                            {"min", shown(s.AsMinPeacetime)},
                                            {"rhow", shown(w.rhoMinWartime)},
                                            {"minw", shown(s.AsMinWartime)}};
    t.line(
        "3.{n} 第{n}层：h={h}(mm)，c1={c1}(mm)，c2={c2}(mm)；As,min=ρmin*1000*h={rho}%*1000*{h}="
        "{min}(mm2)",
        v);
    if (w.wartime) t.line("  人防：As,min={rhow}%*1000*{h}={minw}(mm2)", v);
    const bool twoWay = s.shearSide.has_value();
    for (const FacePlace place : kFacePlaces) {
        if (horizontalFace(place) && !twoWay) continue;
        const auto& f = s.face(place);
        if (!f) {
            t.line("  {place}：不受拉，不需计算", {{"place", placeName(place)}});
            continue;
        }
        faceLines(t, s, *f, w, place == FacePlace::WaterTop ? s.index : s.index + 1);
    }
    shearLines(t, s, s.shearTop, w, ShearPlace::Top);
    shearLines(t, s, s.shearBottom, w, ShearPlace::Bottom);
    if (s.shearSide) shearLines(t, s, *s.shearSide, w, ShearPlace::Side);
    t.line("  水平分布钢筋（每侧，GB 50010-2010 9.1.7，As,v为该侧所配竖向钢筋）：");
    horizontalLine(t, "迎水面", s, s.waterHorizontal, m);
    horizontalLine(t, "背水面", s, s.innerHorizontal, m);
    t.line("  第{n}层结论：{line}",
           {{"n", static_cast<long long>(s.index + 1)}, {"line", s.verdict.line()}});
}

}  // namespace

void designLines(Lines& t, const WallModel& m, const WallDesign& d) {
    materialLines(t, m, d);
    for (const StoreyDesign& s : d.designed())
        storeyLines(t, m, d, s);
}

void verdictLines(Lines& t, const WallDesign& d) {
    t.line("四、结论：{line}", {{"line", d.verdict.line()}});
    for (const design::Failure& f : d.verdict.failed)
        t.line("  " + f.text);
}

}  // namespace wallcalc::model::text
