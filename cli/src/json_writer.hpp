#pragma once
// JSON texts written by hand, byte for byte as the JSON library dumps them with
// dump(-1, ' ', false, replace): the session answers a line in a fraction of the time it
// takes to build the library's object and dump it.
#include <string>
#include <string_view>

namespace wallcalc::cli {

// A string: quotes, backslashes and control characters escaped (\b \t \n \f \r, the others
// as \u00xx), every other character as it stands. A text that is not valid UTF-8 (which no
// box or message of a run holds) is left to the library, which replaces what it cannot read.
void appendJsonString(std::string& out, std::string_view s);

// A number in the library's shortest form that reads back as the same double ("0.0",
// "204.639", "1e+16"); null for a NaN or an infinity.
void appendJsonNumber(std::string& out, double value);

}  // namespace wallcalc::cli
