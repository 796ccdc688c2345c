#include "wallcalc/sheet/calculation_sheet.hpp"

namespace wallcalc::sheet {
namespace {

// The window's labels end in a full-width colon; in a table the column says it.
std::string withoutColon(std::string_view label) {
    constexpr std::string_view colon = "：";
    if (label.ends_with(colon)) label.remove_suffix(colon.size());
    return std::string(label);
}

SheetEntry boxEntry(const Host& window, Box box) {
    return {withoutColon(boxLabel(box)), window.text(box)};
}

// The item a list shows, or nothing when no item is selected.
SheetEntry listEntry(const Host& window, List list) {
    const auto items = listItems(list);
    const int position = window.selected(list);
    std::string value;
    if (position >= 0 && static_cast<std::size_t>(position) < items.size()) {
        value = items[static_cast<std::size_t>(position)];
    }
    return {withoutColon(listLabel(list)), value};
}

}  // namespace

CalculationSheet sheetOf(const Host& window, int X) {
    CalculationSheet sheet;
    const bool civilDefence = X == kCivilDefence;
    // In the order of the window, top to bottom.
    sheet.inputs = {listEntry(window, List::Combo1),
                    listEntry(window, List::Combo2),
                    listEntry(window, List::Combo3),
                    {"人防选择", civilDefence ? "人防" : "非人防"}};
    for (Box box : {Box::Text1, Box::Text2, Box::Text3, Box::Text16})
        sheet.inputs.push_back(boxEntry(window, box));
    if (civilDefence) sheet.inputs.push_back(boxEntry(window, Box::Text20));
    for (Box box : {Box::Text4, Box::Text13, Box::Text17, Box::Text14, Box::Text15, Box::Text5,
                    Box::Text10, Box::Text8}) {
        sheet.inputs.push_back(boxEntry(window, box));
    }

    sheet.results = {
        {"配筋计算结果",
         {boxEntry(window, Box::Text6), boxEntry(window, Box::Text7),
          boxEntry(window, Box::Text19)}},
        {"裂缝控制",
         {boxEntry(window, Box::Text9), boxEntry(window, Box::Text18),
          boxEntry(window, Box::Text11)}},
    };
    sheet.calculation = textLines(window.text(Box::Text12));
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
