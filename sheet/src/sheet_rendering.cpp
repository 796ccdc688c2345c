#include "wallcalc/sheet/sheet_rendering.hpp"

#include <QPagedPaintDevice>
#include <QPainter>

#include "page_flow.hpp"
#include "page_rendering.hpp"
#include "sheet_blocks.hpp"
#include "sheet_style.hpp"
#include "text_painting.hpp"

namespace wallcalc::sheet {
namespace {

// Above the page number of every page of a wall that does not satisfy the codes: a red
// band that says so.
constexpr qreal kBandMillimetres = 6;
void paintNotSatisfiedBand(QPainter& p, const SheetStyle& style, const QRectF& page) {
    const QFontMetricsF fm = style.metrics(style.small);
    const QRectF band(page.left(), page.bottom() - fm.height() - style.mm(kBandMillimetres + 1),
                      page.width(), style.mm(kBandMillimetres));
    p.fillRect(band, QColor(0xb7, 0x1c, 0x1c));
    p.setPen(Qt::white);
    p.drawText(band, Qt::AlignCenter, qs(kNotSatisfiedBand));
    p.setPen(Qt::black);
}

// The running head over every page after the first (the first carries the title block):
// the title, the wall's name, the project and the wall, and the date; the page number at
// the foot of every page.
void paintPageFrame(QPainter& p, const SheetStyle& style, const PageHead& sheet, const QRectF& page,
                    int number, int pages, qreal headHeight) {
    p.save();
    p.setFont(style.small);
    p.setPen(Qt::black);
    const QFontMetricsF fm = style.metrics(style.small);
    if (number > 0) {
        QString head = qs(sheet.title);
        for (const std::string& part : {sheet.name, sheet.project.project, sheet.project.wall}) {
            if (!part.empty()) head += QStringLiteral("  ") + qs(part);
        }
        const QString date = QStringLiteral("计算日期：") + qs(sheet.date);
        const qreal baseline = page.top() + fm.ascent();
        paintText(p, QPointF(page.left(), baseline),
                  fm.elidedText(head, Qt::ElideRight, page.width() * 0.6));
        paintText(p, QPointF(page.right() - fm.horizontalAdvance(date), baseline), date);
        p.setPen(QPen(Qt::black, style.mm(0.2)));
        const qreal rule = page.top() + headHeight - style.mm(3);
        p.drawLine(QPointF(page.left(), rule), QPointF(page.right(), rule));
    }
    if (!sheet.satisfied) paintNotSatisfiedBand(p, style, page);
    const QString foot = QStringLiteral("第 %1 页  共 %2 页").arg(number + 1).arg(pages);
    p.setPen(Qt::black);
    paintText(
        p,
        QPointF(page.center().x() - fm.horizontalAdvance(foot) / 2, page.bottom() - fm.descent()),
        foot);
    p.restore();
}

}  // namespace

QPageLayout sheetPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 15, 20, 12),
                       QPageLayout::Millimeter);
}

void setUpSheetPage(QPagedPaintDevice& device) {
    device.setPageLayout(sheetPageLayout());
}

std::optional<std::string> renderSheet(const CalculationSheet& sheet, QPagedPaintDevice& device) {
    return renderSheet(sheet, device, [&device] { return device.newPage(); });
}

std::optional<std::string> renderSheet(const CalculationSheet& sheet, QPaintDevice& device,
                                       const NewPage& newPage) {
    const PageHead head{sheet.title, sheet.name, sheet.date, sheet.project, sheet.verdict.ok};
    return renderPages(
        head,
        [&sheet](const SheetStyle& style, qreal width) { return sheetBlocks(sheet, style, width); },
        device, newPage);
}

std::optional<std::string> renderPages(const PageHead& sheet, const BlocksFor& blocksFor,
                                       QPaintDevice& device, const NewPage& newPage) {
    QPainter p;
    if (!p.begin(&device)) return "无法开始在打印机或文件上绘制";
    // The sheet's units onto the device's pixels.
    const qreal sx = device.logicalDpiX() / kSheetDpi;
    const qreal sy = device.logicalDpiY() / kSheetDpi;
    p.scale(sx, sy);
    const SheetStyle style;
    const QRectF page(0, 0, device.width() / sx, device.height() / sy);
    const qreal headHeight = style.mm(10);
    // The foot holds the page number, and the red band where the wall does not satisfy.
    const qreal footHeight = style.mm(sheet.satisfied ? 9 : 9 + kBandMillimetres + 1);
    const std::vector<Block> blocks = blocksFor(style, page.width());
    const std::vector<BlockPlace> places =
        flowOntoPages(blocks, page.height() - footHeight, page.height() - headHeight - footHeight);
    const int pages = places.empty() ? 1 : places.back().page + 1;

    std::size_t next = 0;
    for (int number = 0; number < pages; ++number) {
        if (number > 0 && !newPage()) {
            p.end();
            return "无法开始新的一页";
        }
        paintPageFrame(p, style, sheet, page, number, pages, headHeight);
        const qreal top = number == 0 ? 0 : headHeight;
        for (; next < blocks.size() && places[next].page == number; ++next) {
            const QRectF box(page.left(), top + places[next].top, page.width(),
                             blocks[next].height);
            blocks[next].paint(p, box, places[next]);
        }
    }
    if (!p.end()) return "无法完成页面的绘制";
    return std::nullopt;
}

}  // namespace wallcalc::sheet
