// 二、内力 of a two-way panel: the plate, its mesh and how far its moments had settled, then
// for each combination the design takes each storey's governing moments with where they
// are, its edge reactions and their balance, and the edge shears they give.
#include <cmath>

#include "text_parts.hpp"

namespace wallcalc::model::text {
namespace {

// A side as the window and the sheets name it: "固定", "铰接", "自由".
std::string_view sideText(std::string_view name) {
    return edgeSupportLabels()[static_cast<std::size_t>(
        edgeSupportNamed(name).value_or(EdgeSupport::Pinned))];
}

std::string momentText(const std::optional<plate::PanelMoment>& m) {
    if (!m) return "无";
    return report::shownText(shown(m->M_kNm_per_m)) + "(x=" + report::shownText(shown(m->x_m)) +
           ",z=" + report::shownText(shown(m->z_m)) + ")";
}

void plateLines(Lines& t, const WallModel& m, const plate::PanelResult& k) {
    t.line(
        "墙板按双向板计算：水平跨度B={B}(m)，左侧{l}，右侧{r}，墙顶{top}，墙底{base}，中间楼板为"
        "铰支座，墙板在其上连续；各层按其墙厚的Kirchhoff薄板，ν=0.2（GB 50010-2010 4.1.8），"
        "有限元（双三次Hermite矩形单元）",
        {{"B", m.panel->width},
         {"l", sideText(m.panel->left)},
         {"r", sideText(m.panel->right)},
         {"top", topSupportLabel(m)},
         {"base", baseSupportLabel(m)}});
    std::string down;
    for (int n : k.mesh.perStorey)
        down += (down.empty() ? "" : "/") + std::to_string(n);
    t.line(
        "网格：水平{across}格，各层竖向{down}格，未知量{unknowns}；较上一网格控制弯矩最大变化"
        "{change}%，估计再加密的变化{remaining}%≤0.5%",
        {{"across", static_cast<long long>(k.mesh.across)},
         {"down", down},
         {"unknowns", static_cast<long long>(k.mesh.unknowns)},
         {"change", shown(100 * k.change)},
         {"remaining", shown(100 * k.remaining)}});
    t.line(
        "弯矩每米宽(kN·m/m)，以背水面受拉为正；x为距左侧支承(m)，z为层顶以下深度(m)；支座弯矩取该"
        "支承边上绝对值最大者，跨中弯矩取该层板面背水面受拉最大者；反力为该边总和(kN)；其余组合"
        "在同一网格上计算");
}

void storeyLines(Lines& t, const WallModel& m, const plate::StoreyResult& s, std::size_t i,
                 bool shears) {
    // The texts live here: a named value holds a view of its text.
    const std::string vt = momentText(s.vertical.top), vs = momentText(s.vertical.span),
                      vb = momentText(s.vertical.bottom), hl = momentText(s.horizontal.left),
                      hs = momentText(s.horizontal.span), hr = momentText(s.horizontal.right);
    const std::initializer_list<Named> v = {{"n", static_cast<long long>(i + 1)},
                                            {"vt", vt},
                                            {"vs", vs},
                                            {"vb", vb},
                                            {"hl", hl},
                                            {"hs", hs},
                                            {"hr", hr}};
    t.line("  第{n}层竖向：顶{vt}，跨中{vs}，底{vb}", v);
    t.line("  第{n}层水平：左{hl}，跨中{hs}，右{hr}", v);
    const plate::EdgeReactions& r = s.reactions;
    t.line("  第{n}层反力：顶{t}，底{b}，左{l}，右{r}(kN)", {{"n", static_cast<long long>(i + 1)},
                                                             {"t", shown(r.top_kN)},
                                                             {"b", shown(r.bottom_kN)},
                                                             {"l", shown(r.left_kN)},
                                                             {"r", shown(r.right_kN)}});
    if (!shears) return;
    // The edge shear is the largest reaction per metre along the edge; beside it the edge's
    // mean (its total over its length), which a plate exceeds where the edge is longer.
    const double B = m.panel->width, H = m.slabs[i] - m.slabs[i + 1];
    t.line(
        "  第{n}层支承边剪力取该边最大线反力：V顶={vt}（均值R顶/B={t}/{B}={mt}），V底={vb}（均值"
        "{b}/{B}={mb}），V左={vl}（均值{l}/{H}={ml}），V右={vr}（均值{r}/{H}={mr}）(kN/m)",
        {{"n", static_cast<long long>(i + 1)},
         {"vt", shown(r.topPeak_kN_per_m)},
         {"vb", shown(r.bottomPeak_kN_per_m)},
         {"vl", shown(r.leftPeak_kN_per_m)},
         {"vr", shown(r.rightPeak_kN_per_m)},
         {"t", shown(r.top_kN)},
         {"b", shown(r.bottom_kN)},
         {"l", shown(r.left_kN)},
         {"r", shown(r.right_kN)},
         {"B", B},
         {"H", shown(H)},
         {"mt", shown(r.top_kN / B)},
         {"mb", shown(r.bottom_kN / B)},
         {"ml", shown(r.left_kN / H)},
         {"mr", shown(r.right_kN / H)}});
}

void balanceLine(Lines& t, const plate::PanelResult& r) {
    double sum = 0;
    for (const plate::StoreyResult& s : r.storeys)
        sum +=
            s.reactions.top_kN + s.reactions.bottom_kN + s.reactions.left_kN + s.reactions.right_kN;
    t.line("  ΣR={sum}(kN)，荷载合力B*∫p dx={load}(kN)",
           {{"sum", shown(sum)}, {"load", shown(r.totalLoad_kN)}});
}

}  // namespace

void panelAnalysisLines(Lines& t, const WallModel& m, const PanelAnalysis& a) {
    t.line("二、内力（双向板）");
    plateLines(t, m, a.characteristic());
    for (const CombinationHeading& c : kCombinationHeadings) {
        const auto& r = a[c.combination];
        if (!r) continue;
        t.line(headingOf(c, "输出的弯矩与反力"));
        // The shear is designed in the combinations of strength.
        const bool shears =
            c.combination == Combination::Design || c.combination == Combination::CivilDefence;
        for (std::size_t i = 0; i < r->storeys.size(); ++i)
            storeyLines(t, m, r->storeys[i], i, shears);
        balanceLine(t, *r);
    }
}

}  // namespace wallcalc::model::text
