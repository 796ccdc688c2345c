#pragma once
// Runs the real wallcalc-cli with an argument list (no shell, so blanks, quotes and empty
// arguments arrive as they are) and collects its exit status, standard output and
// standard error.
#include <set>
#include <string>
#include <vector>

#include "wallcalc/cli/csv.hpp"

namespace wallcalc::testing {

struct CliRun {
    int status = -1;  // the exit status, -1 when the program did not exit normally
    std::string out;
    std::string err;
    long maxRssKb = 0;  // the program's peak resident memory
};

// `withoutDisplay` removes DISPLAY, WAYLAND_DISPLAY and QT_QPA_PLATFORM from the
// program's environment, as on a build server.
CliRun runCli(const std::vector<std::string>& args, bool withoutDisplay = false);

// A fresh, empty folder for one test, of this process alone (tests may run side by side).
std::string scratchFolder(const std::string& name);

std::string readWhole(const std::string& path);

// The names of the files in a folder.
std::set<std::string> filesIn(const std::string& folder);

// Every record of a CSV text (the test fails when a quote is left open).
std::vector<cli::CsvRecord> csvRecords(const std::string& text);

}  // namespace wallcalc::testing
