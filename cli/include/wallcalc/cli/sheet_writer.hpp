#pragma once
// Calculation sheets from the command line: --pdf for one calculation, --pdf-dir for the
// completed rows of a batch. Builds without Qt have no sheet writer and say so.
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "wallcalc/engine/press.hpp"
#include "wallcalc/engine/project.hpp"

namespace wallcalc::cli {

class SheetWriter {
  public:
    virtual ~SheetWriter() = default;
    // Writes the sheet of the press to `path`, with the wall's `name` (empty for none) and
    // the title block of `project`. May be called from several threads at once. Returns
    // why it could not, naming the file, or nothing.
    virtual std::optional<std::string> write(const PressResult& press, std::string_view name,
                                             const ProjectInfo& project,
                                             const std::string& path) = 0;
};

// Starts what writing sheets needs (a Qt application, on the offscreen platform when
// there is no display). `date` is the date printed on the sheets as YYYY-MM-DD, empty for
// today. Returns nothing, and why in `why`, when this build cannot write PDFs or the date
// is not a date. Defined by the program, not by the library.
std::unique_ptr<SheetWriter> openSheetWriter(const char* program, const std::string& date,
                                             std::string& why);

}  // namespace wallcalc::cli
