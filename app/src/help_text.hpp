#pragma once
// The text of "帮助": what the program designs and how, the two design bases, the
// supplementary design, wall files and the sheet, what it assumes, and where to send
// suggestions; paragraphs parted by an empty line.
#include <span>
#include <string>
#include <string_view>

namespace wallcalc::app {

// The lines, leading blanks included; an empty line between two paragraphs.
std::span<const std::string_view> helpLines();

// The lines joined by CR LF, with no break after the last one. The window turns the
// breaks into LF when it shows the text (see line_breaks.hpp).
std::string helpText();

}  // namespace wallcalc::app
