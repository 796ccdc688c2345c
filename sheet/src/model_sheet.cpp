#include "wallcalc/sheet/model_sheet.hpp"

#include "wallcalc/design/materials.hpp"
#include "wallcalc/model/model_text.hpp"
#include "wallcalc/report/number_text.hpp"
#include "wallcalc/report/shown_value.hpp"
#include "wallcalc/sheet/design_codes.hpp"
#include "wallcalc/sheet/model_figure.hpp"

namespace wallcalc::sheet {
namespace {

using namespace wallcalc::model;
using report::doubleText;
using report::shownText;

// GB 50010-2010 with GB 55001-2021 (the second basis of the table), GB 50108-2008 whose
// minimums the verdict holds the inputs to, and GB 50038-2005 in civil-defence works.
constexpr std::size_t kBasis2010 = 1;
constexpr DesignCode kWaterproofing = {"GB 50108-2008", "地下工程防水技术规范"};

std::string_view labelOf(std::string_view key) {
    for (const ModelKey& k : kModelKeys) {
        if (k.key == key) return k.label;
    }
    return key;
}

std::string labelled(std::string_view key) {
    const ModelKey* found = nullptr;
    for (const ModelKey& k : kModelKeys) {
        if (k.key == key) found = &k;
    }
    if (found == nullptr || found->unit.empty()) return std::string(labelOf(key));
    return std::string(found->label) + "(" + std::string(found->unit) + ")";
}

std::string_view chosen(std::span<const std::string_view> names,
                        std::span<const std::string_view> labels, std::string_view name) {
    const auto at = positionOf(names, name);
    return at ? labels[*at] : name;
}

std::vector<SheetEntry> inputsOf(const WallModel& m) {
    std::vector<SheetEntry> out;
    const auto add = [&](std::string_view key, std::string value) {
        out.push_back({labelled(key), std::move(value)});
    };
    add("ground", doubleText(m.ground));
    add("water", doubleText(m.water));
    add("waterQuasi", m.waterQuasi ? doubleText(*m.waterQuasi) : "同设计水位");
    add("top", std::string(chosen(topSupportNames(), topSupportLabels(), m.top)));
    add("base", std::string(chosen(baseSupportNames(), baseSupportLabels(), m.base)));
    add("gamma", doubleText(m.gamma));
    add("gammaSat", m.gammaSat ? doubleText(*m.gammaSat) : "同天然重度");
    add("gammaW", doubleText(m.gammaW));
    add("K0", doubleText(m.K0));
    add("surcharge", doubleText(m.surcharge));
    add("concrete", m.concrete);
    add("steel", m.steel);
    add("spacing", doubleText(m.spacing));
    add("limit", doubleText(m.limit));
    add("gammaG", doubleText(m.gammaG));
    add("gammaQ", doubleText(m.gammaQ));
    add("psiq", doubleText(m.psiq));
    add("gamma0", doubleText(m.gamma0));
    add("mode", std::string(chosen(modeNames(), modeLabels(), m.mode)));
    return out;
}

std::vector<std::vector<std::string>> storeysOf(const WallModel& m) {
    std::vector<std::vector<std::string>> rows = {{"层", "层顶标高(m)", "层底标高(m)", "墙厚h(mm)",
                                                   "迎水面c1(mm)", "背水面c2(mm)",
                                                   "人防荷载qrf(kN/m2)"}};
    for (std::size_t i = 0; i < m.storeyCount(); ++i) {
        const Storey& s = m.storeys[i];
        rows.push_back({storeyName(i), doubleText(m.slabs[i]), doubleText(m.slabs[i + 1]),
                        doubleText(s.thickness), doubleText(s.c1), doubleText(s.c2),
                        doubleText(s.qrf)});
    }
    return rows;
}

std::string barsOf(const std::optional<design::Bars>& b) {
    if (!b) return "无可选钢筋";
    return std::to_string(b->d) + "@" + doubleText(b->spacing) + "（" + shownText(b->area) + "）";
}

DesignRow faceRow(const StoreyDesign& s, const FaceCheck& f) {
    const design::FaceDesign& g = f.governing().face;
    DesignRow r{storeyName(s.index),
                std::string(placeName(f.place)),
                "M=" + shownText(g.strength.M) + " (kN·m/m)",
                g.strength.tooSmall ? "αs=" + shownText(g.strength.alphaS) + "≥0.5"
                                    : "As=" + shownText(g.strength.As) +
                                          " (mm2)，As,min=" + shownText(g.AsMin) + " (mm2)",
                barsOf(f.provided),
                f.crack ? shownText(f.crack->w) : "",
                f.ok()};
    if (f.wartime) r.section += f.wartimeGoverns ? "（人防）" : "（平时）";
    return r;
}

DesignRow shearRow(const StoreyDesign& s, const model::ShearCheck& c, std::string_view where) {
    const design::Shear& v = c.governing().shear;
    return {storeyName(s.index),
            std::string(where),
            "V=" + shownText(v.V) + " (kN/m)",
            "Vc=" + shownText(v.Vc) + " (kN/m)",
            "",
            "",
            c.ok()};
}

}  // namespace

std::vector<std::string> designColumns() {
    // One unit to a heading: the forces and what they ask are of two kinds (a face's
    // moment and bars, a section's shear), so those cells carry their own units.
    return {"层", "截面", "内力", "计算", "实配钢筋As(mm2)", "裂缝w(mm)", "结论"};
}

std::vector<DesignRow> designRows(const WallDesign& d) {
    std::vector<DesignRow> rows;
    for (const StoreyDesign& s : d.designed()) {
        for (const FacePlace p : model::kFacePlaces) {
            if (const auto& f = s.face(p)) rows.push_back(faceRow(s, *f));
        }
        rows.push_back(shearRow(s, s.shearTop, "墙顶受剪"));
        rows.push_back(shearRow(s, s.shearBottom, "墙底受剪"));
        if (s.shearSide) rows.push_back(shearRow(s, *s.shearSide, "侧边支座受剪"));
        const design::HorizontalBars& h = s.horizontal();
        rows.push_back({storeyName(s.index), "水平分布钢筋（每侧）", "",
                        "As,h=" + shownText(h.As) + " (mm2)", barsOf(h.bars), "",
                        h.bars.has_value()});
    }
    return rows;
}

ProjectInfo projectOf(const TitleBlock& t) {
    return {t.project, t.wall, t.designer, t.checker, t.reviewer};
}

ModelSheet modelSheetOf(const WallModel& m, const ModelPress& press) {
    ModelSheet sheet;
    sheet.project = projectOf(m.project);
    const bool civil = modeOf(m) == model::Mode::CivilDefence;
    sheet.codes = designCodeLines(kBasis2010, civil);
    sheet.codes.push_back(codeLine(kWaterproofing));
    sheet.inputs = inputsOf(m);
    sheet.storeys = storeysOf(m);
    if (const design::SteelGrade* steel = design::steelNamed(m.steel))
        sheet.notation.barSymbol = steel->symbol;
    if (!press.completed()) return sheet;
    sheet.figure = modelFigure(m, press);
    if (m.panel && press.panel)
        sheet.headings.figure = "三、计算简图与弯矩云图（双向板，标准组合）";
    const design::Verdict& v = press.design->verdict;
    sheet.verdict.ok = v.ok();
    sheet.verdict.line = v.line();
    for (const design::Failure& f : v.failed)
        sheet.verdict.failures.push_back(f.text);
    sheet.design = designRows(*press.design);
    sheet.calculation = textLines(modelText(m, press));
    if (!sheet.calculation.empty() && sheet.calculation.back().empty())
        sheet.calculation.pop_back();
    return sheet;
}

}  // namespace wallcalc::sheet
