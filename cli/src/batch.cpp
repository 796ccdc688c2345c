#include "wallcalc/cli/batch.hpp"

#include <deque>
#include <filesystem>
#include <future>
#include <optional>
#include <variant>

#include "sheet_pool.hpp"
#include "wallcalc/cli/columns.hpp"
#include "wallcalc/cli/result_columns.hpp"
#include "wallcalc/cli/sheet_file_names.hpp"
#include "wallcalc/cli/texts.hpp"
#include "wallcalc/engine/changes.hpp"

namespace wallcalc::cli {
namespace {

inline constexpr std::string_view kSheetNotWritten = "未写出：";
// Rows kept back while their sheets are written: enough to keep every thread busy.
constexpr std::size_t kRowsInFlightPerThread = 8;

// "第3行第4列（砼强度等级）" — rows counted as Excel shows them, the header being row 1.
std::string place(std::size_t row, std::size_t column, std::string_view heading) {
    const std::string cell =
        "第" + std::to_string(row) + "行第" + std::to_string(column + 1) + "列";
    return heading.empty() ? cell : cell + "（" + std::string(heading) + "）";
}

// What each column of the header names (null for a column without heading), or why the
// header is not understood.
std::variant<std::vector<const Column*>, std::string> readHeader(const CsvRecord& header) {
    std::vector<const Column*> columns;
    for (std::size_t i = 0; i < header.size(); ++i) {
        const Column* column = header[i].empty() ? nullptr : columnNamed(header[i]);
        if (column == nullptr && !header[i].empty()) {
            return place(1, i, header[i]) +
                   "：不是可识别的列名；列名可用键（如 h5）或窗口上的标签" +
                   "（如 墙厚度h5（mm）），全部列名见 wallcalc-cli --help";
        }
        for (std::size_t j = 0; j < i && column != nullptr; ++j) {
            if (columns[j] == column) {
                return place(1, i, header[i]) + "：与第" + std::to_string(j + 1) + "列" +
                       inQuotes(header[j]) + "是同一列";
            }
        }
        columns.push_back(column);
    }
    return columns;
}

// A row shorter than the header: a cell left out is not taken for an empty one (which
// keeps the window's default), since a row cut short is more often a mistake.
//   第3行只有2个单元格，少于表头的4列：缺少第3列（h5）、第4列
std::string missingCells(const CsvRecord& header, std::size_t cells, std::size_t row) {
    std::string why = "第" + std::to_string(row) + "行只有" + std::to_string(cells) +
                      "个单元格，少于表头的" + std::to_string(header.size()) + "列：缺少";
    for (std::size_t i = cells; i < header.size(); ++i) {
        if (i > cells) why += "、";
        why += "第" + std::to_string(i + 1) + "列";
        if (!header[i].empty()) why += "（" + header[i] + "）";
    }
    return why;
}

// What one row gives a window that has just opened, and its sheet.
struct RowInput {
    Changes changes;
    std::string name;
    ProjectInfo project;
};

// Reads a row into a window that has just opened; why not, naming the row and column,
// when a cell is not understood (a list item is read in the basis of the row).
std::variant<RowInput, std::string> readRow(const CsvRecord& header,
                                            const std::vector<const Column*>& columns,
                                            const CsvRecord& cells, std::size_t row,
                                            const ProjectInfo& defaults, WindowModel& window) {
    if (cells.size() > header.size()) {
        return "第" + std::to_string(row) + "行有" + std::to_string(cells.size()) +
               "个单元格，多于表头的" + std::to_string(header.size()) + "列";
    }
    if (cells.size() < header.size()) return missingCells(header, cells.size(), row);
    RowInput input{{}, {}, defaults};
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const std::string& cell = cells[i];
        if (cell.empty()) continue;  // an empty cell keeps the window's default
        const Column* column = columns[i];
        if (column == nullptr) return place(row, i, "") + "：有值，但这一列没有表头";
        switch (column->kind) {
            case ColumnKind::Name:
                input.name = cell;
                break;
            case ColumnKind::Project:
                input.project.*(column->field->field) = cell;
                break;
            case ColumnKind::Change: {
                const ChangeError error = input.changes.set(column->key, cell);
                if (error != ChangeError::None) {
                    return place(row, i, header[i]) + "：" + refusedValue(error, column->key, cell);
                }
            }
        }
    }
    const ChangeFailure failed = input.changes.applyTo(window);
    if (failed.error != ChangeError::None) {
        std::size_t i = 0;
        while (i < cells.size() && (columns[i] == nullptr || columns[i]->key != failed.key))
            ++i;
        return place(row, i, i < header.size() ? header[i] : "") + "：" +
               refusedValue(failed.error, failed.key, failed.value);
    }
    return input;
}

std::string joinedMessages(const PressResult& press) {
    std::string out;
    for (const auto& m : press.messages) {
        if (!out.empty()) out += '\n';
        out += m.text;
    }
    return out;
}

}  // namespace

