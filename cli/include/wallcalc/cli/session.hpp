#pragma once
// Session lines: one JSON object a line with what the user changes (the keys of
// changes.hpp), then one press of "计算"; the answer is one JSON object a line. A line
// {"model": {…}} presses a wall model instead (wallcalc/cli/model_json.hpp), leaving the
// window as it is; its answer is the model's (as --model --json writes it).
#include <string>
#include <string_view>
#include <variant>

#include "wallcalc/engine/window_model.hpp"

namespace wallcalc::cli {

// The object written for a press: whether it completed, its messages, the six results
// ("results"; null when the press did not complete, whose boxes stand under "boxes"), the
// calculation text as the window shows it after the press, the supplementary design
// ("checks") and the verdict ({"ok": …, "failed": [{"check": …, "text": …}]}), both null
// when the press did not complete.
std::string pressJson(const PressResult& press);

// The "checks" and the "verdict" parts alone, appended to `out`.
void appendChecksJson(std::string& out, const PressResult& press);
void appendVerdictJson(std::string& out, const PressResult& press);

// What a session line gives: the press, or why the line was not understood.
struct SessionError {
    std::string why;
};
// The answer of a {"model": …} line, already as its JSON.
struct ModelSessionAnswer {
    std::string json;
    bool satisfied = false;
};
using SessionAnswer = std::variant<PressResult, SessionError, ModelSessionAnswer>;

// Applies one session line to the window and presses "计算". A line that is not
// understood changes nothing and presses nothing.
SessionAnswer sessionPress(WindowModel& window, std::string_view line);

// An error answer names the line of the session it answers ("第3行：…"), counted from 1
// as the lines of a session file are; a press is left as it is.
void nameLine(SessionAnswer& answer, std::size_t number);

// The JSON line of an answer: the press's object, or {"error": …}.
std::string answerJson(const SessionAnswer& answer);

// sessionPress, then answerJson.
std::string sessionLine(WindowModel& window, std::string_view line);

}  // namespace wallcalc::cli
