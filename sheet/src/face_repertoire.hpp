#pragma once
// The characters the sheet's compact face keeps: every character a sheet of this program
// prints of itself, and those engineers are likely to type into a name or the title block
// (the Latin, Greek and Cyrillic letters, the punctuation and symbols of the Chinese
// standard character set GB 2312, its 6,763 hanzi, and the full-width forms). A character
// outside comes from the installed face, as before.
#include <vector>

namespace wallcalc::sheet {

std::vector<char32_t> sheetRepertoire();

}  // namespace wallcalc::sheet
