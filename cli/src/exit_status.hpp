#pragma once
// wallcalc-cli's exit status.
namespace wallcalc::cli {

inline constexpr int kCompleted = 0;   // the calculation completed (every output written)
inline constexpr int kEndedEarly = 1;  // a press ended early, or an output could not be written
inline constexpr int kUsage = 2;       // the command line or an input file is not understood

}  // namespace wallcalc::cli
