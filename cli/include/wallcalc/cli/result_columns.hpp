#pragma once
// The columns a batch writes for each wall after its input columns: the six result boxes,
// the supplementary design ("span.As" …) and the verdict ("verdict": 满足 / 不满足：受剪、
// 裂缝; "failed": the keys of the failed checks joined by ";"), named once for the header
// and filled once per row.
#include <string>
#include <string_view>
#include <vector>

#include "wallcalc/cli/csv.hpp"
#include "wallcalc/engine/press.hpp"

namespace wallcalc::cli {

std::vector<std::string> resultColumns();

// Appends one cell per result column; a press that did not complete leaves the cells it
// has no value for empty.
void appendResultCells(const PressResult& press, CsvRecord& row);

// The verdict's cell: "满足", or "不满足：受剪、裂缝".
std::string verdictCell(const design::Verdict& verdict);

}  // namespace wallcalc::cli
