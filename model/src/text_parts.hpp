#pragma once
// The parts of the wall model's calculation text, in their order.
#include "text_lines.hpp"
#include "wallcalc/model/model_press.hpp"
#include "wallcalc/model/names.hpp"

namespace wallcalc::model::text {

void loadLines(Lines& t, const WallModel& m, const ModelLoads& loads);    // 一、荷载
void analysisLines(Lines& t, const WallModel& m, const WallAnalysis& a);  // 二、内力
void panelAnalysisLines(Lines& t, const WallModel& m,
                        const PanelAnalysis& a);                      // 二、内力（双向板）
void designLines(Lines& t, const WallModel& m, const WallDesign& d);  // 三、截面设计
void verdictLines(Lines& t, const WallDesign& d);                     // 四、结论

// The combinations of 二、内力 in their order, each named with what the design takes from
// it: "基本组合pd（承载力）". The characteristic combination's use is the analysis's output,
// which the strip and the panel name each their own way.
struct CombinationHeading {
    Combination combination;
    std::string_view name;
    std::string_view use;  // empty for the characteristic combination
};
inline constexpr CombinationHeading kCombinationHeadings[] = {
    {Combination::Characteristic, "标准组合pk", ""},
    {Combination::Design, "基本组合pd", "承载力"},
    {Combination::QuasiPermanent, "准永久组合pq", "裂缝宽度"},
    {Combination::CivilDefence, "人防组合prf", "人防承载力"},
};
inline std::string headingOf(const CombinationHeading& c, std::string_view characteristicUse) {
    return std::string(c.name) + "（" + std::string(c.use.empty() ? characteristicUse : c.use) +
           "）";
}

// The wall's top and base supports as the window and the sheets name them: "铰接", "固定".
inline std::string_view topSupportLabel(const WallModel& m) {
    return topSupportLabels()[static_cast<std::size_t>(topSupportOf(m))];
}
inline std::string_view baseSupportLabel(const WallModel& m) {
    return baseSupportLabels()[static_cast<std::size_t>(baseSupportOf(m))];
}

// The supports by their slab: "支座1（标高-3.6m）", the top and the base named as such.
std::string supportName(const WallModel& m, std::size_t j);

}  // namespace wallcalc::model::text
