#pragma once
// A script of window events, the form the fuzzer's inputs take. One event a line:
//
//   O            click the option "非人防"
//   C            click the option "人防"
//   P            press "计算"
//   T<n>=<text>  type <text> into Text<n> (n = 1 … 20); "\xHH" stands for the byte HH,
//                so a text can hold any byte, a line break included
//   L<n>=<pos>   select position <pos> of Combo<n> (n = 1 … 3; any int, -1 = none)
//
// Any other line is skipped, so every byte string is a script.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "wallcalc/engine/controls.hpp"

namespace wallcalc::fuzz {

struct Event {
    enum class Kind { ClickOrdinary, ClickCivilDefence, Press, Type, Select };
    Kind kind = Kind::Press;
    Box box = Box::Text1;      // Type
    std::string text;          // Type
    List list = List::Combo1;  // Select
    int position = 0;          // Select
};

// The events of a script; at most `maxPresses` presses are kept, and a script that
// does not end with a press gets one, so every script presses at least once.
std::vector<Event> parseScript(std::string_view script, std::size_t maxPresses);

// The line that stands for an event, with every byte outside printable ASCII (and the
// backslash) escaped; parseScript reads it back as the same event.
std::string scriptLine(const Event& event);

}  // namespace wallcalc::fuzz
