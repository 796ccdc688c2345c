// The section through the basement wall: soil and ground surface on the water side,
// the roof slab and base slab, the wall with its thickness, the elevations h1, h3, h4
// and the ground-water level h2 of the three cases.
#include <QPainter>
#include <QPolygonF>

#include "figure_drawing.hpp"

namespace wallcalc::sheet::figure {
namespace {

// Levels and faces of the section, in figure units.
constexpr qreal kGround = 50;    // h1, ground surface
constexpr qreal kRoofTop = 110;  // h3, top of the roof slab (top of the wall)
constexpr qreal kRoofBottom = 126;
constexpr qreal kBaseTop = 290;  // h4, top of the base slab (base B)
constexpr qreal kBaseBottom = 310;
constexpr qreal kOuterFace = 100;  // the water face
constexpr qreal kInnerFace = 122;  // the basement side
constexpr qreal kToe = 76;         // outer end of the base slab
constexpr qreal kLeft = 8;
constexpr qreal kRight = 236;
constexpr qreal kBottom = 344;

void paintSoilAndConcrete(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kSoil);
    p.drawRect(QRectF(QPointF(kLeft, kGround), QPointF(kRight, kBottom)));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(QPointF(kInnerFace, kRoofBottom), QPointF(kRight, kBaseTop)));

    p.setPen(QPen(kInk, 1.2));
    p.setBrush(kConcrete);
    p.drawPolygon(QPolygonF({{kOuterFace, kRoofTop},
                             {kRight, kRoofTop},
                             {kRight, kRoofBottom},
                             {kInnerFace, kRoofBottom},
                             {kInnerFace, kBaseTop},
                             {kRight, kBaseTop},
                             {kRight, kBaseBottom},
                             {kToe, kBaseBottom},
                             {kToe, kBaseTop},
                             {kOuterFace, kBaseTop}}));

    // The ground surface over the whole width, soil hatched below it.
    p.setPen(QPen(kSoilHatch, 1.6));
    p.drawLine(QPointF(kLeft, kGround), QPointF(kRight, kGround));
    hatch(p, kLeft, kRight, kGround, kSoilHatch);
}

void paintMarks(QPainter& p) {
    const qreal markX = 196;
    elevationMark(p, {markX, kGround}, QStringLiteral("h1"));
    elevationMark(p, {markX, kRoofTop}, QStringLiteral("h3"));
    elevationMark(p, {markX, kBaseTop}, QStringLiteral("h4"));

    // Ground water: A above the roof slab, B within the wall height, C below the base.
    waterMark(p, kLeft + 4, kOuterFace - 4, 84, QStringLiteral("h2 情况A"));
    waterMark(p, kLeft + 4, kOuterFace - 4, 196, QStringLiteral("h2 情况B"));
    waterMark(p, kLeft + 4, kOuterFace - 4, 334, QStringLiteral("h2 情况C"));

    // The wall thickness h5 across the wall.
    const qreal dimY = 150;
    p.setPen(QPen(kInk, 0.9));
    p.drawLine(QPointF(kOuterFace - 10, dimY), QPointF(kInnerFace + 10, dimY));
    for (qreal x : {kOuterFace, kInnerFace})
        p.drawLine(QPointF(x - 3, dimY + 3), QPointF(x + 3, dimY - 3));
    setFigureFont(p, 12);
    text(p, QPointF(kInnerFace + 4, dimY - 4), QStringLiteral("h5"));

    // The two sides of the wall.
    text(p, QPointF(kOuterFace - 6, 252), QStringLiteral("迎水面"), true);
    arrow(p, QPointF(kOuterFace - 16, 258), QPointF(kOuterFace - 1, 258), kInk, 4);
    centredText(p, QPointF((kInnerFace + kRight) / 2 + 4, 214), QStringLiteral("地库内部"));
}

}  // namespace

void paintWallSection(QPainter& p) {
    p.save();
    paintSoilAndConcrete(p);
    paintMarks(p);
    p.restore();
}

}  // namespace wallcalc::sheet::figure
