#include "wallcalc/model/model_press.hpp"

namespace wallcalc::model {

ModelPress pressModel(const WallModel& model) {
    ModelPress press;
    press.problems = problems(model);
    // The two-way panel is the plate analysis's: the strip of one metre does not stand for
    // a wall that spans both ways, so no strip is designed for it here.
    if (press.problems.empty() && model.panel) {
        press.problems.push_back(
            {"panel", "panel（" + std::string(kModelKeys[kModelKeys.size() - 1].label) +
                          "）：本程序的墙体模型尚不能按双向板计算；按单向墙条计算时请去掉 panel"});
    }
    if (!press.problems.empty()) return press;
    press.analysis = analyseWall(model);
    if (!press.analysis) {
        // Numbers each within range, yet too far apart for the arithmetic (a storey a
        // millionth of a millimetre high under a wall a kilometre deep).
        press.problems.push_back({"slabs",
                                  "slabs（楼板顶标高）与各层墙厚相差过于悬殊，内力无法计算；"
                                  "请检查楼板顶标高与墙厚"});
        return press;
    }
    press.design = designWall(model, *press.analysis);
    return press;
}

}  // namespace wallcalc::model
