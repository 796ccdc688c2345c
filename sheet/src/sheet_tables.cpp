// Ruled tables of the sheet: the inputs and the results.
#include <QPainter>
#include <algorithm>
#include <memory>

#include "line_wrapping.hpp"
#include "set_lines.hpp"
#include "sheet_blocks.hpp"

namespace wallcalc::sheet {

TableCell setCell(const std::string& text, const report::Notation& notation, int span, bool label) {
    return {qs(text), span, label, report::typesetText(text, notation)};
}

std::vector<TableRow> pairRows(const std::vector<SheetEntry>& entries,
                               const report::Notation& notation, bool computedValues) {
    std::vector<TableRow> rows;
    for (std::size_t i = 0; i < entries.size(); i += 2) {
        TableRow row;
        for (std::size_t k = i; k < i + 2; ++k) {
            if (k >= entries.size()) {
                row.push_back({QString(), 1, false});
                row.push_back({QString()});
                continue;
            }
            row.push_back(setCell(entries[k].label, notation, 1, true));
            row.push_back(computedValues ? setCell(entries[k].value, notation)
                                         : TableCell{qs(entries[k].value)});
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

namespace {

const QColor kRule(0x70, 0x70, 0x70);
const QColor kLabelShade(0xf0, 0xf0, 0xf0);

// A cell placed in its row: its left edge and width, and its printed lines.
struct LaidCell {
    qreal x = 0;
    qreal width = 0;
    std::vector<SetLine> lines;
    bool label = false;
};

struct RowMeasures {
    qreal padX, padY, lineHeight, ascentOffset;
};

// Slice `line` of a row of `lines` printed lines. Each row draws the rule under it, and
// the rule over it on its first line and at the top of a page.
void paintSlice(QPainter& p, const QRectF& box, const BlockPlace& place,
                const std::vector<LaidCell>& cells, int line, int lines, const SetFonts& fonts,
                const RowMeasures& m) {
    p.save();
    for (const LaidCell& c : cells) {
        if (c.label)
            p.fillRect(QRectF(box.left() + c.x, box.top(), c.width, box.height()), kLabelShade);
    }
    p.setPen(Qt::black);
    const qreal baseline = box.top() + (line == 0 ? m.padY : 0) + m.ascentOffset;
    for (const LaidCell& c : cells) {
        if (static_cast<std::size_t>(line) < c.lines.size()) {
            paintSetLine(p, QPointF(box.left() + c.x + m.padX, baseline),
                         c.lines[static_cast<std::size_t>(line)], fonts);
        }
    }
    p.setPen(QPen(kRule, m.padX / 8));
    for (const LaidCell& c : cells)
        p.drawLine(QPointF(box.left() + c.x, box.top()), QPointF(box.left() + c.x, box.bottom()));
    const LaidCell& end = cells.back();
    const qreal right = box.left() + end.x + end.width;
    p.drawLine(QPointF(right, box.top()), QPointF(right, box.bottom()));
    // (A shaded label under a shaded label covers the rule the row above drew under itself.)
    if (line == 0 || place.firstOnPage) {
        p.drawLine(QPointF(box.left(), box.top()), QPointF(right, box.top()));
    }
    if (line == lines - 1 || place.lastOnPage) {
        p.drawLine(QPointF(box.left(), box.bottom()), QPointF(right, box.bottom()));
    }
    p.restore();
}

// A cell's printed lines: typeset, or its text as it stands broken to the room.
std::vector<SetLine> cellLines(const TableCell& cell, qreal room, const SetFonts& fonts,
                               const Advance& advance) {
    if (cell.set) return setLine(*cell.set, fonts, room, room);
    std::vector<SetLine> lines;
    for (const QString& piece : wrapLine(cell.text, room, room, advance))
        lines.push_back(plainLine(piece, fonts));
    return lines;
}

}  // namespace

std::vector<Block> tableBlocks(const std::vector<TableRow>& rows, const std::vector<qreal>& columns,
                               const SheetStyle& style) {
    const QFont font = style.body;
    const auto fonts = std::make_shared<const SetFonts>(style);  // shared by the blocks
    const QFontMetricsF fm = style.metrics(font);
    RowMeasures m{style.mm(1.5), style.mm(1.0), style.lineHeight(font), 0};
    m.ascentOffset = (m.lineHeight - fm.height()) / 2 + fm.ascent();
    const Advance advance = style.measure(font);

    std::vector<Block> blocks;
    for (const TableRow& row : rows) {
        std::vector<LaidCell> cells;
        qreal x = 0;
        std::size_t column = 0;
        int lines = 1;
        for (const TableCell& cell : row) {
            qreal width = 0;
            for (int s = 0; s < cell.span && column < columns.size(); ++s)
                width += columns[column++];
            const qreal room = std::max<qreal>(width - 2 * m.padX, 1);
            LaidCell laid{x, width, cellLines(cell, room, *fonts, advance), cell.label};
            lines = std::max(lines, static_cast<int>(laid.lines.size()));
            cells.push_back(std::move(laid));
            x += width;
        }
        if (cells.empty()) continue;
        // Shared by the slices of the row rather than copied into each.
        const auto laidCells = std::make_shared<const std::vector<LaidCell>>(std::move(cells));
        for (int line = 0; line < lines; ++line) {
            Block b;
            b.height = m.lineHeight + (line == 0 ? m.padY : 0) + (line == lines - 1 ? m.padY : 0);
            b.keepWithNext = true;  // a short table is read as one; see below
            b.paint = [laidCells, line, lines, fonts, m](QPainter& p, const QRectF& box,
                                                         const BlockPlace& place) {
                paintSlice(p, box, place, *laidCells, line, lines, *fonts, m);
            };
            blocks.push_back(std::move(b));
        }
    }
    // The whole table goes over to the next page rather than leave its last rows apart
    // from its captions; only a table taller than a page is broken between its lines.
    if (!blocks.empty()) blocks.back().keepWithNext = false;
    return blocks;
}

}  // namespace wallcalc::sheet
