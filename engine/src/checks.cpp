// The supplementary design of a completed press (see checks.hpp for what it holds).
#include "wallcalc/engine/checks.hpp"

#include <algorithm>
#include <cmath>

#include "checks_2010.hpp"
#include "run.hpp"
#include "wallcalc/engine/number_input.hpp"
#include "wallcalc/engine/rounding.hpp"
#include "wallcalc/report/number_text.hpp"

namespace wallcalc {
namespace {

// How much of the supplementary design to make: all of it, or only the vertical steel of
// the two faces (what the civil-defence design compares with the ordinary one).
enum class Scope { Whole, Faces };
// The design of a press, made in `out` (a Checks is large: it is built where it stays);
// `out` is left empty when there is nothing to check.
// The texts typed are those of `typed`: the press itself, or for the second opinion the
// press whose inputs it shares.
void designInto(std::optional<Checks>& out, const PressResult& press, Scope scope,
                const PressResult& typed);

constexpr double kHorizontalRatio = 0.1;    // % of the section, each face
constexpr double kHorizontalSpacing = 200;  // mm, at most
constexpr int kHorizontalDiameters[] = {8, 10, 12, 14, 16, 18, 20, 22, 25};
constexpr double kPlainEquivalence = 0.7;  // plain bars: equivalent diameter d/0.7
constexpr double kPlainEs = 2.1e5;         // N/mm2
constexpr double kMinimumCover = 15;       // mm, the inner face (the water face: GB 50108-2008)

float rounded(double x) {
    return SSWR(x).value_or(0.0f);
}

// The press as the supplementary design reads it: its inputs as numbers, its materials.
struct Context {
    const PressResult& press;
    const PressResult& typed;  // whose boxes hold the texts typed
    const CalcState& s;
    Mode mode;
    Basis basis;
    ConcreteGrade concrete;
    SteelGrade steel;
    double Fc = 0, Ft = 0, Ftk = 0, Fy = 0;

