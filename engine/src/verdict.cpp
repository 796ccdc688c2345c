// The verdict of a completed press, check by check, each failure with its figures and
// what to change.
#include "wallcalc/engine/verdict.hpp"

#include "wallcalc/design/code_limits.hpp"
#include "wallcalc/engine/number_input.hpp"
#include "wallcalc/engine/press.hpp"
#include "wallcalc/report/number_text.hpp"
#include "wallcalc/report/shown_value.hpp"

namespace wallcalc {
namespace {

using design::Check;
using design::Verdict;

std::string shown(double value) {
    return report::shownText(value);
}
std::string single(float value) {
    return report::singleText(value);
}

// The inputs as the engineer typed them, against the codes' minimums.
struct Typed {
    const PressResult& press;
    std::string_view text(Input in) const { return press.text(inputBox(in).box); }
    std::optional<double> number(Input in) const { return toNumber(text(in)); }
};

void judgeInputs(Verdict& v, const PressResult& press) {
    const Typed t{press};
    if (const auto h5 = t.number(Input::h5); h5 && *h5 < design::kWaterproofThickness) {
        v.fail(Check::Thickness, "墙厚度h5=" + std::string(t.text(Input::h5)) +
                                     "(mm)<250(mm)（GB 50108-2008 4.1.7，防水混凝土结构），"
                                     "请加大墙厚");
    }
    if (const auto c1 = t.number(Input::c1); c1 && *c1 < design::kWaterFaceCover) {
        v.fail(Check::Cover, "迎水面保护层厚度c1=" + std::string(t.text(Input::c1)) +
                                 "(mm)<50(mm)（GB 50108-2008 4.1.7），请加大保护层厚度");
    }
    if (const auto limit = t.number(Input::Wmax);
        press.X == kOrdinary && limit && *limit > design::kWaterproofCrackLimit) {
        v.fail(Check::CrackLimit, "裂缝限值" + std::string(t.text(Input::Wmax)) +
                                      "(mm)>0.2(mm)（GB 50108-2008 4.1.7），请取不大于0.2mm");
    }
}

// GB 50010-2010 4.1.2: at least C20, and C25 with steel of 400 MPa or stronger.
void judgeConcrete(Verdict& v, const design::Materials& m) {
    const int least = design::leastConcreteGrade(*m.steel);
    if (m.concrete->fcuk >= least) return;
    v.fail(Check::Concrete, "砼强度等级" + std::string(m.concrete->name) + "低于C" +
                                std::to_string(least) + "（GB 50010-2010 4.1.2，" +
                                std::string(m.steel->name) + "钢筋），请提高砼强度等级");
}

std::string thickerWall(const std::optional<double>& h5) {
    if (h5 && *h5 > 0) {
        return "请增加外墙厚度至h5≥" + report::doubleText(*h5) + "(mm)或提高砼强度等级";
    }
    return "请增加外墙厚度或提高砼强度等级";
}

// ---- GB 50010-2002: the press's own numbers and its supplementary design ----

void judgeBase2002(Verdict& v, const PressResult& press, const Checks& c) {
    const CalcState& s = press.state;
    if (s.alfas >= 0.5f) {
        v.fail(Check::Strength, "B处迎水面：αs=" + single(s.alfas) +
                                    "≥0.5，截面不能承受弯矩，请增加外墙厚度或提高砼强度等级");
    }
    if (std::holds_alternative<std::string>(s.d)) {
        v.fail(Check::Strength, "B处迎水面：As=" + single(c.base->strength.Aas) +
                                    "(mm2)，所需钢筋超出可选钢筋（最大25mm），请增加外墙厚度"
                                    "或减小钢筋间距");
    }
    if (c.mode != Mode::Ordinary || !c.base->crack) return;
    const CrackCheck& k = *c.base->crack;
    if (k.end == CrackEnd::NotMet) {
        v.fail(Check::Crack,
               "B处迎水面：选用50mm钢筋时裂缝宽度仍大于裂缝限值，请增加外墙厚度"
               "或减小钢筋间距");
    } else if (k.last.W > c.limit) {
        v.fail(Check::Crack, "B处迎水面：选用" + std::to_string(k.deq) + "mm钢筋的裂缝宽度Wmax=" +
                                 single(k.last.W) + "(mm)>" + report::doubleText(c.limit) +
                                 "(mm)（计算中按1.05倍限值取用），请加大钢筋直径或减小钢筋间距");
    }
    if (c.plainBars && !c.plainBars->meets) {
        v.fail(Check::Crack,
               "B处迎水面：光圆钢筋按等效直径d/0.7计算裂缝宽度Wmax=" + single(c.plainBars->W) +
                   "(mm)>" + report::doubleText(c.limit) + "(mm)，请加大钢筋直径或减小钢筋间距");
    }
}

void judgeSpan2002(Verdict& v, const Checks& c) {
    if (!c.span) {
        v.fail(Check::Span, "A处背水面：" + c.spanProblem);
        return;
    }
    const FaceDesign& f = *c.span;
    if (f.strength.momentTooLarge) {
        v.fail(Check::Span, "A处背水面：αs=" + single(f.strength.alfas) +
                                "≥0.5，截面不能承受弯矩，请增加外墙厚度或提高砼强度等级");
    }
    if (f.bars.noneFits) {
        v.fail(Check::Span, "A处背水面：As=" + single(f.strength.Aas) +
                                "(mm2)，所需钢筋超出可选钢筋（最大25mm），请增加外墙厚度或减小"
                                "钢筋间距");
    }
    if (!f.crack) return;
    if (f.crack->end == CrackEnd::NotMet) {
        v.fail(Check::Span,
               "A处背水面：选用50mm钢筋时裂缝宽度仍大于裂缝限值，请增加外墙厚度或"
               "减小钢筋间距");
    } else if (f.crack->last.W > c.limit) {
        v.fail(Check::Span, "A处背水面：裂缝宽度Wmax=" + single(f.crack->last.W) + "(mm)>" +
                                report::doubleText(c.limit) + "(mm)，请加大钢筋直径或减小钢筋间距");
    }
}

void judgeXi2002(Verdict& v, const Checks& c) {
    const CompressionZone& z = c.xi;
    if (z.baseThickness) {
        v.fail(Check::Xi, "B处：ξ=" + single(z.base) + ">ξb=" + single(z.xib) + "，超筋，" +
                              thickerWall(z.baseThickness));
    }
    if (z.spanThickness) {
        v.fail(Check::Xi, "A处：ξ=" + single(z.span) + ">ξb=" + single(z.xib) + "，超筋，" +
                              thickerWall(z.spanThickness));
    }
}

void judgeMinimum2002(Verdict& v, const Checks& c) {
    const MinimumSteel& m = c.minimum;
    const auto face = [&](std::string_view where, const MinimumSteel::Face& f) {
        if (!f.shortOfIt) return;
        v.fail(Check::MinimumSteel, std::string(where) + "：As=" + single(f.area) +
                                        "(mm2)<As,min=" + single(m.As) +
                                        "(mm2)，请加大钢筋直径或减小钢筋间距");
    };
    face("B处迎水面", m.base);
    if (c.span) face("A处背水面", m.span);
}

void judge2002(Verdict& v, const PressResult& press, const Checks& c) {
    judgeBase2002(v, press, c);
    judgeXi2002(v, c);
    judgeMinimum2002(v, c);
    judgeSpan2002(v, c);
    if (!c.shear.met) {
        v.fail(Check::Shear, "B处受剪：V=" + single(c.shear.V) +
                                 "(kN)>Vc=" + single(c.shear.capacity) + "(kN)，" +
                                 thickerWall(c.shear.thickness));
    }
    if (c.horizontal.diameter == 0) {
        v.fail(Check::Horizontal, "水平分布钢筋：选用25mm钢筋仍不足As,h=" +
                                      single(c.horizontal.As) + "(mm2)，请减小钢筋间距");
    }
}

// ---- GB 50010-2010: the unrounded design ----

void judgeFace2010(Verdict& v, Check check, std::string_view where, const design::FaceDesign& f,
                   double limit) {
    const std::string w(where);
    if (f.strength.tooSmall) {
        v.fail(check, w + "：αs=" + shown(f.strength.alphaS) +
                          "≥0.5，截面不能承受弯矩，请增加外墙厚度或提高砼强度等级");
    }
    if (!f.strengthBars) {
        v.fail(check, w + "：As=" + shown(std::max(f.strength.As, f.AsMin)) +
                          "(mm2)，所需钢筋超出可选钢筋（最大25mm），请增加外墙厚度或减小钢筋间距");
    }
    if (f.crack && !f.crackMet) {
        const Check crack = check == Check::Strength ? Check::Crack : check;
        v.fail(crack, w + "：选用" + std::to_string(f.crack->d) +
                          "mm钢筋裂缝宽度Wmax=" + shown(f.crack->w) + "(mm)>" +
                          report::doubleText(limit) + "(mm)，请增加外墙厚度或减小钢筋间距");
    }
}

void judge2010(Verdict& v, const Checks& c) {
    const Supplementary2010& s = *c.code2010;
    judgeFace2010(v, Check::Strength, "B处迎水面", s.base, c.limit);
    const auto xi = [&](std::string_view where, const design::FaceDesign& f,
                        const std::optional<double>& h5) {
        if (!(f.strength.xi > s.xiB)) return;
        v.fail(Check::Xi, std::string(where) + "：ξ=" + shown(f.strength.xi) +
                              ">ξb=" + shown(s.xiB) + "，超筋，" + thickerWall(h5));
    };
    xi("B处", s.base, s.baseThicknessForXi);
    const auto minimum = [&](std::string_view where, const design::FaceDesign& f) {
        if (!f.placed || f.placed->area >= f.AsMin) return;
        v.fail(Check::MinimumSteel, std::string(where) + "：As=" + shown(f.placed->area) +
                                        "(mm2)<As,min=" + shown(f.AsMin) + "(mm2)");
    };
    minimum("B处迎水面", s.base);
    if (s.span) {
        judgeFace2010(v, Check::Span, "A处背水面", *s.span, c.limit);
        xi("A处", *s.span, s.spanThicknessForXi);
        minimum("A处背水面", *s.span);
    } else {
        v.fail(Check::Span, "A处背水面：" + c.spanProblem);
    }
    if (!s.shear.ok()) {
        v.fail(Check::Shear, "B处受剪：V=" + shown(s.shear.V) + "(kN)>Vc=" + shown(s.shear.Vc) +
                                 "(kN)，" + thickerWall(s.shearThickness));
    }
    for (const auto& [face, h] :
         {std::pair{"迎水面", &s.earthHorizontal}, std::pair{"背水面", &s.innerHorizontal}}) {
        if (h->bars) continue;
        v.fail(Check::Horizontal, std::string(face) + "水平分布钢筋：选用25mm钢筋仍不足As,h=" +
                                      shown(h->As) + "(mm2)，请减小钢筋间距或增加外墙厚度");
    }
    judgeConcrete(v, s.materials);
}

// Civil-defence works: the same wall as ordinary works must hold too.
void judgePeacetime(Verdict& v, const Checks& c) {
    if (!c.governing) return;
    const Governing& g = *c.governing;
    if (!g.ordinaryCompleted) v.fail(Check::Strength, "平时（非人防）设计：" + g.ordinaryProblem);
    if (!g.ordinaryCrackMet) v.fail(Check::Crack, "平时（非人防）设计：" + g.ordinaryProblem);
}

}  // namespace

void judge(PressResult& press) {
    press.verdict.reset();
    if (!press.completed()) return;
    Verdict& v = press.verdict.emplace();
    if (press.checks) {
        const Checks& c = *press.checks;
        if (c.code2010) {
            judge2010(v, c);
        } else {
            judge2002(v, press, c);
        }
        judgePeacetime(v, c);
    } else {
        // A list left without a selection: the grades, and so the design, are unknown.
        v.fail(Check::Strength, "砼强度等级或钢筋种类未选择，无法验算，请选择后重新计算");
    }
    judgeInputs(v, press);
}

}  // namespace wallcalc
