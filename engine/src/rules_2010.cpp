#include "rules_2010.hpp"

#include <algorithm>

#include "wallcalc/engine/design.hpp"
#include "wallcalc/engine/materials.hpp"
#include "wallcalc/report/number_text.hpp"

namespace wallcalc::detail {
namespace {

constexpr std::string_view kNoConcrete = "没有选择砼强度等级，请在“砼强度等级：”中选择";
constexpr std::string_view kNoSteel = "没有选择钢筋种类，请在“钢筋种类：”中选择";
constexpr double kLeastCover = 20, kMostCover = 65;  // mm, the cover the crack width takes
constexpr double kPlainBond = 0.7;

// The 2010 steel grades, those with a civil-defence factor or those without, joined by "、".
std::string gradesWith(bool factor) {
    std::string out;
    const auto items = listItems(List::Combo2, Basis::Gb2010);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (hasCivilDefenceStrength(static_cast<int>(i), Basis::Gb2010) != factor) continue;
        out += (out.empty() ? "" : "、") + std::string(items[i]);
    }
    return out;
}

}  // namespace

Step gradesChosen(int concrete, int steel, Basis basis) {
    if (!concreteGrade(concrete)) return Stop{std::string(kNoConcrete)};
    if (!steelGrade(steel, basis)) return Stop{std::string(kNoSteel)};
    return std::nullopt;
}

Step civilDefenceGrade(Run& r, int steel) {
    if (r.mode != Mode::CivilDefence || !steelGrade(steel, r.basis)) return std::nullopt;
    if (hasCivilDefenceStrength(steel, r.basis)) return std::nullopt;
    return Stop{"人防工程的钢筋种类请选用" + gradesWith(true) + "（GB 50038-2005没有给出" +
                gradesWith(false) + "的材料强度综合调整系数）"};
}

Step compressionZone(Run& r, int concrete, int steel) {
    const auto c = concreteGrade(concrete);
    const auto s = steelGrade(steel, r.basis);
    if (!c) return Stop{std::string(kNoConcrete)};
    if (!s) return Stop{std::string(kNoSteel)};
    CalcState& st = r.s;
    st.beta1 = c->beta1;
    st.epsCu = std::min(0.0033, 0.0033 - (c->fcuk - 50) * 1e-5);
    st.Es = s->Es;
    if (auto stop = r.round(st.beta1 / (1 + value(*st.Fy) / (st.Es * st.epsCu)), "ξb", st.xib)) {
        return stop;
    }
    if (st.kese > st.xib) {
        return Stop{"相对受压区高度ξ=" + report::singleText(st.kese) + " 大于界限值ξb=" +
                    report::singleText(st.xib) + "（超筋），请增加外墙厚度或提高砼强度等级"};
    }
    return std::nullopt;
}

Step minimumSteel(Run& r, int concrete, int steel) {
    const auto c = concreteGrade(concrete);
    const auto s = steelGrade(steel, r.basis);
    if (!c) return Stop{std::string(kNoConcrete)};
    if (!s) return Stop{std::string(kNoSteel)};
    CalcState& st = r.s;
    st.fyOrdinary = s->fy;
    st.civilMin = r.mode == Mode::CivilDefence ? c->civilMinimumSteel : 0;
    const double rho = minimumSteelRatio(*st.Ft, st.fyOrdinary, st.civilMin);
    double h5 = 0;
    (void)r.number(Input::h5, h5);  // converted when the run read it
    return r.round(rho / 100 * 1000 * h5, "As,min", st.Asmin);
}

CrackInputs crackSection2010(Run& r, int steel) {
    CalcState& st = r.s;
    const auto s = steelGrade(steel, r.basis);
    CrackInputs section;
    section.MBk = st.Mq;
    section.h0 = st.h0;
    section.Ftk = *st.Ftk;
    (void)r.number(Input::h5, section.h5);
    (void)r.number(Input::c1, section.c1);
    (void)r.number(Input::ss, section.spacing);
    (void)r.number(Input::Wmax, section.limit);
    st.cs = std::clamp(section.c1, kLeastCover, kMostCover);
    st.nu = s && s->plain ? kPlainBond : 1.0;
    section.c1 = st.cs;
    section.alphaCr = 1.9;
    section.Es = st.Es;
    section.nu = st.nu;
    section.tolerance = 1.0;
    return section;
}

}  // namespace wallcalc::detail
