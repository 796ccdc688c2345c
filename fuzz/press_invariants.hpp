#pragma once
// What holds after every press of "计算", whatever the boxes hold and whatever came
// before: the fuzzer checks it after each press, the robustness tests after theirs.
//
// - the press ends, and no input box is written;
// - every message has the title "友情提示:" and a text;
// - a press that ends early leaves Text12 as it was; the result boxes either all keep
//   their texts or the ones it had not reached are emptied;
// - a completed press writes a text with the line count of its mode, case and section 3,
//   and result boxes of the expected shape;
// - no result box the press wrote and no completed text holds "nan" or "inf";
// - a completed press, and no other, has a verdict: 满足 exactly when nothing failed,
//   every failure of a check of the verdict's table, named in its line, with a text free
//   of "nan" and "inf"; in the 2010 basis every value of the design it judges is finite;
// - with both material lists selected, the same press on a window that has just opened
//   gives the same messages and boxes: nothing an earlier press left behind shows.
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "wallcalc/engine/window_model.hpp"
#include "wallcalc/report/calculation_text.hpp"

namespace wallcalc::fuzz {

// The window just before a press, and the press.
struct PressRecord {
    std::array<std::string, kBoxCount> before;
    PressResult result;  // its list positions and X are those of the window before
};

// Presses "计算" and records the press.
PressRecord press(WindowModel& window);

// Every way the press broke the invariants above, one sentence each; empty when it
// kept them all.
std::vector<std::string> violations(const PressRecord& press);

// The same press on a window that has just opened: the same option clicked, every box
// typed as it stood before the press, the same list positions.
PressResult replayOnNewWindow(const PressRecord& press);

// What section 3 of a completed press holds, read from its result boxes.
report::CrackSection crackSectionShown(const PressResult& press);

// The number of lines of a calculation text (lines end in CR LF, the last has none).
int lineCountOf(std::string_view text);

// Whether the text holds "nan" or "inf" in any letter case. Only numeric places are
// searched this way: a valid number typed into a box and quoted in the text holds no
// letter but e and E, and the fixed Chinese text holds no ASCII letters in a row that
// could spell either word.
bool holdsNanOrInf(std::string_view text);

}  // namespace wallcalc::fuzz
