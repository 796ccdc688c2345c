// "计算简图": the wall as a member propped at the roof slab and fixed at the base slab,
// under a triangular load q1 and a uniform load q2 (or one wall's load diagram with its
// values), and its moment diagram "M图" with the span point A and the base point B.
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "figure_drawing.hpp"

namespace wallcalc::sheet::figure {
namespace {

constexpr qreal kTop = 72;        // the prop (roof slab)
constexpr qreal kBase = 290;      // the fixed base B
constexpr qreal kMember = 318;    // axis of the loaded member
constexpr qreal kAxisM = 372;     // axis of the moment diagram
constexpr qreal kQ2 = 12;         // width of the uniform load
constexpr qreal kQ1 = 44;         // width of the triangular load at the base
constexpr qreal kLoadWidth = 58;  // width of the largest load of one wall's diagram

void paintSupports(QPainter& p) {
    // Roller at the top: a triangle from the member end, two rollers and the surface.
    p.setPen(QPen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({{kMember, kTop}, {kMember + 11, kTop - 7}, {kMember + 11, kTop + 7}}));
    p.drawEllipse(QPointF(kMember + 14, kTop - 4), 2.5, 2.5);
    p.drawEllipse(QPointF(kMember + 14, kTop + 4), 2.5, 2.5);
    p.drawLine(QPointF(kMember + 17, kTop - 11), QPointF(kMember + 17, kTop + 11));
    p.setPen(QPen(kInk, 0.8));
    for (qreal y = kTop - 9; y <= kTop + 11; y += 5) {
        p.drawLine(QPointF(kMember + 17, y), QPointF(kMember + 22, y - 4));
    }
    // Fixed at the base.
    p.setPen(QPen(kInk, 1.8));
    p.drawLine(QPointF(kMember - 14, kBase), QPointF(kMember + 14, kBase));
    hatch(p, kMember - 14, kMember + 14, kBase, kInk);
    // The member.
    p.setPen(QPen(kInk, 2.2));
    p.drawLine(QPointF(kMember, kTop), QPointF(kMember, kBase));
}

void paintLoadShapes(QPainter& p) {
    const qreal inner = kMember - kQ2;  // where the uniform part meets the triangle
    p.setPen(Qt::NoPen);
    p.setBrush(kLoadFill);
    p.drawPolygon(
        QPolygonF({{kMember, kTop}, {inner, kTop}, {inner - kQ1, kBase}, {kMember, kBase}}));
    p.setPen(QPen(kLoad, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(
        QPolygonF({{kMember, kTop}, {inner, kTop}, {inner - kQ1, kBase}, {kMember, kBase}}));
    p.setPen(QPen(kLoad, 0.8, Qt::DashLine));
    p.drawLine(QPointF(inner, kTop), QPointF(inner, kBase));
    for (qreal y = kTop + 18; y < kBase - 4; y += 24) {
        const qreal outer = inner - kQ1 * (y - kTop) / (kBase - kTop);
        arrow(p, QPointF(outer, y), QPointF(kMember - 2, y), kLoad, 4);
    }
    p.setPen(kLoad);
    setFigureFont(p, 12);
    centredText(p, QPointF(inner - 2, kTop - 6), QStringLiteral("q2"));
    text(p, QPointF(inner - kQ1 - 3, kBase + 13), QStringLiteral("q1"), true);
}

// Where the outer edge of a load diagram, a line through points from the top down, is at
// the height y.
qreal edgeAt(const QPolygonF& edge, qreal y) {
    for (qsizetype i = 1; i < edge.size(); ++i) {
        if (y > edge[i].y() && i + 1 < edge.size()) continue;
        const QPointF from = edge[i - 1], to = edge[i];
        const qreal t = to.y() > from.y() ? (y - from.y()) / (to.y() - from.y()) : 0;
        return from.x() + t * (to.x() - from.x());
    }
    return edge.first().x();
}

// One wall's load diagram to scale: the largest value spans kLoadWidth, the polygon
// bends at the water level in case B, and each value stands beside its edge.
void paintLoadDiagram(QPainter& p, const SheetFigure& wall) {
    const qreal largest = std::max({std::abs(wall.top), std::abs(wall.water), std::abs(wall.base)});
    const qreal scale = largest > 0 ? kLoadWidth / largest : 0;
    const bool bends = wall.loadCase == 1 && wall.L > 0;
    const qreal waterY =
        bends ? kTop + std::clamp(wall.a / wall.L, 0.0, 1.0) * (kBase - kTop) : kTop;
    QPolygonF edge{{kMember - scale * wall.top, kTop}};
    if (bends) edge << QPointF(kMember - scale * wall.water, waterY);
    edge << QPointF(kMember - scale * wall.base, kBase);
    QPolygonF area = edge;
    area << QPointF(kMember, kBase) << QPointF(kMember, kTop);
    p.setPen(Qt::NoPen);
    p.setBrush(kLoadFill);
    p.drawPolygon(area);
    p.setPen(QPen(kLoad, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(area);
    for (qreal y = kTop + 18; y < kBase - 4; y += 24) {
        const qreal x = edgeAt(edge, y);
        if (kMember - x > 6) arrow(p, QPointF(x, y), QPointF(kMember - 2, y), kLoad, 4);
    }
    p.setPen(kLoad);
    setFigureFont(p, 11);
    text(p, QPointF(std::min(edge.first().x(), kMember) - 3, kTop - 4), fromUtf8(wall.topText),
         true);
    if (bends) {
        p.setPen(QPen(kWater, 0.8, Qt::DashLine));
        p.drawLine(QPointF(edge[1].x() - 4, waterY), QPointF(kMember, waterY));
        p.setPen(kLoad);
        text(p, QPointF(std::min(edge[1].x(), kMember) - 4, waterY + 4), fromUtf8(wall.waterText),
             true);
    }
    // Under the base, between the edge and the member: left of it stands the section.
    centredText(p, QPointF((edge.last().x() + kMember) / 2 - 4, kBase + 13),
                fromUtf8(wall.baseText));
}

void paintLoads(QPainter& p, const SheetFigure* wall) {
    if (wall == nullptr) {
        paintLoadShapes(p);
    } else if (wall->loadCase >= 0) {
        paintLoadDiagram(p, *wall);
    }
}

// The shape of the moments of a member propped at the top and fixed at the base, for a
// uniform load (weight 0.3) and a load rising linearly to the base (weight 1), per unit
// span: positive in the span, negative at the base. Only the shape is drawn.
qreal momentShape(qreal t) {
    const qreal uniform = 3 * t / 8 - t * t / 2;
    const qreal triangular = t / 10 - t * t * t / 6;
    return 0.3 * uniform + triangular;
}

void paintMomentDiagram(QPainter& p, const SheetFigure* wall) {
    const qreal scale = 30 / std::abs(momentShape(1));  // the base moment 30 units wide
    QPainterPath curve(QPointF(kAxisM, kTop));
    QPointF spanPoint(kAxisM, kTop);
    constexpr int kSteps = 48;
    for (int i = 1; i <= kSteps; ++i) {
        const qreal t = static_cast<qreal>(i) / kSteps;
        // Each moment is drawn on the side of the face it stretches: the span on the
        // basement side (right), the base on the water side (left).
        const QPointF point(kAxisM + scale * momentShape(t), kTop + t * (kBase - kTop));
        curve.lineTo(point);
        if (point.x() > spanPoint.x()) spanPoint = point;
    }
    const QPointF basePoint = curve.currentPosition();
    QPainterPath area = curve;
    area.lineTo(kAxisM, kBase);
    area.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(kMomentFill);
    p.drawPath(area);
    p.setPen(QPen(kMoment, 0.6));
    for (qreal y = kTop + 8; y < kBase; y += 8) {
        const qreal t = (y - kTop) / (kBase - kTop);
        p.drawLine(QPointF(kAxisM, y), QPointF(kAxisM + scale * momentShape(t), y));
    }
    p.setPen(QPen(kInk, 1));
    p.drawLine(QPointF(kAxisM, kTop - 4), QPointF(kAxisM, kBase + 4));
    p.setPen(QPen(kMoment, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
    p.drawLine(basePoint, QPointF(kAxisM, kBase));

    p.setPen(kInk);
    p.setBrush(kInk);
    p.drawEllipse(spanPoint, 2, 2);
    p.drawEllipse(basePoint, 2, 2);
    setFigureFont(p, 12);
    text(p, spanPoint + QPointF(5, 4), QStringLiteral("A"));
    centredText(p, basePoint + QPointF(0, 15), QStringLiteral("B"));
    setFigureFont(p, 12);
    centredText(p, QPointF(kAxisM, kBase + 30), QStringLiteral("M图"));
    if (wall != nullptr && !wall->MBk.empty()) {
        setFigureFont(p, 11);
        centredText(p, QPointF(kAxisM - 4, kBase + 46),
                    QStringLiteral("MBk=") + fromUtf8(wall->MBk));
    }
}

}  // namespace

void paintCalcDiagram(QPainter& p, const SheetFigure* wall) {
    p.save();
    setFigureFont(p, 12);
    p.setPen(kInk);
    centredText(p, QPointF(334, 30), QStringLiteral("计算简图"));
    if (wall != nullptr) {
        setFigureFont(p, 10);
        centredText(p, QPointF(334, 46), QStringLiteral("荷载标准值(kN/m)"));
    }
    paintLoads(p, wall);
    paintSupports(p);
    paintMomentDiagram(p, wall);
    p.restore();
}

}  // namespace wallcalc::sheet::figure
