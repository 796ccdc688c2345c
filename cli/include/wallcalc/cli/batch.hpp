#pragma once
// Many walls at once: one wall per CSV row, each computed as in a freshly opened window
// with that row's inputs, so that no row depends on another. Rows are read, computed and
// written one after the other, so a batch of any length runs in little memory.
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "wallcalc/cli/csv.hpp"
#include "wallcalc/cli/sheet_writer.hpp"
#include "wallcalc/engine/project.hpp"

namespace wallcalc::cli {

// The columns a batch adds after the results, and the values of "status".
inline constexpr std::string_view kStatusColumn = "status";
inline constexpr std::string_view kMessagesColumn = "messages";
inline constexpr std::string_view kSheetColumn = "sheet";  // with sheets only
inline constexpr std::string_view kRowCompleted = "completed";
inline constexpr std::string_view kRowEnded = "ended";
inline constexpr std::string_view kRowNotUnderstood = "error";

// The sheets of a batch: with a writer, every completed row gets its calculation sheet in
// `folder`, and the row's "sheet" cell names the file or says why it was not written.
struct BatchSheets {
    SheetWriter* writer = nullptr;
    std::string folder;
    // Why no sheet can be written in the folder, found before the first row; each
    // completed row then says so in its "sheet" cell, and the rows are computed all the same.
    std::string folderProblem;
    unsigned threads = 1;
    // Says what must be said of a row's sheet that was written (characters it could not
    // print), naming the row; the row's messages say it as well.
    std::function<void(const std::string& warning)> warn;
};

struct BatchSetup {
    ProjectInfo project;  // the title block of every row, where its own cells leave a field empty
    BatchSheets sheets;
};

struct BatchCounts {
    std::size_t rows = 0;
    std::size_t completed = 0;
    std::size_t ended = 0;
    std::size_t unchosen = 0;  // of the rows that ended: at the reminder, with no mode given
    std::size_t bad = 0;       // rows that are not understood
    std::size_t notSatisfied = 0;  // completed rows whose design does not satisfy the codes
    std::size_t sheets = 0;
    std::size_t sheetsFailed = 0;
};

struct BatchOutcome {
    // Why the batch did not start (the header is not understood; nothing was written), or
    // why it stopped reading (the rows before were written); empty when it read it all.
    std::string error;
    bool started = false;
    BatchCounts counts;

    // Whether every row read completed (none ended early, none not understood).
    bool allCompleted() const { return counts.completed == counts.rows; }
};

// Writes the output (the input's header as given, the result columns, "status",
// "messages" and, with sheets, "sheet") record by record, in the input's order.
using RecordSink = std::function<void(const std::string& record)>;
using RowProgress = std::function<void(std::size_t rowsDone)>;

BatchOutcome runBatch(CsvReader& input, const RecordSink& write, const BatchSetup& setup = {},
                      const RowProgress& progress = {});

// The same batch a few rows at a time, for a host that shows its progress between steps
// (the web page): runBatch is a BatchRun stepped a row at a time to its end. `input` and
// `setup` must outlive it.
class BatchRun {
  public:
    // Reads the header and writes the output's header (nothing when the header is not
    // understood: done() at once, and finish() says why).
    BatchRun(CsvReader& input, RecordSink write, const BatchSetup& setup = {});
    ~BatchRun();
    BatchRun(const BatchRun&) = delete;
    BatchRun& operator=(const BatchRun&) = delete;

    // Reads, computes and writes up to `rows` more rows (blank lines pass uncounted);
    // returns how many it computed.
    std::size_t step(std::size_t rows);
    // Whether the input is read to its end, or the header stopped the batch.
    bool done() const { return done_; }
    const BatchCounts& counts() const;
    // Waits for the sheets still being written, writes the last rows and says how it went.
    BatchOutcome finish();

  private:
    class Rows;
    CsvReader& input_;
    RecordSink write_;
    std::unique_ptr<Rows> rows_;
    BatchOutcome outcome_;
    std::size_t row_ = 1;  // the line of the record read last, the header being row 1
    bool done_ = false;
};

// The summary a finished batch says: 共 12 行：计算完成 9 行，提前结束 2 行，无法识别 1 行
std::string batchSummary(const BatchCounts& counts);
// What rows that ended at the civil-defence reminder lack, or nothing when none did:
// 2 行未指明人防选择：请在“mode”（人防选择）列填 ordinary（非人防）或 civil-defence（人防）
std::string unchosenAdvice(const BatchCounts& counts);

// A batch held in memory: the whole output as text, UTF-8 with a byte-order mark.
struct BatchResult {
    std::string csv;
    BatchOutcome outcome;
};
BatchResult runBatch(std::string_view inputCsv, const BatchSetup& setup = {});

}  // namespace wallcalc::cli
