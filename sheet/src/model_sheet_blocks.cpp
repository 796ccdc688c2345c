// The wall model's calculation sheet on pages: the title and its block, the inputs, the
// storeys, the figure with the load and moment diagrams, the verdict, the design table
// and the calculation, drawn by the same pages as the press's sheet.
#include <QPainter>
#include <algorithm>

#include "page_rendering.hpp"
#include "sheet_blocks.hpp"
#include "wallcalc/sheet/figure_painting.hpp"
#include "wallcalc/sheet/model_sheet_rendering.hpp"

namespace wallcalc::sheet {
namespace {

void append(std::vector<Block>& blocks, std::vector<Block> more) {
    for (Block& b : more)
        blocks.push_back(std::move(b));
}

// The title block: project and wall, the date, the three who sign, and the codes.
std::vector<TableRow> titleBlockRows(const ModelSheet& sheet) {
    const auto label = [](std::size_t field) {
        return TableCell{qs(kProjectFields[field].label), 1, true};
    };
    const auto value = [&sheet](std::size_t field, int span = 1) {
        return TableCell{qs(sheet.project.*(kProjectFields[field].field)), span};
    };
    QStringList codes;
    for (const std::string& c : sheet.codes)
        codes << qs(c);
    return {
        {label(0), value(0, 5)},
        {label(1), value(1, 3), {QStringLiteral("计算日期"), 1, true}, {qs(sheet.date)}},
        {label(2), value(2), label(3), value(3), label(4), value(4)},
        {{QStringLiteral("设计依据"), 1, true}, {codes.join(QStringLiteral("；")), 5}},
    };
}

// A table of text rows, the first its headings, in columns of the given shares of the
// width (equal ones where none are given).
std::vector<Block> gridBlocks(const std::vector<std::vector<std::string>>& rows,
                              const report::Notation& notation, const SheetStyle& style,
                              qreal width, std::vector<qreal> shares = {}) {
    if (rows.empty()) return {};
    std::vector<TableRow> table;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        TableRow row;
        // The headings set as their cells are (c₁, q_rf, kN/m², mm²), in the labels' weight.
        for (const std::string& cell : rows[r])
            row.push_back(setCell(cell, notation, 1, r == 0));
        table.push_back(std::move(row));
    }
    if (shares.size() != rows.front().size()) shares.assign(rows.front().size(), 1.0);
    qreal total = 0;
    for (const qreal s : shares)
        total += s;
    std::vector<qreal> columns;
    for (const qreal s : shares)
        columns.push_back(width * s / total);
    return tableBlocks(table, columns, style);
}

std::vector<std::vector<std::string>> designGrid(const ModelSheet& sheet) {
    std::vector<std::vector<std::string>> rows = {designColumns()};
    for (const DesignRow& r : sheet.design) {
        rows.push_back(
            {r.storey, r.section, r.force, r.needs, r.bars, r.crack, r.ok ? "满足" : "不满足"});
    }
    return rows;
}

std::vector<TableRow> verdictRows(const SheetVerdict& verdict) {
    std::vector<TableRow> rows;
    rows.push_back({{QStringLiteral("结论"), 1, true}, {qs(verdict.line)}});
    for (const std::string& failure : verdict.failures)
        rows.push_back({{QString(), 1, true}, {qs(failure)}});
    return rows;
}

// The figure, as wide as the page allows at its own proportions.
Block drawingBlock(const FigureDrawing& figure, const SheetStyle& style, qreal width) {
    Block b;
    b.height = std::min(style.mm(120), width * figure.height / std::max(figure.width, 1.0));
    const QFont font = style.body;
    b.paint = [figure, font](QPainter& p, const QRectF& box, const BlockPlace&) {
        p.save();
        p.setFont(font);
        paintFigure(p, box, figure);
        p.restore();
    };
    return b;
}

std::vector<Block> modelSheetBlocks(const ModelSheet& sheet, const SheetStyle& style, qreal width) {
    CalculationSheet head;
    head.title = sheet.title;
    std::vector<Block> blocks = titleBlocks(head, style, width);
    const qreal third = width / 3;
    const qreal label = std::min(third * 0.45, style.mm(24));
    append(blocks,
           tableBlocks(titleBlockRows(sheet),
                       {label, third - label, label, third - label, label, third - label}, style));
    const qreal half = width / 2;
    const qreal inputLabel = half * 0.55;
    blocks.push_back(headingBlock(QString::fromStdString(sheet.headings.inputs), style));
    append(blocks,
           tableBlocks(pairRows(sheet.inputs, sheet.notation, false),
                       {inputLabel, half - inputLabel, inputLabel, half - inputLabel}, style));
    blocks.push_back(headingBlock(QString::fromStdString(sheet.headings.storeys), style));
    append(blocks, gridBlocks(sheet.storeys, sheet.notation, style, width));
    if (sheet.figure.width > 0) {
        blocks.push_back(headingBlock(QString::fromStdString(sheet.headings.figure), style));
        blocks.push_back(drawingBlock(sheet.figure, style, width));
    }
    blocks.push_back(headingBlock(QString::fromStdString(sheet.headings.verdict), style));
    append(blocks, tableBlocks(verdictRows(sheet.verdict), {label, width - label}, style));
    blocks.push_back(headingBlock(QString::fromStdString(sheet.headings.design), style));
    // The forces, the steel areas and the bars with their units take the most room, the
    // crack width and the verdict the least.
    append(blocks,
           gridBlocks(designGrid(sheet), sheet.notation, style, width, {8, 15, 22, 22, 15, 9, 9}));
    blocks.push_back(headingBlock(QString::fromStdString(sheet.headings.calculation), style));
    report::TypesetText calculation;
    for (const std::string& line : sheet.calculation)
        calculation.push_back(report::typesetText(line, sheet.notation));
    append(blocks, typesetBlocks(calculation, style, width));
    return blocks;
}

}  // namespace

std::optional<std::string> renderModelSheet(const ModelSheet& sheet, QPaintDevice& device,
                                            const NewPage& newPage) {
    const PageHead head{sheet.title, "", sheet.date, sheet.project, sheet.verdict.ok};
    return renderPages(
        head,
        [&sheet](const SheetStyle& style, qreal width) {
            return modelSheetBlocks(sheet, style, width);
        },
        device, newPage);
}

}  // namespace wallcalc::sheet