    bool ordinary() const { return mode == Mode::Ordinary; }
    bool basis2010() const { return basis == Basis::Gb2010; }
    // The value the press converted, or the text read now (the dry-face cover, which the
    // press does not read).
    std::optional<double> number(Input in) const {
        if (const auto& v = s.inputValues[static_cast<std::size_t>(in)]) return v;
        return toNumber(text(in));
    }
    double value(Input in) const { return number(in).value_or(0); }
    const std::string& text(Input in) const { return typed.text(inputBox(in).box); }
};

// The crack check of a face by the rules of GB 50010-2002 (see crack.hpp).
CrackInputs crackSection(const Checks& c, const Context& x, float M, double h0, double cover) {
    CrackInputs in;
    in.MBk = M;
    in.h0 = h0;
    in.h5 = c.h5;
    in.c1 = cover;
    in.Ftk = x.Ftk;
    in.spacing = c.spacing;
    in.limit = c.limit;
    return in;
}

// The minimum steel of one face: max(0.2 %, 45·ft/fy %, the civil-defence minimum) of
// 1000·h5, fy the grade's ordinary strength.
double minimumRatio(const Context& x) {
    return minimumSteelRatio(x.Ft, x.steel.fy, x.ordinary() ? 0.0 : x.concrete.civilMinimumSteel);
}

// A face designed for M (the moment its crack width is taken under) and Md (design). The
// base's crack check starts from the strength area, as the press's does; the span's from
// the area of the bars.
FaceDesign designFace(const Checks& c, const Context& x, float M, float Md, double h0, double cover,
                      bool fromBarArea) {
    FaceDesign f;
    f.M = M;
    f.Md = Md;
    f.h0 = h0;
    f.cover = cover;
    f.strength = strengthDesign(Md, x.Fc, h0, x.Fy);
    f.bars = chooseBars(f.strength.Aas, c.spacing);
    f.placed = f.bars.d;
    const int* d = std::get_if<int>(&f.bars.d);
    if (d != nullptr && x.ordinary() && M > 0 && c.limit > 0) {
        const float start = fromBarArea ? barArea(*d, c.spacing).value_or(0) : f.strength.Aas;
        f.crack = crackCheck(crackSection(c, x, M, h0, cover), start, *d);
        if (f.crack->end == CrackEnd::Met) f.placed = f.crack->deq;
    }
    if (const int* placed = std::get_if<int>(&f.placed)) {
        f.placedArea = barArea(*placed, c.spacing).value_or(0);
    }
    return f;
}

void designSpan(Checks& c, const Context& x) {
    const auto c2 = x.number(Input::c2);
    if (!c2) {
        c.spanProblem = std::string(inputBox(Input::c2).label) + "“" + x.text(Input::c2) +
                        "” 不是有效的数字，未计算A处（跨中）背水面钢筋";
        return;
    }
    const double h0 = c.h5 - *c2;
    if (!(h0 > 0)) {
        c.spanProblem = "墙厚度h5减去背水面保护层厚度c2得到的有效高度不大于0，未计算A处钢筋";
        return;
    }
    const float M = rounded(c.member.MA);
    c.span = designFace(c, x, M, rounded(c.eta * M), h0, *c2, true);
}

// A wall thickness in whole millimetres, rounded up; empty when it is beyond any wall.
std::optional<double> wholeMillimetres(double thickness) {
    if (!std::isfinite(thickness)) return std::nullopt;
    return std::ceil(thickness);
}

// The wall thickness that brings ξ down to ξb for the design moment Md (mm, rounded up).
std::optional<double> thicknessForXiLimit(const Context& x, float xib, const FaceDesign& f) {
    const double alphaB = xib * (1 - 0.5 * xib);
    return wholeMillimetres(std::sqrt(f.Md * 1e6 / (x.Fc * 1000 * alphaB)) + f.cover);
}

void checkCompressionZone(Checks& c, const Context& x) {
    CompressionZone& z = c.xi;
    z.beta1 = x.concrete.beta1;
    z.epsCu = std::min(0.0033, 0.0033 - (x.concrete.fcuk - 50) * 1e-5);
    z.Es = x.steel.Es;
    z.fy = x.Fy;
    z.xib = rounded(z.beta1 / (1 + z.fy / (z.Es * z.epsCu)));
    z.base = c.base->strength.kese;
    if (z.base > z.xib) z.baseThickness = thicknessForXiLimit(x, z.xib, *c.base).value_or(0);
    if (c.span) {
        z.span = c.span->strength.kese;
        if (z.span > z.xib) z.spanThickness = thicknessForXiLimit(x, z.xib, *c.span).value_or(0);
    }
}

MinimumSteel::Face minimumFace(const MinimumSteel& m, const FaceDesign& f, double spacing) {
    MinimumSteel::Face face;
    face.placed = f.placed;
    face.area = f.placedArea;
    face.shortOfIt = std::holds_alternative<int>(f.placed) && f.placedArea < m.As;
    if (face.shortOfIt) {
        const int d = barFor(rounded(m.As * spacing / 1000));
        face.meeting = d > 0 ? Diameter{d} : Diameter{std::string(kTooLarge)};
    }
    return face;
}

void checkMinimumSteel(Checks& c, const Context& x) {
    MinimumSteel& m = c.minimum;
    m.fy = x.steel.fy;
    m.byStrength = 45 * x.Ft / x.steel.fy;
    m.civil = x.ordinary() ? 0 : x.concrete.civilMinimumSteel;
    m.rho = minimumRatio(x);
    m.As = rounded(m.rho / 100 * 1000 * c.h5);
    m.base = minimumFace(m, *c.base, c.spacing);
    if (c.span) m.span = minimumFace(m, *c.span, c.spacing);
}

void chooseHorizontalBars(Checks& c) {
    HorizontalBars& h = c.horizontal;
    h.As = rounded(kHorizontalRatio / 100 * 1000 * c.h5);
    h.spacing = std::min(c.spacing, kHorizontalSpacing);
    c.horizontalSpacingText = report::doubleText(h.spacing);
    for (const int d : kHorizontalDiameters) {
        const float area = barArea(d, h.spacing).value_or(0);
        if (area >= h.As) {
            h.diameter = d;
            h.area = area;
            return;
        }
    }
}

// The effective depth that carries V (kN) with ft (N/mm2): 0.7·βh·ft·h0 = V, βh taken with
// h0 within 800 … 2000.
double depthForShear(double V, double ft) {
    const double perMillimetre = 0.7 * ft;  // kN per mm of h0 at βh = 1
    const double h0 = V / perMillimetre;
    if (h0 <= 800) return h0;
    const double middle = std::pow(V / (perMillimetre * std::pow(800.0, 0.25)), 4.0 / 3.0);
    if (middle <= 2000) return middle;
    return V / (perMillimetre * std::pow(800.0 / 2000, 0.25));
}

void checkShear(Checks& c, const Context& x) {
    ShearCheck& v = c.shear;
    v.V = rounded(c.eta * c.member.VB);
    v.h0ForBeta = std::clamp(x.s.h0, 800.0, 2000.0);
    v.betaH = std::pow(800 / v.h0ForBeta, 0.25);
    v.ft = x.ordinary() ? x.Ft : x.Ft * x.concrete.civilDefenceFactor;
    v.capacity = rounded(0.7 * v.betaH * v.ft * 1000 * x.s.h0 / 1000);
    v.met = v.V <= v.capacity;
    if (!v.met) v.thickness = wholeMillimetres(depthForShear(v.V, v.ft) + c.c1).value_or(0);
}

// The crack check starts from the strength area; this tells what the strength bars
// themselves give.
void checkStrengthBars(Checks& c, const Context& x) {
    const FaceDesign& base = *c.base;
    const int* d = std::get_if<int>(&base.bars.d);
    if (!x.ordinary() || d == nullptr || !(base.M > 0) || !(c.limit > 0)) return;
    StrengthBarsCrack s;
    s.area = barArea(*d, c.spacing).value_or(0);
    const PassResult pass = crackPass(crackSection(c, x, base.M, base.h0, c.c1), s.area, *d);
    if (!pass.outOfRange.empty()) return;
    s.pass = pass.pass;
    s.meets = !(s.pass.W - 1.05 * c.limit > 0);
    c.strengthBarsCrack = s;
}

// The crack check takes plain bars as ribbed ones; this takes d/0.7.
void checkPlainBars(Checks& c, const Context& x) {
    const auto& crack = c.base->crack;
    if (!x.ordinary() || !x.steel.plain || !crack || crack->end != CrackEnd::Met) {
        return;
    }
    const CrackPass& p = crack->last;
    PlainBarsCrack plain;
    plain.deq = crack->deq;
    plain.W = rounded(2.1 * p.Fai * p.Csk / kPlainEs *
                      (1.9 * c.c1 + 0.08 * (crack->deq / kPlainEquivalence) / p.Rte));
    plain.meets = plain.W <= c.limit;
    c.plainBars = plain;
}

// The area a face needs and the bars it places, as the comparison of the two designs
// takes them: the crack-controlled area where the crack check met the limit, otherwise
// the strength area.
Governing::Choice governingChoice(const FaceDesign& civil, const FaceDesign& ordinary) {
    Governing::Choice g;
    g.civilAs = civil.strength.Aas;
    g.civilBars = civil.bars.d;
    const bool cracked = ordinary.crack && ordinary.crack->end == CrackEnd::Met;
    g.ordinaryAs = cracked ? ordinary.crack->Aas : ordinary.strength.Aas;
    g.ordinaryBars = ordinary.placed;
    g.fromOrdinary = g.ordinaryAs > g.civilAs;
    return g;
}

// A window of the same inputs and lists, for a press of the other mode: it reads the
// boxes of the press it was made from, and what the other press writes goes to its own.
class SameInputs final : public Host {
  public:
    SameInputs(const PressResult& typed, PressResult& press) : typed_(typed), press_(press) {}
    std::string_view text(Box box) const override { return typed_.text(box); }
    int selected(List list) const override { return press_.lists[index(list)]; }
    void setText(Box box, std::string_view text) override { press_.boxes[index(box)] = text; }
    void showMessage(std::string_view title, std::string_view text) override {
        press_.messages.push_back({std::string(title), std::string(text)});
    }

