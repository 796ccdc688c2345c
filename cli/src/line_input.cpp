#include "line_input.hpp"

#include <cerrno>
#include <filesystem>
#include <iostream>

#include "exit_status.hpp"
#include "wallcalc/cli/texts.hpp"

namespace wallcalc::cli {

LineInput::LineInput(const std::string& path) : path_(path), in_(&std::cin) {
    if (path == "-") {
        // Standard input read ahead through a buffer of its own, as a file is (nothing has
        // been read from it or written to standard output through C++ streams yet).
        std::ios_base::sync_with_stdio(false);
        return;
    }
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        refusal_ = refuse(kUsage, "无法读取" + inQuotes(path) + "：" + fileErrorReason(EISDIR));
        return;
    }
    file_.open(path, std::ios::binary);
    if (!file_) {
        refusal_ = refuse(kUsage, "无法打开" + inQuotes(path) + "：" + fileErrorReason(errno));
        return;
    }
    in_ = &file_;
}

bool LineInput::next(std::string& line) {
    if (!std::getline(*in_, line)) return false;
    ++number_;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

bool LineInput::readAhead() const {
    return in_->rdbuf()->in_avail() > 0;
}

std::optional<int> LineInput::readFailure() const {
    if (!in_->bad()) return std::nullopt;
    return refuse(kEndedEarly,
                  "读取" + inQuotes(path_) + "时出错（第" + std::to_string(number_) + "行之后）");
}

}  // namespace wallcalc::cli
