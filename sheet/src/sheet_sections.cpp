// The sections of the sheet in their order: the title block, the inputs, the materials,
// the figure with its loads, the results and the calculation.
#include <QStringList>
#include <algorithm>

#include "sheet_blocks.hpp"

namespace wallcalc::sheet {
namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
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

// Entries two to a row: label, value, label, value.
std::vector<TableRow> pairRows(const std::vector<SheetEntry>& entries) {
    std::vector<TableRow> rows;
    for (std::size_t i = 0; i < entries.size(); i += 2) {
        TableRow row;
        for (std::size_t k = i; k < i + 2; ++k) {
            const bool present = k < entries.size();
            row.push_back({present ? qs(entries[k].label) : QString(), 1, present});
            row.push_back({present ? qs(entries[k].value) : QString()});
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

// The two groups of results side by side, each under its caption.
std::vector<TableRow> resultRows(const CalculationSheet& sheet) {
    std::vector<TableRow> rows(1);
    std::size_t depth = 0;
    for (const SheetGroup& g : sheet.results) {
        rows[0].push_back({qs(g.caption), 2, true});
        depth = std::max(depth, g.entries.size());
    }
    for (std::size_t i = 0; i < depth; ++i) {
        TableRow row;
        for (const SheetGroup& g : sheet.results) {
            const bool present = i < g.entries.size();
            row.push_back({present ? qs(g.entries[i].label) : QString(), 1, present});
            row.push_back({present ? qs(g.entries[i].value) : QString()});
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

// The verdict at the head of the results: 结论 and its line, then each failed check.
std::vector<TableRow> verdictRows(const CalculationSheet& sheet) {
    std::vector<TableRow> rows;
    rows.push_back({{QStringLiteral("结论"), 1, true}, {qs(sheet.verdict.line)}});
    for (const std::string& failure : sheet.verdict.failures)
        rows.push_back({{QString(), 1, true}, {qs(failure)}});
    return rows;
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
    append(tableBlocks(pairRows(sheet.inputs), columns, style));
    blocks.push_back(headingBlock(qs(heading.materials), style));
    append(tableBlocks(pairRows(sheet.materials), columns, style));
    append(textBlocks(sheet.materialNotes, style, width));
    blocks.push_back(headingBlock(qs(heading.figure), style));
    blocks.push_back(figureBlock(sheet.figure, style, width));
    append(textBlocks(sheet.figure.loadLines, style, width));
    blocks.push_back(headingBlock(qs(heading.results), style));
    append(tableBlocks(verdictRows(sheet), {columns[0], width - columns[0]}, style));
    append(tableBlocks(resultRows(sheet), columns, style));
    append(textBlocks(sheet.resultNotes, style, width));
    blocks.push_back(headingBlock(qs(heading.calculation), style));
    append(textBlocks(sheet.calculation, style, width));
    if (!sheet.supplementary.empty()) {
        blocks.push_back(headingBlock(qs(heading.supplementary), style));
        append(textBlocks(sheet.supplementary, style, width));
    }
    return blocks;
}

}  // namespace wallcalc::sheet
