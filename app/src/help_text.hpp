#pragma once
// The text of "帮助": what the program does not cover yet, what it assumes, and where
// to send suggestions.
#include <span>
#include <string>
#include <string_view>

namespace wallcalc::app {

// The eight lines, leading and trailing blanks included.
std::span<const std::string_view> helpLines();

// The lines joined by CR LF, with no break after the last one. The window turns the
// breaks into LF when it shows the text (see line_breaks.hpp).
std::string helpText();

}  // namespace wallcalc::app