// The rows of one batch: computed as they come, written in their order once their sheets
// are written.
class BatchRun::Rows {
  public:
    Rows(CsvRecord header, std::vector<const Column*> columns, const BatchSetup& setup,
         const RecordSink& write)
        : header_(std::move(header)), columns_(std::move(columns)), setup_(setup), write_(write) {
        const BatchSheets& sheets = setup.sheets;
        if (sheets.writer != nullptr && sheets.folderProblem.empty()) {
            pool_.emplace(*sheets.writer, sheets.threads);
        }
        CsvRecord out = header_;
        for (const auto& column : resultColumns())
            out.emplace_back(column);
        out.emplace_back(kStatusColumn);
        out.emplace_back(kMessagesColumn);
        if (withSheets()) out.emplace_back(kSheetColumn);
        write_(std::string(kUtf8Bom) + csvRecord(out));
    }

    void add(CsvRecord cells, std::size_t row) {
        ++dataRows_;
        CsvRecord out = cells;
        out.resize(header_.size());  // the input cells, as many as the header names
        WindowModel window;          // each row in a window that has just opened
        auto input = readRow(header_, columns_, cells, row, setup_.project, window);
        Pending pending;
        if (auto* why = std::get_if<std::string>(&input)) {
            ++counts_.bad;
            out.insert(out.end(), resultColumns().size(), std::string());
            out.emplace_back(kRowNotUnderstood);
            out.push_back(std::move(*why));
        } else {
            RowInput& wall = std::get<RowInput>(input);
            PressResult press = window.pressCompute();
            appendResultCells(press, out);
            out.emplace_back(press.completed() ? kRowCompleted : kRowEnded);
            out.push_back(joinedMessages(press));
            ++(press.completed() ? counts_.completed : counts_.ended);
            if (press.verdict && !press.verdict->ok()) ++counts_.notSatisfied;
            if (press.end == RunEnd::Reminder) ++counts_.unchosen;
            if (press.completed() && withSheets()) orderSheet(std::move(press), wall, pending);
        }
        pending.out = std::move(out);
        pending.row = row;
        inFlight_.push_back(std::move(pending));
        ++counts_.rows;
        writeFinished(false);
    }

    // Waits for the sheets still being written and writes the last rows.
    void finish() { writeFinished(true); }

    const BatchCounts& counts() const { return counts_; }

  private:
    struct Pending {
        CsvRecord out;
        std::future<SheetOutcome> sheet;
        std::string sheetCell;  // the file's name, why it was not written, or empty for none
        std::size_t row = 0;    // as Excel counts it, the header being row 1
    };

    bool withSheets() const { return setup_.sheets.writer != nullptr; }

    void orderSheet(PressResult press, RowInput& wall, Pending& pending) {
        const std::string file = names_.next(dataRows_, wall.name);
        if (!pool_) {
            ++counts_.sheetsFailed;
            pending.sheetCell = std::string(kSheetNotWritten) + setup_.sheets.folderProblem;
            return;
        }
        pending.sheetCell = file;
        pending.sheet =
            pool_->submit({std::move(press), std::move(wall.name), std::move(wall.project),
                           (std::filesystem::path(setup_.sheets.folder) / file).string()});
    }

