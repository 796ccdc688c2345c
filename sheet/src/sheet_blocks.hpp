#pragma once
// The blocks a calculation sheet is built from, measured for one page device.
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "page_flow.hpp"
#include "qt_text.hpp"
#include "sheet_style.hpp"
#include "wallcalc/sheet/calculation_sheet.hpp"

namespace wallcalc::sheet {

// A cell of a table: its text, how many columns it spans, and whether it is a label
// (shaded) or a value; `set` where the text is typeset (labels with units, computed
// values), none where it is printed as typed (inputs, the title block).
struct TableCell {
    QString text;
    int span = 1;
    bool label = false;
    std::optional<report::TypesetLine> set = std::nullopt;
};
using TableRow = std::vector<TableCell>;

// A cell whose text is set as the calculation is: units, indices and powers, bars with
// their symbol; `label` shades it.
TableCell setCell(const std::string& text, const report::Notation& notation, int span = 1,
                  bool label = false);

// Entries two to a row: label, value, label, value. The labels are typeset, and the
// values where they are computed (not where they are the texts as typed).
std::vector<TableRow> pairRows(const std::vector<SheetEntry>& entries,
                               const report::Notation& notation, bool computedValues);

// The whole sheet, section by section, for a page `width` wide.
std::vector<Block> sheetBlocks(const CalculationSheet& sheet, const SheetStyle& style, qreal width);

// The title and the wall's name (when it has one).
std::vector<Block> titleBlocks(const CalculationSheet& sheet, const SheetStyle& style, qreal width);

// A section heading, kept with what follows it.
Block headingBlock(const QString& text, const SheetStyle& style);

// A ruled table with the given column widths, kept on one page where it fits. A cell's
// text wraps within its column, and each printed line of a row is a block of its own, so
// that even a row taller than a page is never cut.
std::vector<Block> tableBlocks(const std::vector<TableRow>& rows, const std::vector<qreal>& columns,
                               const SheetStyle& style);

// The figure of the sheet's wall, centred.
Block figureBlock(const SheetFigure& figure, const SheetStyle& style, qreal width);

// Lines of text (notes under a table or a figure) line by line; a line too long for the
// page continues, indented, on the next.
std::vector<Block> textBlocks(const std::vector<std::string>& lines, const SheetStyle& style,
                              qreal width);

// Typeset lines (the calculation, the supplementary design, notes) the same way, broken at
// operators; a line with a fraction set taller.
std::vector<Block> typesetBlocks(const report::TypesetText& lines, const SheetStyle& style,
                                 qreal width);

}  // namespace wallcalc::sheet
