#include "figure_drawing.hpp"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "../text_painting.hpp"

namespace wallcalc::sheet::figure {

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void setFigureFont(QPainter& p, qreal size) {
    QFont font = p.font();
    font.setPixelSize(static_cast<int>(size));
    p.setFont(font);
}

void text(QPainter& p, QPointF at, const QString& s, bool alignRight) {
    if (alignRight) at.rx() -= QFontMetricsF(p.font()).horizontalAdvance(s);
    paintText(p, at, s);
}

void centredText(QPainter& p, QPointF at, const QString& s) {
    at.rx() -= QFontMetricsF(p.font()).horizontalAdvance(s) / 2;
    paintText(p, at, s);
}

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour, qreal head) {
    p.save();
    p.setPen(QPen(colour, 1));
    p.drawLine(from, to);
    const QLineF back(to, from);
    QLineF side1 = back;
    side1.setLength(head);
    QLineF side2 = side1;
    side1.setAngle(back.angle() + 25);
    side2.setAngle(back.angle() - 25);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({to, side1.p2(), side2.p2()}));
    p.restore();
}

void hatch(QPainter& p, qreal x1, qreal x2, qreal y, const QColor& colour, bool above) {
    p.save();
    p.setPen(QPen(colour, 0.8));
    const qreal depth = above ? -6 : 6;
    for (qreal x = x1 + 6; x <= x2; x += 6)
        p.drawLine(QPointF(x, y), QPointF(x - 5, y + depth));
    p.restore();
}

void elevationMark(QPainter& p, QPointF tip, const QString& name) {
    p.save();
    p.setPen(QPen(kInk, 0.9));
    p.setBrush(Qt::NoBrush);
    const qreal h = 6;
    p.drawPolygon(QPolygonF({tip, tip + QPointF(-h, -h), tip + QPointF(h, -h)}));
    p.drawLine(tip + QPointF(-h, -h), tip + QPointF(h + 20, -h));
    setFigureFont(p, 12);
    text(p, tip + QPointF(h - 2, -h - 3), name);
    p.restore();
}

void waterMark(QPainter& p, qreal x1, qreal x2, qreal y, const QString& label) {
    p.save();
    p.setPen(QPen(kWater, 1.1));
    p.drawLine(QPointF(x1, y), QPointF(x2, y));
    // The short rules under the water line.
    p.setPen(QPen(kWater, 0.8));
    const qreal x = x1 + 14;
    p.drawLine(QPointF(x - 5, y + 3), QPointF(x + 5, y + 3));
    p.drawLine(QPointF(x - 3, y + 6), QPointF(x + 3, y + 6));
    // The triangle standing on it, point down.
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({QPointF(x, y), QPointF(x - 5, y - 7), QPointF(x + 5, y - 7)}));
    p.setPen(kWater);
    setFigureFont(p, 12);
    text(p, QPointF(x + 8, y - 3), label);
    p.restore();
}

}  // namespace wallcalc::sheet::figure
