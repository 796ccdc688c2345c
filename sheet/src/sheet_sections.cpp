// The sections of the sheet in their order: the title block, the inputs, the materials,
// the figure with its loads, the results and the calculation.
#include <QStringList>
#include <algorithm>

#include "sheet_blocks.hpp"

namespace wallcalc::sheet {
namespace {

report::TypesetText setTexts(const std::vector<std::string>& lines,
                             const report::Notation& notation) {
    report::TypesetText out;
    for (const std::string& line : lines)
        out.push_back(report::typesetText(line, notation));
    return out;
}

QString joined(const std::vector<std::string>& lines, const QString& separator) {
    QStringList parts;
    for (const std::string& line : lines)
        parts << qs(line);
    return parts.join(separator);
}

qreal widestLabel(const std::vector<SheetEntry>& entries, const SheetStyle& style) {
    qreal widest = 0;
    for (const SheetEntry& e : entries)
        widest = std::max(widest, style.advance(style.body, qs(e.label)));
    return widest;
}

// Label and value columns, twice across the page: as wide as the longest label, the
// rest shared by the values.
std::vector<qreal> pairColumns(const CalculationSheet& sheet, const SheetStyle& style,
                               qreal width) {
    qreal label = std::max(widestLabel(sheet.inputs, style), widestLabel(sheet.materials, style));
    for (const SheetGroup& g : sheet.results)
        label = std::max(label, widestLabel(g.entries, style));
    label = std::clamp(label + style.mm(4), width * 0.2, width * 0.32);
    const qreal value = width / 2 - label;
    return {label, value, label, value};
}

// The two groups of results side by side, each under its caption.
std::vector<TableRow> resultRows(const CalculationSheet& sheet) {
    const report::Notation& notation = sheet.notation;
    std::vector<TableRow> rows(1);
    std::size_t depth = 0;
    for (const SheetGroup& g : sheet.results) {
        rows[0].push_back({qs(g.caption), 2, true});
        depth = std::max(depth, g.entries.size());
    }
    for (std::size_t i = 0; i < depth; ++i) {
        TableRow row;
        for (const SheetGroup& g : sheet.results) {
            if (i >= g.entries.size()) {
                row.push_back({QString(), 1, false});
                row.push_back({QString()});
                continue;
            }
            row.push_back(setCell(g.entries[i].label, notation, 1, true));
            row.push_back(setCell(g.entries[i].value, notation));
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

// The verdict at the head of the results: 结论 and its line, then each failed check.
std::vector<TableRow> verdictRows(const CalculationSheet& sheet) {
    std::vector<TableRow> rows;
    rows.push_back(
        {{QStringLiteral("结论"), 1, true}, setCell(sheet.verdict.line, sheet.notation)});
    for (const std::string& failure : sheet.verdict.failures)
        rows.push_back({{QString(), 1, true}, setCell(failure, sheet.notation)});
    return rows;
}

// 配筋汇总: a row of captions, a row a face and position, and the verdict.
std::vector<TableRow> summaryRows(const CalculationSheet& sheet) {
    const report::Notation& notation = sheet.notation;
    std::vector<TableRow> rows(1);
    for (std::string_view caption : kSummaryColumns)
        rows[0].push_back(setCell(std::string(caption), notation, 1, true));
    for (const SummaryRow& r : sheet.summary) {
        rows.push_back({setCell(r.position, notation, 1, true), setCell(r.bars, notation),
                        setCell(r.provided, notation), setCell(r.required, notation),
                        setCell(r.crackWidth, notation)});
    }
    rows.push_back(
        {{QStringLiteral("结论"), 1, true},
         setCell(sheet.verdict.line, notation, static_cast<int>(std::size(kSummaryColumns)) - 1)});
    return rows;
}

// The position's column as wide as its longest text, the rest shared.
std::vector<qreal> summaryColumns(const CalculationSheet& sheet, const SheetStyle& style,
                                  qreal width) {
    qreal position = style.advance(style.body, QStringLiteral("结论"));
    for (const SummaryRow& r : sheet.summary)
        position = std::max(position, style.advance(style.body, qs(r.position)));
    position = std::min(position + style.mm(4), width * 0.4);
    const qreal rest = (width - position) / static_cast<qreal>(std::size(kSummaryColumns) - 1);
    std::vector<qreal> columns{position};
    columns.resize(std::size(kSummaryColumns), rest);
    return columns;
}

// The title block: project and wall, the date, the three who sign, and the codes; in
// three label and value columns across the page.
std::vector<TableRow> titleBlockRows(const CalculationSheet& sheet) {
    const auto label = [](std::size_t field) {
        return TableCell{qs(kProjectFields[field].label), 1, true};
    };
    const auto value = [&sheet](std::size_t field, int span = 1) {
        return TableCell{qs(sheet.project.*(kProjectFields[field].field)), span};
    };
    return {
        {label(0), value(0, 5)},
        {label(1), value(1, 3), {QStringLiteral("计算日期"), 1, true}, {qs(sheet.date)}},
        {label(2), value(2), label(3), value(3), label(4), value(4)},
        {{qs(sheet.headings.codes), 1, true}, {joined(sheet.codes, QStringLiteral("；")), 5}},
    };
}

std::vector<qreal> titleBlockColumns(const CalculationSheet& sheet, const SheetStyle& style,
                                     qreal width) {
    qreal label = style.advance(style.body, qs(sheet.headings.codes));
    for (const ProjectField& f : kProjectFields)
        label = std::max(label, style.advance(style.body, qs(f.label)));
    label += style.mm(4);
    const qreal value = width / 3 - label;
    return {label, value, label, value, label, value};
}

}  // namespace

std::vector<Block> sheetBlocks(const CalculationSheet& sheet, const SheetStyle& style,
                               qreal width) {
    std::vector<Block> blocks = titleBlocks(sheet, style, width);
    const auto append = [&blocks](std::vector<Block> more) {
        for (Block& b : more)
            blocks.push_back(std::move(b));
    };
    append(tableBlocks(titleBlockRows(sheet), titleBlockColumns(sheet, style, width), style));
    const std::vector<qreal> columns = pairColumns(sheet, style, width);
    const SheetHeadings& heading = sheet.headings;
    blocks.push_back(headingBlock(qs(heading.inputs), style));
    const report::Notation& notation = sheet.notation;
    append(tableBlocks(pairRows(sheet.inputs, notation, false), columns, style));
    blocks.push_back(headingBlock(qs(heading.materials), style));
    append(tableBlocks(pairRows(sheet.materials, notation, true), columns, style));
    append(typesetBlocks(setTexts(sheet.materialNotes, notation), style, width));
    blocks.push_back(headingBlock(qs(heading.figure), style));
    blocks.push_back(figureBlock(sheet.figure, style, width));
    append(typesetBlocks(setTexts(sheet.figure.loadLines, notation), style, width));
    blocks.push_back(headingBlock(qs(heading.results), style));
    append(tableBlocks(verdictRows(sheet), {columns[0], width - columns[0]}, style));
    append(tableBlocks(resultRows(sheet), columns, style));
    append(typesetBlocks(setTexts(sheet.resultNotes, notation), style, width));
    if (!sheet.summary.empty()) {
        blocks.push_back(headingBlock(qs(heading.summary), style));
        append(tableBlocks(summaryRows(sheet), summaryColumns(sheet, style, width), style));
        append(typesetBlocks(setTexts(sheet.summaryNotes, notation), style, width));
    }
    blocks.push_back(headingBlock(qs(heading.calculation), style));
    if (sheet.calculationTypeset.empty()) {
        append(textBlocks(sheet.calculation, style, width));
    } else {
        append(typesetBlocks(sheet.calculationTypeset, style, width));
    }
    if (!sheet.supplementary.empty()) {
        blocks.push_back(headingBlock(qs(heading.supplementary), style));
        append(typesetBlocks(sheet.supplementaryTypeset, style, width));
    }
    return blocks;
}

}  // namespace wallcalc::sheet
