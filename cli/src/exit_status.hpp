#pragma once
// wallcalc-cli's exit status, and how it says why it stops.
#include <iostream>
#include <string_view>

namespace wallcalc::cli {

// Every status the program ends with stands here.
inline constexpr int kCompleted = 0;  // the calculation completed (every output written)
// A press ended early, an output could not be written, or a batch has rows that did not
// complete (ended early, not understood, cut short).
inline constexpr int kEndedEarly = 1;
inline constexpr int kUsage = 2;  // the command line or an input file is not understood
// Every press completed (every row of a batch), but a design does not satisfy the codes.
inline constexpr int kNotSatisfied = 3;

// A batch that read all its rows: completed when every row completed.
inline constexpr int batchStatus(bool everyRowCompleted) {
    return everyRowCompleted ? kCompleted : kEndedEarly;
}

// Says why on standard error, and gives the exit status to end with.
inline int refuse(int status, std::string_view why) {
    std::cerr << "wallcalc-cli：" << why << '\n';
    return status;
}

}  // namespace wallcalc::cli
