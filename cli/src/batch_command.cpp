#include "batch_command.hpp"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <thread>

#include "exit_status.hpp"
#include "wallcalc/cli/batch.hpp"
#include "wallcalc/cli/input_text.hpp"
#include "wallcalc/cli/texts.hpp"

namespace wallcalc::cli {
namespace {

namespace fs = std::filesystem;

// A record of the results that could not be written: the batch stops there.
struct OutputFailed {
    std::string why;
};

// Where the results go: standard output, or a file written whole or not at all (the
// records go to a temporary file beside it, which takes its name at the end).
class ResultsOutput {
  public:
    // Checks that the file can be written before any row is computed.
    static std::variant<std::unique_ptr<ResultsOutput>, std::string> open(const std::string* path) {
        if (path == nullptr) return std::unique_ptr<ResultsOutput>(new ResultsOutput(stdout, ""));
        const auto cannot = [&](int error) {
            return "无法写入结果文件" + inQuotes(*path) + "：" + fileErrorReason(error);
        };
        std::error_code ec;
        if (fs::is_directory(*path, ec)) return cannot(EISDIR);
        std::FILE* file = std::fopen((*path + ".part").c_str(), "wb");
        if (file == nullptr) return cannot(errno);
        return std::unique_ptr<ResultsOutput>(new ResultsOutput(file, *path));
    }

    ~ResultsOutput() {
        if (path_.empty() || file_ == nullptr) return;
        std::fclose(file_);
        std::error_code ignored;
        fs::remove(temporary(), ignored);
    }

    void write(const std::string& record) {
        if (std::fwrite(record.data(), 1, record.size(), file_) != record.size()) {
            throw OutputFailed{failure(errno)};
        }
    }

    // Ends the output: the file takes its name. Returns why it could not.
    std::optional<std::string> commit() {
        if (path_.empty()) {
            std::fflush(stdout);
            return std::nullopt;
        }
        const bool written = std::fflush(file_) == 0 && fsync(fileno(file_)) == 0;
        const int error = errno;
        std::fclose(file_);
        file_ = nullptr;
        std::error_code ec;
        if (written) fs::rename(temporary(), path_, ec);
        if (!written || ec) {
            fs::remove(temporary(), ec);
            return failure(written ? ec.value() : error);
        }
        return std::nullopt;
    }

  private:
    ResultsOutput(std::FILE* file, std::string path) : file_(file), path_(std::move(path)) {}
    std::string temporary() const { return path_ + ".part"; }
    std::string failure(int error) const {
        return "无法写入结果文件" + inQuotes(path_.empty() ? "标准输出" : path_) + "：" +
               fileErrorReason(error);
    }

    std::FILE* file_;
    std::string path_;  // empty for standard output
};

// Why no sheet can be written into the folder (made when it is missing), or nothing.
std::optional<std::string> folderProblem(const std::string& folder) {
    std::error_code ec;
    if (fs::exists(folder, ec) && !fs::is_directory(folder, ec)) {
        return inQuotes(folder) + "是一个文件，不是文件夹";
    }
    fs::create_directories(folder, ec);
    if (ec) return "无法建立文件夹" + inQuotes(folder) + "：" + fileErrorReason(ec.value());
    std::string probe = (fs::path(folder) / ".wallcalc-XXXXXX").string();
    const int fd = mkstemp(probe.data());
    if (fd < 0) return "无法在文件夹" + inQuotes(folder) + "中写入：" + fileErrorReason(errno);
    close(fd);
    fs::remove(probe, ec);
    return std::nullopt;
}

// Progress on standard error: one line that updates itself on a terminal; otherwise (a
// log, a build server) a line at every tenth of the input, for batches of 1000 rows on.
class ProgressLine {
  public:
    explicit ProgressLine(const InputText& input) : input_(input), terminal_(isatty(2) == 1) {}

    void operator()(std::size_t rows) {
        const int percent = input_.fileSize() == 0
                                ? 100
                                : static_cast<int>(100 * input_.bytesRead() / input_.fileSize());
        if (terminal_) {
            const auto now = std::chrono::steady_clock::now();
            if (now - shown_ < std::chrono::milliseconds(100)) return;
            shown_ = now;
            std::cerr << "\rwallcalc-cli：已计算 " << rows << " 行（已读入 " << percent << "%）"
                      << std::flush;
            updated_ = true;
        } else if (rows >= 1000 && percent >= nextTenth_) {
            std::cerr << "wallcalc-cli：已计算 " << rows << " 行（已读入 " << percent << "%）\n";
            nextTenth_ = percent / 10 * 10 + 10;
        }
    }

