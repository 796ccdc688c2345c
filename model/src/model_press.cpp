#include "wallcalc/model/model_press.hpp"

namespace wallcalc::model {
namespace {

// A wall that spans both ways is analysed and designed as a plate: the strip of one metre
// does not stand for it (and a panel held at a side stands where the strip would turn).
ModelPress pressPanel(const WallModel& model, ModelPress press) {
    press.loads = modelLoads(model);
    auto panel = analysePanelOf(model, press.loads);
    if (auto* failure = std::get_if<PanelFailure>(&panel)) {
        press.problems.push_back(std::move(failure->problem));
        return press;
    }
    press.panel = std::move(std::get<PanelAnalysis>(panel));
    press.design = designWall(model, panelForces(*press.panel));
    return press;
}

}  // namespace

ModelPress pressModel(const WallModel& model) {
    ModelPress press;
    press.problems = problems(model);
    if (!press.problems.empty()) return press;
    if (model.panel) return pressPanel(model, std::move(press));
    press.analysis = analyseWall(model);
    if (!press.analysis) {
        // Numbers each within range, yet too far apart for the arithmetic (a storey a
        // millionth of a millimetre high under a wall a kilometre deep).
        press.problems.push_back({"slabs",
                                  "slabs（楼板顶标高）与各层墙厚相差过于悬殊，内力无法计算；"
                                  "请检查楼板顶标高与墙厚"});
        return press;
    }
    press.loads = press.analysis->loads;
    press.design = designWall(model, *press.analysis);
    return press;
}

}  // namespace wallcalc::model
