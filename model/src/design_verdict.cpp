// The verdict of the wall model's design: each section's checks judged, each failure with
// its figures and what would help; the wall's verdict holds the codes' minimums of the
// inputs, then every storey's failures.
#include <cmath>

#include "wallcalc/model/wall_design.hpp"
#include "wallcalc/report/number_text.hpp"
#include "wallcalc/report/shown_value.hpp"

namespace wallcalc::model {
namespace {

using design::Check;
using design::Verdict;

std::string shown(double v) {
    return report::shownText(v);
}
std::string typed(double v) {
    return report::doubleText(v);
}

constexpr int kLargestSize = design::kStandardSizes[std::size(design::kStandardSizes) - 1];

std::string thickerWall(const std::optional<double>& h) {
    if (h && *h > 0) return "请增加墙厚至h≥" + typed(*h) + "(mm)或提高砼强度等级";
    return "请增加墙厚或提高砼强度等级";
}

// "（人防）" after the figures of a wartime design.
std::string_view works(bool wartime) {
    return wartime ? "（人防组合）" : "";
}

void judgeCase(Verdict& v, const std::string& where, const FaceCase& c, bool wartime, bool water) {
    const design::FaceDesign& f = c.face;
    const Check strength = water ? Check::Strength : Check::Span;
    if (f.strength.tooSmall) {
        v.fail(strength, where + "：αs=" + shown(f.strength.alphaS) + "≥0.5" +
                             std::string(works(wartime)) + "，截面不能承受弯矩，" +
                             thickerWall(c.thicknessForXi));
    } else if (!c.xiOk()) {
        v.fail(Check::Xi, where + "：ξ=" + shown(f.strength.xi) + ">ξb=" + shown(c.xiB) +
                              std::string(works(wartime)) + "，超筋，" +
                              thickerWall(c.thicknessForXi));
    }
    // A section that cannot carry its moment has no As to name (ξ would pass 1).
    if (!f.strengthBars && !f.strength.tooSmall) {
        v.fail(strength, where + "：As=" + shown(std::max(f.strength.As, f.AsMin)) + "(mm2)" +
                             std::string(works(wartime)) + "，选用" + std::to_string(kLargestSize) +
                             "mm钢筋仍不足，请增加墙厚、减小钢筋间距或提高砼强度等级");
    }
}

void judgeFace(Verdict& v, const std::string& storey, const FaceCheck& f) {
    const bool water = waterFace(f.place);
    const std::string where = storey + std::string(placeName(f.place));
    judgeCase(v, where, f.peacetime, false, water);
    if (f.wartime) judgeCase(v, where, *f.wartime, true, water);
    // The bars are chosen for the larger of As and As,min of each design, and the larger
    // of the two designs is put in: the minimum steel holds by the choice itself.
    if (!f.crackOk()) {
        const bool largest = f.crack->d >= kLargestSize;
        v.fail(water ? Check::Crack : Check::Span,
               where + "：选用" + std::to_string(f.crack->d) +
                   "mm钢筋裂缝宽度w=" + shown(f.crack->w) + "(mm)>" + typed(f.limit) + "(mm)，" +
                   (largest ? "请减小钢筋间距或增加墙厚" : "请加大钢筋直径或减小钢筋间距"));
    }
}

void judgeShear(Verdict& v, const std::string& where, const ShearCheck& c) {
    const auto judge = [&](const ShearCase& s, bool wartime) {
        if (s.shear.ok()) return;
        v.fail(Check::Shear, where + "：V=" + shown(s.shear.V) + "(kN)>Vc=" + shown(s.shear.Vc) +
                                 "(kN)" + std::string(works(wartime)) + "，" +
                                 thickerWall(s.thicknessForShear));
    };
    judge(c.peacetime, false);
    if (c.wartime) judge(*c.wartime, true);
}

void judgeHorizontal(Verdict& v, const std::string& where, const design::HorizontalBars& h) {
    if (h.bars) return;
    v.fail(Check::Horizontal, where + "水平分布钢筋：选用25mm钢筋仍不足As,h=" + shown(h.As) +
                                  "(mm2)，请减小钢筋间距或增加墙厚");
}

void judgeStorey(StoreyDesign& s) {
    Verdict& v = s.verdict;
    const std::string name = storeyName(s.index);
    for (const FacePlace place : kFacePlaces) {
        if (const auto& f = s.face(place)) judgeFace(v, name, *f);
    }
    judgeShear(v, name + "墙顶受剪", s.shearTop);
    judgeShear(v, name + "墙底受剪", s.shearBottom);
    if (s.shearSide) judgeShear(v, name + "侧边支座受剪", *s.shearSide);
    judgeHorizontal(v, name + "迎水面", s.waterHorizontal);
    judgeHorizontal(v, name + "背水面", s.innerHorizontal);
}

// The inputs against the codes' minimums: GB 50108-2008 4.1.7 and GB 50010-2010 4.1.2.
void judgeInputs(Verdict& v, const WallDesign& wall, const WallModel& m) {
    for (const StoreyDesign& s : wall.designed()) {
        const std::string name = storeyName(s.index);
        if (s.thickness < design::kWaterproofThickness) {
            v.fail(Check::Thickness, name + "墙厚h=" + typed(s.thickness) +
                                         "(mm)<250(mm)（GB 50108-2008 4.1.7，防水混凝土结构），"
                                         "请加大墙厚");
        }
        if (s.c1 < design::kWaterFaceCover) {
            v.fail(Check::Cover, name + "迎水面保护层厚度c1=" + typed(s.c1) +
                                     "(mm)<50(mm)（GB 50108-2008 4.1.7），请加大保护层厚度");
        }
    }
    if (m.limit > design::kWaterproofCrackLimit) {
        v.fail(Check::CrackLimit, "裂缝宽度限值" + typed(m.limit) +
                                      "(mm)>0.2(mm)（GB 50108-2008 4.1.7），请取不大于0.2mm");
    }
    const design::Materials& mat = wall.peacetime;
    const int least = design::leastConcreteGrade(*mat.steel);
    if (mat.concrete->fcuk < least) {
        v.fail(Check::Concrete, "砼强度等级" + std::string(mat.concrete->name) + "低于C" +
                                    std::to_string(least) + "（GB 50010-2010 4.1.2，" +
                                    std::string(mat.steel->name) + "钢筋），请提高砼强度等级");
    }
}

}  // namespace

void judgeWall(WallDesign& wall, const WallModel& model) {
    judgeInputs(wall.verdict, wall, model);
    for (std::size_t i = 0; i < wall.storeyCount; ++i) {
        StoreyDesign& s = wall.storeys[i];
        judgeStorey(s);
        for (const design::Failure& f : s.verdict.failed)
            wall.verdict.failed.push_back(f);
    }
}

}  // namespace wallcalc::model
