#include "batch_command.hpp"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>

#include "exit_status.hpp"
#include "wallcalc/cli/batch.hpp"
#include "wallcalc/cli/sheet_file_names.hpp"

namespace wallcalc::cli {
namespace {

bool readFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}

// Writes next to the target and renames, so that a failure leaves no half-written file.
bool writeFileAtomically(const std::string& path, const std::string& text, std::string& why) {
    const std::string temporary = path + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out || !out.write(text.data(), static_cast<std::streamsize>(text.size())) ||
            !out.flush()) {
            why = "cannot write " + temporary;
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, path, ec);
    if (ec) {
        why = "cannot write " + path + ": " + ec.message();
        std::filesystem::remove(temporary, ec);
        return false;
    }
    return true;
}

// Writes the sheet of each completed row into one folder, and counts what failed.
class SheetFolder {
  public:
    SheetFolder(SheetWriter& writer, std::filesystem::path folder)
        : writer_(writer), folder_(std::move(folder)) {}

    void operator()(std::size_t row, std::string_view name, const PressResult& press) {
        const std::filesystem::path file = folder_ / names_.next(row, name);
        if (const auto failed = writer_.write(press, name, file.string())) {
            std::cerr << "wallcalc-cli: row " << row << ": " << *failed << '\n';
            ++failed_;
        } else {
            ++written_;
        }
    }
    std::size_t written() const { return written_; }
    std::size_t failed() const { return failed_; }

  private:
    SheetWriter& writer_;
    std::filesystem::path folder_;
    SheetFileNames names_;
    std::size_t written_ = 0;
    std::size_t failed_ = 0;
};

}  // namespace

int runBatchCommand(const std::map<std::string, std::string>& options, SheetWriter* sheets) {
    std::string input;
    const std::string& path = options.at("batch");
    if (!readFile(path, input)) {
        std::cerr << "wallcalc-cli: cannot read " << path << '\n';
        return kUsage;
    }
    std::optional<SheetFolder> folder;
    if (sheets != nullptr) {
        const std::string& dir = options.at("pdf-dir");
        std::error_code ec;
        std::filesystem::create_directories(dir, ec);
        if (ec || !std::filesystem::is_directory(dir)) {
            std::cerr << "wallcalc-cli: cannot make the folder " << dir << ": "
                      << (ec ? ec.message() : "a file of that name is in the way") << '\n';
            return kEndedEarly;
        }
        folder.emplace(*sheets, dir);
    }
    const auto progress = [](std::size_t done, std::size_t total) {
        if (total >= 1000 && (done % 1000 == 0 || done == total)) {
            std::cerr << "wallcalc-cli: " << done << " / " << total << " rows\n";
        }
    };
    CompletedRow onCompleted;
    if (folder) {
        onCompleted = [&folder](std::size_t row, std::string_view name, const PressResult& p) {
            (*folder)(row, name, p);
        };
    }
    const BatchResult result = runBatch(input, onCompleted, progress);
    if (result.rows == 0 && !result.error.empty()) {
        std::cerr << "wallcalc-cli: " << path << ": " << result.error << '\n';
        return kUsage;
    }
    int status = kCompleted;
    if (auto out = options.find("out"); out != options.end()) {
        std::string why;
        if (!writeFileAtomically(out->second, result.csv, why)) {
            std::cerr << "wallcalc-cli: " << why << '\n';
            return kEndedEarly;
        }
    } else {
        std::cout << result.csv;
    }
    std::cerr << "wallcalc-cli: " << result.rows << " rows: " << result.completed << " completed, "
              << result.ended << " ended early, " << result.bad << " not understood\n";
    if (folder) {
        std::cerr << "wallcalc-cli: " << folder->written() << " calculation sheets in "
                  << options.at("pdf-dir") << '\n';
        if (folder->failed() > 0) status = kEndedEarly;
    }
    if (!result.error.empty()) {
        std::cerr << "wallcalc-cli: " << path << ": " << result.error << '\n';
        return kEndedEarly;
    }
    return status;
}

}  // namespace wallcalc::cli
