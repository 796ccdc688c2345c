#pragma once
// What the 墙体模型 tab and its printed sheet show, as the JSON the page reads: the analysis
// per storey (from the command line's answer, each cell with the place of its figure in
// that answer), the design table and the verdict of the sheet, the whole sheet.
#include <nlohmann/json.hpp>
#include <string_view>
#include <vector>

#include "wallcalc/model/wall_design.hpp"
#include "wallcalc/sheet/model_sheet.hpp"

namespace wallcalc::web {

using ModelJson = nlohmann::ordered_json;

// "第1层" … for as many storeys as a model may have.
ModelJson storeyNames();
// {"columns": storeys, "rows": [{"heading", "cells": [{"text", "at", "ok"?}]}]}: the
// characteristic moments and reactions of each storey (`at` the JSON pointer of the
// figure in `answer`) and, last, each storey's verdict.
ModelJson analysisTable(const ModelJson& answer, const model::WallDesign& design, bool panel);
// {"columns", "rows": [{"cells": [...], "ok"}]}.
ModelJson designTable(const std::vector<sheet::DesignRow>& rows);
ModelJson verdictJson(const sheet::SheetVerdict& verdict);
ModelJson sheetJson(const sheet::ModelSheet& sheet, std::string_view date);

}  // namespace wallcalc::web
