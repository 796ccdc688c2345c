#pragma once
// wallcalc-cli's exit status, and how it says why it stops.
#include <iostream>
#include <string_view>

namespace wallcalc::cli {

inline constexpr int kCompleted = 0;     // the calculation completed (every output written)
inline constexpr int kEndedEarly = 1;    // a press ended early, or an output could not be written
inline constexpr int kUsage = 2;         // the command line or an input file is not understood
inline constexpr int kNotSatisfied = 3;  // completed, but the design does not satisfy the codes

// Says why on standard error, and gives the exit status to end with.
inline int refuse(int status, std::string_view why) {
    std::cerr << "wallcalc-cli：" << why << '\n';
    return status;
}

}  // namespace wallcalc::cli
