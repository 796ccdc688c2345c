#pragma once
// Windows set up for a completed press in each mode and case, and the checks every
// robustness test makes after a press.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "press_invariants.hpp"
#include "wallcalc/engine/window_model.hpp"
#include "wallcalc/report/calculation_text.hpp"

namespace wallcalc::robustness {

using report::Case;
using report::Mode;

struct ModeAndCase {
    Mode mode;
    Case loadCase;
    Basis basis = Basis::Gb2002;
};
inline constexpr ModeAndCase kSetups[] = {
    {Mode::Ordinary, Case::A},
    {Mode::Ordinary, Case::B},
    {Mode::Ordinary, Case::C},
    {Mode::CivilDefence, Case::A},
    {Mode::CivilDefence, Case::B},
    {Mode::CivilDefence, Case::C},
    {Mode::Ordinary, Case::A, Basis::Gb2010},
    {Mode::Ordinary, Case::B, Basis::Gb2010},
    {Mode::Ordinary, Case::C, Basis::Gb2010},
    {Mode::CivilDefence, Case::A, Basis::Gb2010},
    {Mode::CivilDefence, Case::B, Basis::Gb2010},
    {Mode::CivilDefence, Case::C, Basis::Gb2010},
};
std::string setupName(ModeAndCase setup);  // "ordinary case B" or "2010 ordinary case B"

// The window model with its last checked press, whose messages the tests read.
class TestWindow : public WindowModel {
  public:
    const std::vector<Message>& messages() const { return last.messages; }
    PressResult last;
};

// A window with the option of the mode clicked, the basis and the case selected. The
// default elevations fit case A; case B gets the water level -3.5 and case C -7. In the
// 2010 basis civil-defence works take HRB400 (HPB300 has no civil-defence factor).
TestWindow windowFor(ModeAndCase setup);

// The boxes a press writes: the six result boxes and the calculation text.
inline constexpr Box kOutputBoxes[] = {Box::Text6,  Box::Text7,  Box::Text19, Box::Text9,
                                       Box::Text11, Box::Text18, Box::Text12};
using Outputs = std::array<std::string, std::size(kOutputBoxes)>;
Outputs outputsOf(const WindowModel& window);

// The outputs of a press of windowFor(setup) on a window that has just opened.
Outputs referenceOutputs(ModeAndCase setup);

// The input boxes a press of each setup reads, and the ones it never reads.
std::vector<Box> boxesRead(ModeAndCase setup);
std::vector<Box> boxesNeverRead(ModeAndCase setup);

// Presses "计算" and returns the press, which the window keeps as its last; every
// invariant the fuzzer checks is expected to hold (a broken one fails the calling test).
const PressResult& checkedPress(TestWindow& window);

}  // namespace wallcalc::robustness
