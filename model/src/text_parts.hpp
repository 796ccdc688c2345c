#pragma once
// The parts of the wall model's calculation text, in their order.
#include "text_lines.hpp"
#include "wallcalc/model/model_press.hpp"

namespace wallcalc::model::text {

void loadLines(Lines& t, const WallModel& m, const WallAnalysis& a);      // 一、荷载
void analysisLines(Lines& t, const WallModel& m, const WallAnalysis& a);  // 二、内力
void panelAnalysisLines(Lines& t, const WallModel& m,
                        const PanelAnalysis& a);                      // 二、内力（双向板）
void designLines(Lines& t, const WallModel& m, const WallDesign& d);  // 三、截面设计
void verdictLines(Lines& t, const WallDesign& d);                     // 四、结论

// The supports by their slab: "支座1（标高-3.6m）", the top and the base named as such.
std::string supportName(const WallModel& m, std::size_t j);

}  // namespace wallcalc::model::text