    // A line of its own between the updates.
    void note(const std::string& text) {
        done();
        std::cerr << "wallcalc-cli：" << text << '\n';
    }

    // Clears the updating line before the summary.
    void done() {
        if (updated_) std::cerr << "\r\033[K" << std::flush;
    }

  private:
    const InputText& input_;
    bool terminal_;
    bool updated_ = false;
    int nextTenth_ = 10;
    std::chrono::steady_clock::time_point shown_{};
};

// The sheets' writer and folder; a folder that cannot hold them is said at once, and each
// completed row then says so too.
std::optional<std::string> setUpSheets(const char* program, const CommandLine& line,
                                       BatchSheets& sheets, std::unique_ptr<SheetWriter>& writer) {
    const std::string* folder = line.value("pdf-dir");
    if (folder == nullptr) return std::nullopt;
    std::string why;
    writer = openSheetWriter(program, line.has("date") ? *line.value("date") : "", why);
    if (!writer) return why;
    sheets.writer = writer.get();
    sheets.folder = *folder;
    sheets.threads = std::max(1u, std::thread::hardware_concurrency());
    if (const auto problem = folderProblem(*folder)) {
        sheets.folderProblem = *problem;
        refuse(kEndedEarly, "不能写出计算书：" + *problem + "；各行照常计算，结果中注明");
    }
    return std::nullopt;
}

}  // namespace

int runBatchCommand(const char* program, const CommandLine& line) {
    const std::string& path = *line.value("batch");
    auto opened = InputText::open(path);
    if (auto* why = std::get_if<std::string>(&opened)) return refuse(kUsage, *why);
    InputText& input = *std::get<0>(opened);

    BatchSetup setup;
    setup.project = projectWithOptions(line, {});
    std::unique_ptr<SheetWriter> writer;
    if (const auto why = setUpSheets(program, line, setup.sheets, writer)) {
        return refuse(kUsage, *why);
    }
    auto output = ResultsOutput::open(line.value("out"));
    if (auto* why = std::get_if<std::string>(&output)) return refuse(kEndedEarly, *why);
    ResultsOutput& results = *std::get<0>(output);
    if (input.encoding() == Encoding::Gb18030) {
        std::cerr << "wallcalc-cli：" << inQuotes(path) << "按GB18030（GBK）编码读入\n";
    }

    CsvReader reader([&input](char* buffer, std::size_t size) { return input.read(buffer, size); });
    ProgressLine progress(input);
    setup.sheets.warn = [&progress](const std::string& warning) { progress.note(warning); };
    BatchOutcome outcome;
    try {
        outcome = runBatch(
            reader, [&results](const std::string& record) { results.write(record); }, setup,
            [&progress](std::size_t rows) { progress(rows); });
    } catch (const OutputFailed& failed) {
        progress.done();
        return refuse(kEndedEarly, failed.why + "；批量计算中止");
    }
    progress.done();
    if (!outcome.started) return refuse(kUsage, inQuotes(path) + "：" + outcome.error);
    if (const auto failed = results.commit()) return refuse(kEndedEarly, *failed);

    std::cerr << "wallcalc-cli：" << batchSummary(outcome.counts) << '\n';
    if (const std::string advice = unchosenAdvice(outcome.counts); !advice.empty()) {
        std::cerr << "wallcalc-cli：" << advice
                  << "，如同 --mode ordinary 或 --mode civil-defence\n";
    }
    int status = batchStatus(outcome.allCompleted());
    if (setup.sheets.writer != nullptr) {
        std::cerr << "wallcalc-cli：计算书写出 " << outcome.counts.sheets << " 份，未写出 "
                  << outcome.counts.sheetsFailed << " 份（文件夹 " << inQuotes(setup.sheets.folder)
                  << "）\n";
        if (outcome.counts.sheetsFailed > 0) status = kEndedEarly;
    }
    const std::string& stopped = outcome.error.empty() ? input.error() : outcome.error;
    if (!stopped.empty()) {
        return refuse(kEndedEarly, inQuotes(path) + "：" + stopped + "；此前的各行已写出");
    }
    if (status == kCompleted && outcome.counts.notSatisfied > 0) {
        return refuse(kNotSatisfied, std::to_string(outcome.counts.notSatisfied) +
                                         " 行的设计不满足规范要求（见 verdict 与 failed 列）");
    }
    return status;
}

}  // namespace wallcalc::cli
