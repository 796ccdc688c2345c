#include "wallcalc/cli/batch.hpp"

#include <optional>
#include <set>

#include "wallcalc/cli/result_columns.hpp"
#include "wallcalc/engine/changes.hpp"

namespace wallcalc::cli {
namespace {

inline constexpr std::string_view kNameColumn = "name";

// Reads one row's cells into the changes of a fresh window; returns why the row cannot
// be computed, or nothing. An empty cell keeps the window's default.
std::optional<std::string> rowChanges(const CsvRecord& header, const CsvRecord& row,
                                      Changes& changes) {
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string& cell = row[i];
        if (cell.empty() || header[i] == kNameColumn) continue;
        switch (changes.set(header[i], cell)) {
            case ChangeError::BadMode:
                return "mode 应为 ordinary 或 civil-defence：" + cell;
            case ChangeError::NotAnItem:
                return "列表中没有这一项：" + cell;
            default:
                break;
        }
    }
    return std::nullopt;
}

}  // namespace

BatchResult runBatch(std::string_view inputCsv, const CompletedRow& onCompleted,
                     const Progress& progress) {
    BatchResult result;
    CsvReader reader(inputCsv);
    const auto header = reader.next();
    if (!header) {
        result.error = reader.error().empty() ? "the file has no header line" : reader.error();
        return result;
    }
    std::set<std::string> seen;
    std::size_t nameColumn = header->size();
    for (std::size_t i = 0; i < header->size(); ++i) {
        const std::string& h = (*header)[i];
        if (h == kNameColumn) {
            nameColumn = i;
        } else if (keyKind(h) == KeyKind::Unknown) {
            result.error = "unknown column \"" + h + "\"";
            return result;
        }
        if (!seen.insert(h).second) {
            result.error = "column \"" + h + "\" appears twice";
            return result;
        }
    }

    std::vector<CsvRecord> rows;
    while (auto row = reader.next()) {
        const bool blank = row->size() == 1 && row->front().empty();
        if (!blank) rows.push_back(std::move(*row));
    }

    result.csv = std::string(kUtf8Bom);
    CsvRecord outHeader = *header;
    for (const auto& column : resultColumns())
        outHeader.emplace_back(column);
    outHeader.insert(outHeader.end(), {"status", "messages"});
    result.csv += csvRecord(outHeader);

    for (std::size_t r = 0; r < rows.size(); ++r) {
        CsvRecord row = rows[r];
        CsvRecord out = row;
        out.resize(header->size());  // repeat the input columns, as many as the header names
        std::string status;
        std::string messages;
        Changes changes;
        WindowModel w;  // each row in a window that has just opened: no row depends on another
        std::optional<std::string> bad;
        if (row.size() > header->size()) {
            bad = "本行的列数多于表头";
        } else {
            row.resize(header->size());
            bad = rowChanges(*header, row, changes);
        }
        if (!bad) {
            const ChangeFailure failed = changes.applyTo(w);
            if (failed.error != ChangeError::None) bad = "列表中没有这一项：" + failed.value;
        }
        if (bad) {
            ++result.bad;
            status = "error";
            messages = *bad;
            out.insert(out.end(), resultColumns().size(), std::string());
        } else {
            const PressResult press = w.pressCompute();
            appendResultCells(press, out);
            status = press.completed() ? "completed" : "ended";
            for (const auto& m : press.messages) {
                if (!messages.empty()) messages += '\n';
                messages += m.text;
            }
            if (press.completed()) {
                ++result.completed;
                if (onCompleted) {
                    onCompleted(r + 1, nameColumn < row.size() ? row[nameColumn] : "", press);
                }
            } else {
                ++result.ended;
            }
        }
        out.push_back(status);
        out.push_back(messages);
        result.csv += csvRecord(out);
        ++result.rows;
        if (progress) progress(r + 1, rows.size());
    }
    if (!reader.error().empty()) result.error = reader.error();
    return result;
}

}  // namespace wallcalc::cli
