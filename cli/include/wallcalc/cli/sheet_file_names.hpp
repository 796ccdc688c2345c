#pragma once
// File names for the calculation sheets of a batch: the row's "name" cell made into a
// name every desktop accepts (no path separators, no characters Windows refuses, no
// leading or trailing dots and blanks), or the row number when the cell is empty. A name
// already given in this batch gets the row number appended, so no sheet overwrites
// another.
#include <set>
#include <string>
#include <string_view>

namespace wallcalc::cli {

class SheetFileNames {
  public:
    // The file name, with ".pdf", for row `row` (1-based) whose "name" cell is `name`.
    std::string next(std::size_t row, std::string_view name);

  private:
    std::set<std::string> used_;  // folded to lower case: Windows does not tell case apart
};

}  // namespace wallcalc::cli
