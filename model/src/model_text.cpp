#include "wallcalc/model/model_text.hpp"

#include "text_parts.hpp"

namespace wallcalc::model {

std::string modelText(const WallModel& model, const ModelPress& press) {
    text::Lines t;
    if (!press.completed()) {
        t.line("输入有误，未计算：");
        for (const Problem& p : press.problems)
            t.line("  " + p.message);
        return std::move(t.out);
    }
    text::loadLines(t, model, press.loads);
    if (press.panel) {
        text::panelAnalysisLines(t, model, *press.panel);
    } else {
        text::analysisLines(t, model, *press.analysis);
    }
    text::designLines(t, model, *press.design);
    text::verdictLines(t, *press.design);
    return std::move(t.out);
}

}  // namespace wallcalc::model
