#include "wallcalc/cli/batch.hpp"

#include <charconv>
#include <optional>
#include <set>

#include "wallcalc/cli/session.hpp"

namespace wallcalc::cli {
namespace {

// What a column of the input sets.
struct Column {
    enum Kind { Name, Mode, Input, List } kind;
    Box box = Box::Text1;           // an input's box
    const ListKey* list = nullptr;  // a list's key
};

std::optional<Column> columnFor(std::string_view header) {
    if (header == "name") return Column{Column::Name};
    if (header == "mode") return Column{Column::Mode};
    for (const auto& k : listKeys()) {
        if (k.key == header) return Column{Column::List, Box::Text1, &k};
    }
    for (const auto& k : inputKeys()) {
        if (k.key == header) return Column{Column::Input, k.box};
    }
    return std::nullopt;
}

// A list cell: an item by name, or a position as a whole number.
std::optional<int> listCell(std::string_view cell, std::optional<int> (*byName)(std::string_view)) {
    if (auto position = byName(cell)) return position;
    int n = 0;
    const auto res = std::from_chars(cell.data(), cell.data() + cell.size(), n);
    if (res.ec == std::errc{} && res.ptr == cell.data() + cell.size()) return n;
    return std::nullopt;
}

// Sets up the window for one row; returns why the row cannot be computed, or nothing.
std::optional<std::string> applyRow(HeadlessWindow& w, const std::vector<Column>& columns,
                                    const CsvRecord& row) {
    // The option click first, as an engineer would, since "人防" resets its load.
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].kind != Column::Mode || row[i].empty()) continue;
        if (row[i] == "ordinary") {
            w.clickOrdinary();
        } else if (row[i] == "civil-defence") {
            w.clickCivilDefence();
        } else {
            return "mode 应为 ordinary 或 civil-defence：" + row[i];
        }
    }
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const std::string& cell = row[i];
        if (cell.empty()) continue;  // an empty cell keeps the window's default
        const Column& c = columns[i];
        if (c.kind == Column::Input) w.type(c.box, cell);
        if (c.kind != Column::List) continue;
        const auto position = listCell(cell, c.list->byName);
        if (!position) return "列表中没有这一项：" + cell;
        w.select(c.list->list, *position);
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
    std::vector<Column> columns;
    std::set<std::string> seen;
    std::size_t nameColumn = header->size();
    for (const auto& h : *header) {
        const auto column = columnFor(h);
        if (!column) {
            result.error = "unknown column \"" + h + "\"";
            return result;
        }
        if (!seen.insert(h).second) {
            result.error = "column \"" + h + "\" appears twice";
            return result;
        }
        if (column->kind == Column::Name) nameColumn = columns.size();
        columns.push_back(*column);
    }

    std::vector<CsvRecord> rows;
    while (auto row = reader.next()) {
        const bool blank = row->size() == 1 && row->front().empty();
        if (!blank) rows.push_back(std::move(*row));
    }

    result.csv = std::string(kUtf8Bom);
    CsvRecord outHeader = *header;
    for (const auto& r : resultKeys())
        outHeader.emplace_back(r.key);
    outHeader.insert(outHeader.end(), {"status", "messages"});
    result.csv += csvRecord(outHeader);

    for (std::size_t r = 0; r < rows.size(); ++r) {
        CsvRecord row = rows[r];
        CsvRecord out = row;
        out.resize(header->size());  // repeat the input columns, as many as the header names
        std::string status;
        std::string messages;
        HeadlessWindow w;
        std::optional<std::string> bad;
        if (row.size() > header->size()) {
            bad = "本行的列数多于表头";
        } else {
            row.resize(header->size());
            bad = applyRow(w, columns, row);
        }
        if (bad) {
            ++result.bad;
            status = "error";
            messages = *bad;
            out.insert(out.end(), resultKeys().size(), std::string());
        } else {
            const RunOutcome outcome = w.pressCompute();
            for (const auto& r : resultKeys())
                out.push_back(w.boxText(r.box));
            status = outcome.completed() ? "completed" : "ended";
            for (const auto& m : w.messages()) {
                if (!messages.empty()) messages += '\n';
                messages += m.text;
            }
            if (outcome.completed()) {
                ++result.completed;
                if (onCompleted) {
                    onCompleted(r + 1, nameColumn < row.size() ? row[nameColumn] : "", w);
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
