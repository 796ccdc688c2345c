#pragma once
// The frame of one calculation run: the host, the state, the mode and the inputs'
// numeric values, converted at their first use.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "wallcalc/engine/host.hpp"
#include "wallcalc/engine/materials.hpp"
#include "wallcalc/engine/press.hpp"
#include "wallcalc/engine/state.hpp"
#include "wallcalc/report/calculation_text.hpp"

namespace wallcalc::detail {

// Why a run ends early: the message to show first (none when empty).
struct Stop {
    std::string message;
};
// The result of a step: empty when the run goes on.
using Step = std::optional<Stop>;

class Run {
  public:
    // A run starts with no input converted, unless told that the state's values are
    // those of the texts it will read (a second run of the same inputs).
    Run(Host& host, CalcState& state, Mode mode, bool sameTexts = false)
        : host(host), s(state), mode(mode) {
        if (!sameTexts) s.inputValues.fill(std::nullopt);
    }

    // The value of an input kept as text in the state; the run stops with a message
    // naming the box when its text is not a number.
    Step number(Input input, double& out);
    // Three-decimal rounding (SSWR) of a computed quantity; the run stops with a
    // message naming the quantity when it is out of range.
    Step round(double value, std::string_view quantity, float& out);

    Host& host;
    CalcState& s;
    const Mode mode;
    Basis basis = Basis::Gb2002;
    report::Case loadCase = report::Case::A;
};

// A run of the given mode that writes neither the result boxes nor the calculation text:
// the supplementary design's second opinion, where only the numbers and the messages are
// wanted. The state holds the values of the same texts already converted by the first run.
RunEnd computeWithoutText(Host& host, Mode mode, CalcState& state);

// Messages of a run.
std::string notANumberMessage(Box box, std::string_view text);
std::string outOfRangeMessage(std::string_view quantity);
std::string mustBePositiveMessage(Box box, std::string_view text);
// A positive number so small that what the calculation divides by it leaves the range of
// numbers (a spacing of 1e-320 mm).
std::string tooSmallMessage(Box box, std::string_view text);
// A number so large that what the calculation makes of it leaves the range of numbers.
std::string tooLargeMessage(Box box, std::string_view text);

}  // namespace wallcalc::detail
