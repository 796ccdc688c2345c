#pragma once
// The 墙体模型 tab of the web page without its screen: the model's keys for the page's
// cells, one press of a model's JSON text with everything the tab shows (the answer, the
// figure as SVG, the results per storey, the calculation text), model files read and
// written, and the calculation sheet of the last press that completed. Each answer is a
// JSON text; the page's script only mirrors it.
#include <optional>
#include <string>
#include <string_view>

#include "wallcalc/sheet/model_sheet.hpp"

namespace wallcalc::web {

// The keys of the model as the tab lays out its cells: labels, units, defaults, choices,
// the storeys' and the panel's keys, the title block's fields.
std::string describeModel();

class WebModel {
  public:
    // {"problems": [{"key", "message"}, …]} and nothing computed; or {"answer": the
    // command line's answer, "figure": SVG text, "analysis": the analysis per storey,
    // "design": the design table, "verdict": …, "text": the calculation text}.
    std::string press(std::string_view modelJson);
    // {"file": the model file's text} or {"problems": …}.
    std::string file(std::string_view modelJson) const;
    // A model file opened: {"model": its keys as the file writes them} or {"error": why}.
    std::string open(std::string_view fileText) const;
    // The sheet of the last press that completed ({} before any), dated `date`.
    std::string sheet(std::string_view date) const;

  private:
    std::optional<sheet::ModelSheet> lastSheet_;  // of the last press that completed
};

}  // namespace wallcalc::web