    void writeFinished(bool all) {
        const std::size_t keep = all ? 0 : kRowsInFlightPerThread * setup_.sheets.threads;
        while (!inFlight_.empty()) {
            Pending& front = inFlight_.front();
            const bool waiting =
                front.sheet.valid() &&
                front.sheet.wait_for(std::chrono::seconds(0)) != std::future_status::ready;
            if (waiting && inFlight_.size() <= keep) return;
            if (front.sheet.valid()) {
                const SheetOutcome written = front.sheet.get();
                ++(written.failure ? counts_.sheetsFailed : counts_.sheets);
                if (written.failure)
                    front.sheetCell = std::string(kSheetNotWritten) + *written.failure;
                if (!written.warning.empty()) warn(front, written.warning);
            }
            if (withSheets()) front.out.push_back(std::move(front.sheetCell));
            write_(csvRecord(front.out));
            inFlight_.pop_front();
        }
    }

    // The row's messages (the cell after its status) end with the warning, and the host
    // hears it with the row and the sheet named.
    void warn(Pending& pending, const std::string& warning) {
        std::string& messages = pending.out[header_.size() + resultColumns().size() + 1];
        messages += (messages.empty() ? "" : "\n") + warning;
        if (setup_.sheets.warn) {
            setup_.sheets.warn("第" + std::to_string(pending.row) + "行，计算书" +
                               inQuotes(pending.sheetCell) + "：" + warning);
        }
    }

    CsvRecord header_;
    std::vector<const Column*> columns_;
    const BatchSetup& setup_;
    const RecordSink& write_;
    std::optional<SheetPool> pool_;
    SheetFileNames names_;
    std::deque<Pending> inFlight_;
    std::size_t dataRows_ = 0;
    BatchCounts counts_;
};

BatchRun::BatchRun(CsvReader& input, RecordSink write, const BatchSetup& setup)
    : input_(input), write_(std::move(write)) {
    const auto header = input_.next();
    if (!header) {
        outcome_.error = input_.error().empty() ? "文件是空的，没有表头行" : input_.error();
        done_ = true;
        return;
    }
    auto columns = readHeader(*header);
    if (auto* why = std::get_if<std::string>(&columns)) {
        outcome_.error = std::move(*why);
        done_ = true;
        return;
    }
    outcome_.started = true;
    rows_ = std::make_unique<Rows>(*header, std::move(std::get<0>(columns)), setup, write_);
}

BatchRun::~BatchRun() = default;

std::size_t BatchRun::step(std::size_t rows) {
    std::size_t computed = 0;
    while (!done_ && computed < rows) {
        auto cells = input_.next();
        if (!cells) {
            done_ = true;
            break;
        }
        ++row_;
        const bool blank = cells->size() == 1 && cells->front().empty();
        if (blank) continue;
        rows_->add(std::move(*cells), row_);
        ++computed;
    }
    return computed;
}

const BatchCounts& BatchRun::counts() const {
    return rows_ ? rows_->counts() : outcome_.counts;
}

BatchOutcome BatchRun::finish() {
    if (!rows_) return outcome_;
    rows_->finish();
    outcome_.counts = rows_->counts();
    outcome_.error = input_.error();
    return outcome_;
}

BatchOutcome runBatch(CsvReader& input, const RecordSink& write, const BatchSetup& setup,
                      const RowProgress& progress) {
    BatchRun run(input, write, setup);
    while (!run.done()) {
        if (run.step(1) > 0 && progress) progress(run.counts().rows);
    }
    return run.finish();
}

std::string batchSummary(const BatchCounts& counts) {
    return "共 " + std::to_string(counts.rows) + " 行：计算完成 " +
           std::to_string(counts.completed) + " 行（其中设计不满足规范要求 " +
           std::to_string(counts.notSatisfied) + " 行），提前结束 " + std::to_string(counts.ended) +
           " 行，无法识别 " + std::to_string(counts.bad) + " 行";
}

std::string unchosenAdvice(const BatchCounts& counts) {
    if (counts.unchosen == 0) return {};
    return std::to_string(counts.unchosen) + " 行未指明人防选择：请在" + inQuotes(kModeKey) +
           "（人防选择）列填 ordinary（非人防）或 civil-defence（人防）";
}

BatchResult runBatch(std::string_view inputCsv, const BatchSetup& setup) {
    BatchResult result;
    CsvReader reader(inputCsv);
    result.outcome = runBatch(
        reader, [&](const std::string& record) { result.csv += record; }, setup);
    return result;
}

}  // namespace wallcalc::cli
