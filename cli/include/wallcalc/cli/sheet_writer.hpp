#pragma once
// Calculation sheets from the command line: --pdf for one calculation or one wall model,
// --pdf-dir for the completed rows of a batch. Builds without Qt have no sheet writer and say so.
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "wallcalc/engine/press.hpp"
#include "wallcalc/engine/project.hpp"
#include "wallcalc/model/model_press.hpp"

namespace wallcalc::cli {

// What became of one sheet: why it was not written, naming the file; or, for a sheet that
// was written, what must still be said of it (characters it could not print), else empty.
struct SheetOutcome {
    std::optional<std::string> failure;
    std::string warning;
};

class SheetWriter {
  public:
    virtual ~SheetWriter() = default;
    // Writes the sheet of the press to `path`, with the wall's `name` (empty for none) and
    // the title block of `project`. May be called from several threads at once.
    virtual SheetOutcome write(const PressResult& press, std::string_view name,
                               const ProjectInfo& project, const std::string& path) = 0;
    // Writes the calculation sheet of a completed press of a wall model to `path`, with the
    // title block the model carries.
    virtual SheetOutcome writeModel(const model::WallModel& model, const model::ModelPress& press,
                                    const std::string& path) = 0;
};

// Starts what writing sheets needs (a Qt application, on the offscreen platform when
// there is no display). `date` is the date printed on the sheets as YYYY-MM-DD, empty for
// today. Returns nothing, and why in `why`, when this build cannot write PDFs or the date
// is not a date. Defined by the program, not by the library.
std::unique_ptr<SheetWriter> openSheetWriter(const char* program, const std::string& date,
                                             std::string& why);

}  // namespace wallcalc::cli
