#include "wallcalc/sheet/figure_painting.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "../qt_text.hpp"
#include "../text_painting.hpp"

namespace wallcalc::sheet {
namespace {

QColor colourOf(const FigureColour& c) {
    return QColor(c.r, c.g, c.b);
}

QPen penOf(const FigurePath& path) {
    if (!path.stroke) return Qt::NoPen;
    QPen pen(colourOf(*path.stroke), path.width);
    if (path.dashed) pen.setDashPattern({6 / path.width, 4 / path.width});
    return pen;
}

void paintPath(QPainter& p, const FigurePath& path) {
    if (path.points.size() < 2) return;
    p.setPen(penOf(path));
    const auto at = [&](std::size_t i) { return QPointF(path.points[i].x, path.points[i].y); };
    // A single line as a line: the sheet's PDF strokes the lines drawn one after the other
    // with the same pen (hatching, the moment diagram's ordinates) as one path.
    if (path.points.size() == 2 && !path.closed && !path.fill) {
        p.drawLine(at(0), at(1));
        return;
    }
    QPainterPath outline(at(0));
    for (std::size_t i = 1; i < path.points.size(); ++i)
        outline.lineTo(at(i));
    if (path.closed) outline.closeSubpath();
    // Filled and stroked at once: the PDF holds the outline's points once.
    p.setBrush(path.fill ? QBrush(colourOf(*path.fill)) : QBrush(Qt::NoBrush));
    p.drawPath(outline);
}

void paintLabel(QPainter& p, const FigureLabel& l) {
    QFont font = p.font();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(l.size))));
    font.setBold(l.bold);
    p.setFont(font);
    p.setPen(colourOf(l.colour));
    const QString text = qs(l.text);
    qreal x = l.at.x;
    if (l.anchor != Anchor::Start) {
        const qreal width = QFontMetricsF(font).horizontalAdvance(text);
        x -= l.anchor == Anchor::Middle ? width / 2 : width;
    }
    paintText(p, QPointF(x, l.at.y), text);
}

}  // namespace

void paintFigure(QPainter& painter, const QRectF& target, const FigureDrawing& d) {
    if (target.isEmpty() || !(d.width > 0) || !(d.height > 0)) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const qreal scale = std::min(target.width() / d.width, target.height() / d.height);
    painter.translate(target.center());
    painter.scale(scale, scale);
    painter.translate(-d.width / 2, -d.height / 2);
    for (const FigurePath& path : d.paths)
        paintPath(painter, path);
    for (const FigureLabel& label : d.labels)
        paintLabel(painter, label);
    painter.restore();
}

}  // namespace wallcalc::sheet
