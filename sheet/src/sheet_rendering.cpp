#include "wallcalc/sheet/sheet_rendering.hpp"

#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "page_flow.hpp"
#include "sheet_blocks.hpp"
#include "sheet_style.hpp"

namespace wallcalc::sheet {
namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Label and value columns, twice across the page: as wide as the longest label, the
// rest shared by the values.
std::vector<qreal> pairColumns(const CalculationSheet& sheet, const SheetStyle& style,
                               qreal width) {
    qreal label = 0;
    for (const SheetEntry& e : sheet.inputs)
        label = std::max(label, style.advance(style.body, qs(e.label)));
    for (const SheetGroup& g : sheet.results) {
        for (const SheetEntry& e : g.entries)
            label = std::max(label, style.advance(style.body, qs(e.label)));
    }
    label = std::clamp(label + style.mm(4), width * 0.2, width * 0.32);
    const qreal value = width / 2 - label;
    return {label, value, label, value};
}

std::vector<TableRow> inputRows(const CalculationSheet& sheet) {
    std::vector<TableRow> rows;
    for (std::size_t i = 0; i < sheet.inputs.size(); i += 2) {
        TableRow row;
        for (std::size_t k = i; k < i + 2; ++k) {
            const bool present = k < sheet.inputs.size();
            row.push_back({present ? qs(sheet.inputs[k].label) : QString(), 1, present});
            row.push_back({present ? qs(sheet.inputs[k].value) : QString()});
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

std::vector<Block> sheetBlocks(const CalculationSheet& sheet, const SheetStyle& style,
                               qreal width) {
    std::vector<Block> blocks = titleBlocks(sheet, style, width);
    const auto append = [&blocks](std::vector<Block> more) {
        for (Block& b : more)
            blocks.push_back(std::move(b));
    };
    const std::vector<qreal> columns = pairColumns(sheet, style, width);
    blocks.push_back(headingBlock(QStringLiteral("一、输入数据"), style));
    append(tableBlocks(inputRows(sheet), columns, style));
    blocks.push_back(headingBlock(QStringLiteral("二、计算简图"), style));
    blocks.push_back(figureBlock(style, width));
    blocks.push_back(headingBlock(QStringLiteral("三、计算结果"), style));
    append(tableBlocks(resultRows(sheet), columns, style));
    blocks.push_back(headingBlock(QStringLiteral("四、计算过程"), style));
    append(textBlocks(sheet.calculation, style, width));
    return blocks;
}

// The running head over every page after the first (the first carries the title), and
// the page number at the foot of every page.
void paintPageFrame(QPainter& p, const SheetStyle& style, const CalculationSheet& sheet,
                    const QRectF& page, int number, int pages, qreal headHeight) {
    p.save();
    p.setFont(style.small);
    p.setPen(Qt::black);
    const QFontMetricsF fm = style.metrics(style.small);
    if (number > 0) {
        QString head = qs(sheet.title);
        if (!sheet.name.empty()) head += QStringLiteral("  ") + qs(sheet.name);
        const QString date = QStringLiteral("计算日期：") + qs(sheet.date);
        const qreal baseline = page.top() + fm.ascent();
        p.drawText(QPointF(page.left(), baseline),
                   fm.elidedText(head, Qt::ElideRight, page.width() * 0.6));
        p.drawText(QPointF(page.right() - fm.horizontalAdvance(date), baseline), date);
        p.setPen(QPen(Qt::black, style.mm(0.2)));
        const qreal rule = page.top() + headHeight - style.mm(3);
        p.drawLine(QPointF(page.left(), rule), QPointF(page.right(), rule));
    }
    const QString foot = QStringLiteral("第 %1 页  共 %2 页").arg(number + 1).arg(pages);
    p.setPen(Qt::black);
    p.drawText(
        QPointF(page.center().x() - fm.horizontalAdvance(foot) / 2, page.bottom() - fm.descent()),
        foot);
    p.restore();
}

}  // namespace

void setUpSheetPage(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(20, 15, 20, 12), QPageLayout::Millimeter));
}

std::optional<std::string> renderSheet(const CalculationSheet& sheet, QPagedPaintDevice& device) {
    QPainter p;
    if (!p.begin(&device)) return "the page device could not be opened for drawing";
    // The sheet's units onto the device's pixels.
    const qreal sx = device.logicalDpiX() / kSheetDpi;
    const qreal sy = device.logicalDpiY() / kSheetDpi;
    p.scale(sx, sy);
    const SheetStyle style;
    const QRectF page(0, 0, device.width() / sx, device.height() / sy);
    const qreal headHeight = style.mm(10);
    const qreal footHeight = style.mm(9);
    const std::vector<Block> blocks = sheetBlocks(sheet, style, page.width());
    const std::vector<BlockPlace> places =
        flowOntoPages(blocks, page.height() - footHeight, page.height() - headHeight - footHeight);
    const int pages = places.empty() ? 1 : places.back().page + 1;

    std::size_t next = 0;
    for (int number = 0; number < pages; ++number) {
        if (number > 0 && !device.newPage()) {
            p.end();
            return "a new page could not be started";
        }
        paintPageFrame(p, style, sheet, page, number, pages, headHeight);
        const qreal top = number == 0 ? 0 : headHeight;
        for (; next < blocks.size() && places[next].page == number; ++next) {
            const QRectF box(page.left(), top + places[next].top, page.width(),
                             blocks[next].height);
            blocks[next].paint(p, box, places[next]);
        }
    }
    if (!p.end()) return "the pages could not be finished";
    return std::nullopt;
}

}  // namespace wallcalc::sheet
