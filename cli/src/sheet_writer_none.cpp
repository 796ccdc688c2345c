// The sheet writer of a build without Qt (the sanitizer build): there is none.
#include "wallcalc/cli/sheet_writer.hpp"

namespace wallcalc::cli {

std::unique_ptr<SheetWriter> openSheetWriter(const char*, const std::string&, std::string& why) {
    why = "这一版本的 wallcalc-cli 不能写出PDF计算书（编译时没有Qt）";
    return nullptr;
}

}  // namespace wallcalc::cli
