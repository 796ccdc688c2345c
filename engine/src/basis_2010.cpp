#include "basis_2010.hpp"

#include "wallcalc/design/section.hpp"
#include "wallcalc/engine/materials.hpp"

namespace wallcalc::detail {
namespace {

constexpr std::string_view kNoConcrete = "没有选择砼强度等级，请在“砼强度等级：”中选择";
constexpr std::string_view kNoSteel = "没有选择钢筋种类，请在“钢筋种类：”中选择";

// The 2010 steel grades, those with a civil-defence factor or those without, joined by "、".
std::string gradesWith(bool factor) {
    std::string out;
    for (const design::SteelGrade& g : design::kSteelGrades) {
        if ((g.civilFactor != 0) != factor) continue;
        out += (out.empty() ? "" : "、") + std::string(g.name);
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

design::Materials materials2010(const Run& r, int concrete, int steel) {
    return {&design::kConcreteGrades[static_cast<std::size_t>(concrete)],
            &design::kSteelGrades[static_cast<std::size_t>(steel)],
            r.mode == Mode::CivilDefence ? design::Works::CivilDefence : design::Works::Ordinary};
}

double minimumSteel2010(const design::Materials& m, double h5) {
    const double civil = m.civilDefence() ? m.concrete->civilMinimumSteel : 0;
    return design::minimumSteelRatio(m.concrete->ft, m.steel->fy, civil) / 100 * 1000 * h5;
}

design::FaceDesign designBase2010(Run& r) {
    const CalcState::Code2010& c = r.s.code2010;
    design::FaceInput in;
    in.M = c.M;
    if (r.mode == Mode::Ordinary) in.Mq = c.Mq;
    (void)r.number(Input::h5, in.thickness);
    (void)r.number(Input::c1, in.cover);
    (void)r.number(Input::ss, in.spacing);
    if (r.mode == Mode::Ordinary) (void)r.number(Input::Wmax, in.limit);
    in.materials = c.materials;
    in.AsMin = minimumSteel2010(c.materials, in.thickness);
    in.sizes = design::kPressSizes;
    in.growth = design::CrackGrowth::ByMillimetre;
    return design::designFace(in);
}

}  // namespace wallcalc::detail
