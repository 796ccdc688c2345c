#pragma once
// The columns a batch writes for each wall after its input columns: the six result boxes
// and the supplementary design ("span.As" …), named once for the header and filled once
// per row.
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

}  // namespace wallcalc::cli
