#pragma once
// wallcalc-cli --batch walls.csv [--out results.csv] [--pdf-dir DIR]: one wall per row,
// the results as CSV, and with --pdf-dir one calculation sheet per completed row.
#include "options.hpp"

namespace wallcalc::cli {

// Runs the batch the command line names. Returns the program's exit status.
int runBatchCommand(const char* program, const CommandLine& line);

}  // namespace wallcalc::cli
