#pragma once
// wallcalc-cli --model FILE [--json] [--pdf FILE] and --model-batch FILE|-: the wall model
// from its file, or a JSON Lines file of models answered line by line.
#include "options.hpp"

namespace wallcalc::cli {

// Each returns the program's exit status: 0 computed and satisfied, 2 a model not taken
// (the message on standard error names the key), 3 computed but not satisfied, 1 an
// output not written.
int runModelCommand(const char* program, const CommandLine& line);
int runModelBatchCommand(const CommandLine& line);

}  // namespace wallcalc::cli
