#pragma once
// The outcome of one press of "计算" as a value: how the press ended, the messages it
// showed, the window as the press left it (inputs as typed, the six result boxes, the
// calculation text) and the numbers behind them. The window, the command line, the batch,
// the calculation sheet and the tests all render this value; none reads a result back
// from a box.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "wallcalc/design/verdict.hpp"
#include "wallcalc/engine/checks.hpp"
#include "wallcalc/engine/controls.hpp"
#include "wallcalc/engine/state.hpp"

namespace wallcalc {

// How a press ended.
enum class RunEnd {
    Completed,  // the calculation text was written
    Reminder,   // no option clicked yet: the civil-defence reminder
    NoCase,     // no loading case selected: nothing written, no message
    Stopped,    // ended early after its message; the calculation text is untouched
    NoRun,      // X holds none of 0, 1, 20
};

struct Message {
    std::string title;
    std::string text;
    bool operator==(const Message&) const = default;
};

struct PressResult {
    RunEnd end = RunEnd::NoRun;
    int X = kNoChoiceYet;                      // the civil-defence choice the press ran with
    std::vector<Message> messages;             // in the order they were shown
    std::array<std::string, kBoxCount> boxes;  // every box after the press
    std::array<int, kListCount> lists{};       // the list positions of the press
    CalcState state;                           // the calculation state after the press
    std::optional<Checks> checks;              // the supplementary design of a completed press
    std::optional<design::Verdict> verdict;    // every check of a completed press, judged

    bool completed() const { return end == RunEnd::Completed; }
    Basis basis() const { return lists[index(List::Combo4)] == 1 ? Basis::Gb2010 : Basis::Gb2002; }
    const std::string& text(Box box) const { return boxes[index(box)]; }
    // The calculation text: the new one when the press completed, otherwise what Text12
    // still shows.
    const std::string& report() const { return text(Box::Text12); }
};

}  // namespace wallcalc