  private:
    const PressResult& typed_;
    PressResult& press_;
};

// The same wall as ordinary works: the press an ordinary window makes of these inputs
// (a window just opened, so nothing an earlier press left takes part), without its text.
// Its boxes stay empty: it writes none, and the texts typed are the civil-defence press's.
PressResult ordinaryPressOf(const PressResult& civil) {
    PressResult press;
    press.X = kOrdinary;
    press.lists = civil.lists;
    SameInputs host(civil, press);
    press.state.inputValues = civil.state.inputValues;  // the same texts: the same values
    press.end = detail::computeWithoutText(host, Mode::Ordinary, press.state);
    if (press.completed()) designInto(press.checks, press, Scope::Faces, civil);
    return press;
}

void compareWithOrdinaryWorks(Checks& c, const Context& x) {
    const PressResult press = ordinaryPressOf(x.press);
    if (x.basis2010()) {
        detail::compare2010(c, press.completed() && press.checks ? &*press.checks : nullptr);
        if (!press.completed() || !press.checks) {
            Governing& g = c.governing.emplace();
            g.ordinaryCompleted = false;
            g.ordinaryProblem = press.messages.empty()
                                    ? "按非人防工程计算未能完成"
                                    : "按非人防工程计算未能完成：" + press.messages.front().text;
        } else {
            const design::FaceDesign& base = press.checks->code2010->base;
            if (!base.crackMet) {
                Governing& g = c.governing.emplace();
                g.ordinaryCrackMet = false;
                g.ordinaryProblem = "按非人防工程设计时，选用50mm钢筋裂缝宽度仍不满足裂缝限值";
            }
        }
        return;
    }
    Governing g;
    if (!press.completed() || !press.checks) {
        g.ordinaryCompleted = false;
        g.ordinaryProblem = press.messages.empty()
                                ? "按非人防工程计算未能完成"
                                : "按非人防工程计算未能完成：" + press.messages.front().text;
        g.base = governingChoice(*c.base, *c.base);
        g.base.fromOrdinary = false;
    } else {
        const Checks& o = *press.checks;
        g.base = governingChoice(*c.base, *o.base);
        if (c.span && o.span) g.span = governingChoice(*c.span, *o.span);
        if (o.base->crack && o.base->crack->end == CrackEnd::NotMet) {
            g.ordinaryCrackMet = false;
            g.ordinaryProblem = "按非人防工程设计时，选用50mm钢筋裂缝宽度仍不满足裂缝限值";
        }
    }
    c.governing = g;
}

void warn(Checks& c, std::string text) {
    c.warnings.push_back(std::move(text));
}

void warnAboutCover(Checks& c, const Context& x, Input in) {
    const auto cover = x.number(in);
    if (!cover) return;
    const auto labelled = [&x, in] { return std::string(inputBox(in).label) + x.text(in); };
    if (in == Input::c1 && *cover < design::kWaterFaceCover) {
        warn(c, labelled() +
                    " 小于50mm（GB 50108-2008 4.1.7：防水混凝土迎水面钢筋保护层厚度不应小于50mm），"
                    "请加大保护层厚度");
    } else if (in == Input::c2 && *cover < kMinimumCover) {
        warn(c, labelled() + " 小于15mm（墙的最小保护层厚度），请加大保护层厚度");
    } else if (*cover >= c.h5) {
        warn(c, labelled() + " 不小于墙厚度h5=" + x.text(Input::h5) + "，请检查");
    }
}

void warnAboutFactors(Checks& c, const Context& x) {
    if (!x.basis2010()) {
        if (!(c.eta > 0)) {
            warn(c, "荷载分项系数η=" + x.text(Input::fxxs) +
                        " 不大于0：设计弯矩不大于0，请输入荷载分项系数");
        }
        return;
    }
    if (!x.ordinary()) return;  // civil-defence works take 1.2 and 1.0
    if (!(c.gammaG > 0)) {
        warn(c, "永久荷载分项系数γG=" + x.text(Input::gammaG) + " 不大于0，请检查");
    }
    if (c.gammaQ < 0) warn(c, "可变荷载分项系数γQ=" + x.text(Input::gammaQ) + " 小于0，请检查");
    if (c.psiq < 0 || c.psiq > 1) {
        warn(c, "附加荷载准永久值系数ψq=" + x.text(Input::psiq) + " 不在0与1之间，请检查");
    }
}

void warnAboutInputs(Checks& c, const Context& x) {
    warnAboutFactors(c, x);
    if (!(c.gamma > 0)) warn(c, "土容重γ=" + x.text(Input::TRZ) + " 不大于0，请检查土容重");
    if (x.value(Input::FJHZ) < 0) {
        warn(c, "附加荷载Qfj=" + x.text(Input::FJHZ) + " 小于0，地面附加荷载不应为负，请检查");
    }
    if (!x.ordinary() && !(x.s.RFHZ > 0)) {
        warn(c, "人防荷载Qrf=" + x.text(Input::RFHZ) + " 不大于0：人防工程应输入人防等效静荷载");
    }
    warnAboutCover(c, x, Input::c1);
    warnAboutCover(c, x, Input::c2);
    if (c.h5 < design::kWaterproofThickness) {
        warn(c, "墙厚度h5=" + x.text(Input::h5) +
                    "mm 小于250mm：防水混凝土结构的厚度不应小于250mm（GB 50108-2008 4.1.7），"
                    "请加大墙厚");
    }
    if (x.ordinary() && c.limit > design::kWaterproofCrackLimit) {
        warn(c, "裂缝限值" + x.text(Input::Wmax) +
                    "mm 大于0.2mm：防水混凝土结构的裂缝宽度不应大于0.2mm（GB 50108-2008 4.1.7），"
                    "请检查");
    }
    if (std::holds_alternative<std::string>(x.s.d)) {
        warn(c, "强度所需钢筋超出可选钢筋（最大25mm），请增加外墙厚度或减小钢筋间距");
    }
}

}  // namespace

namespace {

void designInto(std::optional<Checks>& out, const PressResult& press, Scope scope,
                const PressResult& typed) {
    out.reset();
    const CalcState& s = press.state;
    const int concrete = press.lists[index(List::Combo1)];
    const int steel = press.lists[index(List::Combo2)];
    const int loadCase = press.lists[index(List::Combo3)];
    const auto concreteInfo = concreteGrade(concrete);
    const auto steelInfo = steelGrade(steel, press.basis());
    // A list without a selection leaves the grade unknown: nothing to check against.
    if (!press.completed() || !concreteInfo || !steelInfo || !s.Fc || !s.Fy) return;

    const Context x{press,
                    typed,
                    s,
                    press.X == kCivilDefence ? Mode::CivilDefence : Mode::Ordinary,
                    press.basis(),
                    *concreteInfo,
                    *steelInfo,
                    *s.Fc,
                    s.Ft.value_or(0),
                    s.Ftk.value_or(0),
                    value(*s.Fy)};
    Checks& c = out.emplace();
    c.mode = x.mode;
    c.basis = x.basis;
    c.loadCase = static_cast<report::Case>(loadCase);
    c.eta = x.value(Input::fxxs);
    c.gamma = x.value(Input::TRZ);
    c.h5 = x.value(Input::h5);
    c.c1 = x.value(Input::c1);
    c.spacing = x.value(Input::ss);
    c.spacingText = x.text(Input::ss);
    c.limit = x.ordinary() ? x.value(Input::Wmax) : 0;

    const WallLoads loads = wallLoads(s, c.loadCase, !x.ordinary(), c.gamma);
    c.diagram = loads.characteristic();
    c.member = analyse(c.diagram);
    if (x.basis2010()) {
        if (x.ordinary()) {
            c.gammaG = x.value(Input::gammaG);
            c.gammaQ = x.value(Input::gammaQ);
            c.psiq = x.value(Input::psiq);
        }
        // The inner face is designed with its cover c2 taken as it stands into h0' and cs: a
        // cover of none or below none (which lifts h0' beyond the wall) designs no face.
        const std::optional<double> c2 = x.number(Input::c2);
        const bool c2Sound = c2 && *c2 > 0;
        detail::design2010(c, press, loads, c2Sound ? c2 : std::nullopt, scope == Scope::Faces);
        if (!c2Sound) {
            c.spanProblem = std::string(inputBox(Input::c2).label) + "“" + x.text(Input::c2) +
                            (c2 ? "” 应大于0" : "” 不是有效的数字") +
                            "，未计算A处（跨中）背水面钢筋";
        }
        if (scope == Scope::Faces) return;
        if (!x.ordinary()) compareWithOrdinaryWorks(c, x);
        warnAboutInputs(c, x);
        return;
    }
    c.base = designFace(c, x, s.MBk, s.MB, s.h0, c.c1, false);
    designSpan(c, x);
    if (scope == Scope::Faces) return;
    checkStrengthBars(c, x);
    checkCompressionZone(c, x);
    checkMinimumSteel(c, x);
    chooseHorizontalBars(c);
    checkShear(c, x);
    checkPlainBars(c, x);
    if (!x.ordinary()) compareWithOrdinaryWorks(c, x);
    warnAboutInputs(c, x);
}

}  // namespace

void makeSupplementaryDesign(PressResult& press) {
    // The design reads the press's inputs, state and lists, never its checks.
    designInto(press.checks, press, Scope::Whole, press);
}

}  // namespace wallcalc
