#pragma once
// wallcalc-cli --batch walls.csv [--out results.csv] [--pdf-dir DIR]: one wall per row,
// the results as CSV, and with --pdf-dir one calculation sheet per completed row.
#include <map>
#include <string>

#include "sheet_writer.hpp"

namespace wallcalc::cli {

// Runs the batch the options name; `sheets` writes the sheets when --pdf-dir is given.
// Returns the program's exit status.
int runBatchCommand(const std::map<std::string, std::string>& options, SheetWriter* sheets);

}  // namespace wallcalc::cli
