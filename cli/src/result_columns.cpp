#include "wallcalc/cli/result_columns.hpp"

namespace wallcalc::cli {

std::vector<std::string_view> resultColumns() {
    std::vector<std::string_view> columns;
    for (const ResultBox& r : resultBoxes())
        columns.push_back(r.key);
    return columns;
}

void appendResultCells(const PressResult& press, CsvRecord& row) {
    for (const ResultBox& r : resultBoxes())
        row.push_back(press.text(r.box));
}

}  // namespace wallcalc::cli
