#include "wallcalc/cli/result_columns.hpp"

#include "wallcalc/engine/check_fields.hpp"
#include "wallcalc/report/number_text.hpp"

namespace wallcalc::cli {
namespace {

// A value of the supplementary design in a cell: numbers as the text writes them, a
// yes-or-no as true or false, the warnings one a line.
std::string cell(const CheckValue& value) {
    if (const auto* d = std::get_if<double>(&value)) return report::doubleText(*d);
    if (const auto* f = std::get_if<float>(&value)) return report::singleText(*f);
    if (const auto* b = std::get_if<bool>(&value)) return *b ? "true" : "false";
    if (const auto* s = std::get_if<std::string>(&value)) return *s;
    std::string lines;
    if (const auto* list = std::get_if<std::vector<std::string>>(&value)) {
        for (const std::string& line : *list)
            lines += (lines.empty() ? "" : "\n") + line;
    }
    return lines;
}

// A result box as its cell: a box the press left showing blanks only (the crack-control
// boxes of civil-defence works hold a single blank) is an empty cell.
std::string resultCell(const std::string& box) {
    return box.find_first_not_of(' ') == std::string::npos ? std::string() : box;
}

}  // namespace

std::vector<std::string> resultColumns() {
    std::vector<std::string> columns;
    for (const ResultBox& r : resultBoxes())
        columns.emplace_back(r.key);
    for (const CheckField& field : checkFields())
        columns.push_back(checkColumn(field));
    columns.emplace_back("verdict");
    columns.emplace_back("failed");
    return columns;
}

std::string verdictCell(const design::Verdict& v) {
    return v.ok() ? "满足" : "不满足：" + v.names();
}

void appendResultCells(const PressResult& press, CsvRecord& row) {
    for (const ResultBox& r : resultBoxes())
        row.push_back(resultCell(press.text(r.box)));
    for (const CheckField& field : checkFields())
        row.push_back(press.checks ? cell(field.of(*press.checks)) : std::string());
    row.push_back(press.verdict ? verdictCell(*press.verdict) : std::string());
    row.push_back(press.verdict ? press.verdict->keys() : std::string());
}

}  // namespace wallcalc::cli
