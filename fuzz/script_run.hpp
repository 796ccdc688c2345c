#pragma once
// Runs a press script on one window that has just opened, checking the invariants
// after every press.
#include <optional>
#include <string>
#include <vector>

#include "press_script.hpp"

namespace wallcalc::fuzz {

struct ScriptFailure {
    std::size_t event = 0;            // the press that broke an invariant
    std::vector<std::string> broken;  // what it broke
};

// Empty when every press kept the invariants.
std::optional<ScriptFailure> runScript(const std::vector<Event>& events);

}  // namespace wallcalc::fuzz
