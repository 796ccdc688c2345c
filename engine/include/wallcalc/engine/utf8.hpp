#pragma once
// Typed texts are UTF-8 as the window hands them over, but a pasted or scripted text
// may not be; whatever quotes one checks it character by character.
#include <cstddef>
#include <string_view>

namespace wallcalc {

// The length of the well-formed UTF-8 character that starts at text[i] (1 for ASCII),
// or 0 when the bytes there are not one: no overlong forms, no surrogates, nothing
// above U+10FFFF, no sequence cut short by the end of the text.
std::size_t utf8CharacterLength(std::string_view text, std::size_t i);

}  // namespace wallcalc
