#include "wallcalc/sheet/calculation_sheet.hpp"

namespace wallcalc::sheet {
namespace {

// The window's labels end in a full-width colon; in a table the column says it.
std::string withoutColon(std::string_view label) {
    constexpr std::string_view colon = "：";
    if (label.ends_with(colon)) label.remove_suffix(colon.size());
    return std::string(label);
}

// The item a list shows, or nothing when no item is selected.
SheetEntry listEntry(const PressResult& press, const ListInfo& list) {
    const int position = press.lists[index(list.list)];
    std::string value;
    if (position >= 0 && static_cast<std::size_t>(position) < list.items.size()) {
        value = list.items[static_cast<std::size_t>(position)];
    }
    return {withoutColon(list.label), value};
}

}  // namespace

CalculationSheet sheetOf(const PressResult& press) {
    CalculationSheet sheet;
    const bool civilDefence = press.X == kCivilDefence;
    // In the order of the window, top to bottom.
    for (const ListInfo& list : lists())
        sheet.inputs.push_back(listEntry(press, list));
    sheet.inputs.push_back({"人防选择", civilDefence ? "人防" : "非人防"});
    for (const InputBox& in : inputBoxes()) {
        if (in.input == Input::RFHZ && !civilDefence) continue;
        sheet.inputs.push_back({withoutColon(in.label), press.text(in.box)});
    }
    for (const ResultBox& r : resultBoxesAsShown()) {
        if (sheet.results.size() <= static_cast<std::size_t>(r.frame)) {
            sheet.results.push_back({withoutColon(frameCaption(r.frame)), {}});
        }
        sheet.results.back().entries.push_back({withoutColon(r.label), press.text(r.box)});
    }
    sheet.calculation = textLines(press.report());
    return sheet;
}

std::vector<std::string> textLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        std::string_view line =
            text.substr(start, end == std::string_view::npos ? end : end - start);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.emplace_back(line);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return lines;
}

}  // namespace wallcalc::sheet
