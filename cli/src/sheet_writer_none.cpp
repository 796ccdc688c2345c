// The sheet writer of a build without Qt (the sanitizer build): there is none.
#include "sheet_writer.hpp"

namespace wallcalc::cli {

std::unique_ptr<SheetWriter> openSheetWriter(const char*, const std::string&, std::string& why) {
    why = "this build of wallcalc-cli cannot write PDFs (it was built without Qt)";
    return nullptr;
}

}  // namespace wallcalc::cli
