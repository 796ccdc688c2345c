// 二、内力: the wall as a continuous member over its slabs, each combination the design
// takes: the integrals of the load over each storey, the equations of the support moments
// with their numbers, the shears at the supports, the largest span moments and the
// reactions with their balance.
#include <cmath>

#include "text_parts.hpp"

namespace wallcalc::model::text {
namespace {

void memberLines(Lines& t, const WallModel& m, const Member& mb) {
    const std::string_view top = topSupportLabel(m);
    const std::string_view base = baseSupportLabel(m);
    t.line(
        "墙体按连续墙条计算：墙顶{top}，墙底{base}，中间楼板为铰支座，墙体在其上连续；"
        "x为墙顶以下深度，t为层顶以下深度；弯矩以背水面受拉为正，反力以推向土体为正",
        {{"top", top}, {"base", base}});
    for (std::size_t i = 0; i < mb.spans; ++i) {
        const double h = m.storeys[i].thickness / 1000;
        const double EI = mb.stiffness[i];
        t.line("第{n}层：L={a}-{b}={L}(m)，h={h}(m)，EI∝h^3={EI}，f=L/EI={L}/{EI}={f}",
               {{"n", static_cast<long long>(i + 1)},
                {"a", m.slabs[i]},
                {"b", term(m.slabs[i + 1])},
                {"L", shown(mb.length(i))},
                {"h", h},
                {"EI", EI},
                {"f", shown(mb.length(i) / EI)}});
    }
    t.line("各层EI取h^3（各层砼相同，只计比值）；支座弯矩由三弯矩方程求出：");
    t.line(
        "  中间支座j（第j层之下）：f(j)*M(j-1)+2*(f(j)+f(j+1))*M(j)+f(j+1)*M(j+1)="
        "-(B(j)/(EI*L)(j)+A(j+1)/(EI*L)(j+1))，f(j)、A(j)、B(j)为第j层的值");
    if (mb.top == TopSupport::Fixed) t.line("  固定墙顶：2*f(1)*M0+f(1)*M1=-A(1)/(EI*L)(1)");
    if (mb.base == BaseSupport::Fixed) {
        t.line("  固定墙底：f(n)*M(n-1)+2*f(n)*M(n)=-B(n)/(EI*L)(n)");
    }
    if (mb.top == TopSupport::Free) {
        t.line("  自由墙顶：M0=0，第一道楼板处M1=-(W*L-S)（第1层悬臂）");
    }
    t.line(
        "  A=∫p*t*(L-t)*(2L-t)dt，B=∫p*t*(L-t)*(L+t)dt，W=∫p dt，S=∫p*t dt（各层荷载的积分，"
        "按直线段精确积分）");
}

std::string equationText(const MemberAnalysis& a, std::size_t j) {
    const SupportEquation& e = a.equations()[j];
    const std::size_t n = a.spanCount();
    std::string out;
    if (e.known) {
        report::appendFilled(out, "M{j}={rhs}",
                             {{"j", static_cast<long long>(j)}, {"rhs", shown(e.rhs)}});
        return out;
    }
    const auto rhsTerm = [&](std::size_t span, bool top) {
        const SpanForces& s = a.span(span);
        const double L = a.member().length(span), EI = a.member().stiffness[span];
        std::string part;
        report::appendFilled(
            part, "{v}/({EI}*{L})",
            {{"v", shown(top ? s.rotationTop : s.rotationBottom)}, {"EI", EI}, {"L", shown(L)}});
        return part;
    };
    std::string parts;
    if (j > 0) parts += rhsTerm(j - 1, false);
    if (j < n) parts += (parts.empty() ? "" : "+") + rhsTerm(j, true);
    const auto coefficient = [&](double c, std::size_t k) {
        return report::doubleText(shown(c)) + "*M" + std::to_string(k);
    };
    if (j > 0) out += coefficient(e.lower, j - 1) + "+";
    out += coefficient(e.diag, j);
    if (j < n) out += "+" + coefficient(e.upper, j + 1);
    out += "=-(" + parts + ")=" + report::doubleText(shown(e.rhs));
    return out;
}

void spanLines(Lines& t, const MemberAnalysis& a, std::size_t i) {
    const SpanForces& s = a.span(i);
    const double L = a.member().length(i);
    const bool freeTop = i == 0 && a.member().top == TopSupport::Free;
    const std::string top = shownTerm(s.momentTop), bottom = shownTerm(s.momentBottom);
    const std::initializer_list<Named> v = {{"n", static_cast<long long>(i + 1)},
                                            {"W", shown(s.load)},
                                            {"S", shown(s.loadMoment)},
                                            {"L", shown(L)},
                                            {"Mt", top},
                                            {"Mb", bottom},
                                            {"Vt", shown(s.shearTop)},
                                            {"Vb", shown(s.shearBottom)}};
    if (freeTop) {
        t.line("第{n}层：W={W}(kN/m)；墙顶自由V顶=0，V底=V顶-W=0-{W}={Vb}(kN/m)", v);
    } else {
        t.line(
            "第{n}层：W={W}(kN/m)，S={S}(kN·m/m)；V顶=W-S/L+(M底-M顶)/L={W}-{S}/{L}+({Mb}-{Mt})/{L}"
            "={Vt}(kN/m)，V底=V顶-W={Vt}-{W}={Vb}(kN/m)",
            v);
    }
    if (s.spanMoment) {
        t.line("  跨内背水面最大弯矩M={M}(kN·m/m)，距层顶t={d}(m)（剪力为零处或支座处）",
               {{"M", shown(s.spanMoment->moment)}, {"d", shown(s.spanMoment->depth)}});
    } else {
        t.line("  跨内背水面不受拉");
    }
}

void reactionLines(Lines& t, const MemberAnalysis& a) {
    const std::size_t n = a.spanCount();
    std::string line = "支座反力：";
    double sum = 0;
    for (std::size_t j = 0; j <= n; ++j) {
        const double below = j < n ? a.span(j).shearTop : 0;
        const double above = j > 0 ? a.span(j - 1).shearBottom : 0;
        const double R = a.reactions()[j];
        sum += R;
        if (j > 0) line += "，";
        report::appendFilled(line, "R{j}={b}-{a}={R}",
                             {{"j", static_cast<long long>(j)},
                              {"b", shown(below)},
                              {"a", shownTerm(above)},
                              {"R", shown(R)}});
    }
    t.line(line + "(kN/m)（R=下方V顶-上方V底）");
    t.line("ΣR={sum}(kN/m)，荷载合力∫p dx={total}(kN/m)",
           {{"sum", shown(sum)}, {"total", shown(a.totalLoad())}});
}

void combinationLines(Lines& t, const WallModel& m, const MemberAnalysis& a,
                      std::string_view name) {
    t.line("{name}：", {{"name", name}});
    const std::size_t n = a.spanCount();
    for (std::size_t i = 0; i < n; ++i) {
        const SpanForces& s = a.span(i);
        t.line("  第{n}层：A={A}，B={B}", {{"n", static_cast<long long>(i + 1)},
                                           {"A", shown(s.rotationTop)},
                                           {"B", shown(s.rotationBottom)}});
    }
    for (std::size_t j = 0; j <= n; ++j)
        t.line("  " + supportName(m, j) + "：" + equationText(a, j));
    std::string solved = "  解得：";
    for (std::size_t j = 0; j <= n; ++j) {
        const double M = j < n ? a.span(j).momentTop : a.span(n - 1).momentBottom;
        if (j > 0) solved += "，";
        report::appendFilled(solved, "M{j}={M}",
                             {{"j", static_cast<long long>(j)}, {"M", shown(M)}});
    }
    t.line(solved + "(kN·m/m)");
    for (std::size_t i = 0; i < n; ++i)
        spanLines(t, a, i);
    reactionLines(t, a);
}

}  // namespace

std::string supportName(const WallModel& m, std::size_t j) {
    const std::string_view where = j == 0 ? "墙顶，" : j + 1 == m.slabs.size() ? "墙底，" : "";
    std::string out;
    report::appendFilled(out, "支座{j}（{where}标高{y}m）",
                         {{"j", static_cast<long long>(j)}, {"where", where}, {"y", m.slabs[j]}});
    return out;
}

void analysisLines(Lines& t, const WallModel& m, const WallAnalysis& a) {
    t.line("二、内力（每米墙长）");
    memberLines(t, m, a.member);
    const bool civil = modeOf(m) == Mode::CivilDefence;
    for (const CombinationHeading& c : kCombinationHeadings) {
        if (c.combination == Combination::CivilDefence && !civil) continue;
        combinationLines(t, m, a[c.combination], headingOf(c, "输出的支座弯矩、反力与跨中弯矩"));
    }
}

}  // namespace wallcalc::model::text
