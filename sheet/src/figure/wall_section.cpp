// The section through the basement wall: soil and ground surface on the water side,
// the roof slab and base slab, the wall with its thickness, the elevations h1, h3, h4
// and the ground-water level h2: of the three cases, or of one wall with the values.
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "figure_drawing.hpp"
#include "wallcalc/engine/number_input.hpp"

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
constexpr qreal kRight = 224;  // clear of the values of the load diagram
constexpr qreal kBottom = 344;
// The water levels of the explanatory figure, one for each case.
constexpr qreal kWaterA = 84;
constexpr qreal kWaterB = 196;
constexpr qreal kWaterC = 334;

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

// "h1" alone in the explanatory figure, "h1=-0.45" in the figure of one wall.
QString named(const char* name, const SheetFigure* wall, const std::string& value) {
    QString text = QLatin1String(name);
    if (wall != nullptr) text += QLatin1Char('=') + fromUtf8(value);
    return text;
}

// Where the water level of a wall stands in the drawing: within the height between the
// levels its case puts it between, kept clear of them so that the marks do not collide.
qreal waterLevel(const SheetFigure& wall) {
    const auto within = [](qreal upper, qreal lower, qreal share) {
        return upper + std::clamp(share, 0.2, 0.8) * (lower - upper);
    };
    if (wall.loadCase == 1) return within(kRoofTop, kBaseTop, wall.L > 0 ? wall.a / wall.L : 0.5);
    if (wall.loadCase == 2) return kWaterC;
    const auto h1 = toNumber(wall.h1), h2 = toNumber(wall.h2), h3 = toNumber(wall.h3);
    const qreal share = h1 && h2 && h3 && *h1 > *h3 ? (*h1 - *h2) / (*h1 - *h3) : 0.5;
    return within(kGround, kRoofTop, share);
}

void paintWaterLevels(QPainter& p, const SheetFigure* wall) {
    if (wall == nullptr) {
        // Ground water: A above the roof slab, B within the wall height, C below the base.
        waterMark(p, kLeft + 4, kOuterFace - 4, kWaterA, QStringLiteral("h2 情况A"));
        waterMark(p, kLeft + 4, kOuterFace - 4, kWaterB, QStringLiteral("h2 情况B"));
        waterMark(p, kLeft + 4, kOuterFace - 4, kWaterC, QStringLiteral("h2 情况C"));
        return;
    }
    if (wall->loadCase < 0) return;
    waterMark(p, kLeft + 4, kOuterFace - 4, waterLevel(*wall), named("h2", wall, wall->h2));
}

void paintMarks(QPainter& p, const SheetFigure* wall) {
    // The values need the room of the figure's middle; the names alone stand further right.
    const qreal markX = wall != nullptr ? 170 : 196;
    elevationMark(p, {markX, kGround}, named("h1", wall, wall ? wall->h1 : std::string()));
    elevationMark(p, {markX, kRoofTop}, named("h3", wall, wall ? wall->h3 : std::string()));
    elevationMark(p, {markX, kBaseTop}, named("h4", wall, wall ? wall->h4 : std::string()));
    paintWaterLevels(p, wall);

    // The wall thickness h5 across the wall, moved below a water level that would meet it.
    qreal dimY = 150;
    if (wall != nullptr && wall->loadCase == 1 && std::abs(waterLevel(*wall) - dimY) < 16) {
        dimY = waterLevel(*wall) + 24;
    }
    p.setPen(QPen(kInk, 0.9));
    p.drawLine(QPointF(kOuterFace - 10, dimY), QPointF(kInnerFace + 10, dimY));
    for (qreal x : {kOuterFace, kInnerFace})
        p.drawLine(QPointF(x - 3, dimY + 3), QPointF(x + 3, dimY - 3));
    setFigureFont(p, 12);
    text(p, QPointF(kInnerFace + 4, dimY - 4), named("h5", wall, wall ? wall->h5 : std::string()));

    // The two sides of the wall.
    text(p, QPointF(kOuterFace - 6, 252), QStringLiteral("迎水面"), true);
    arrow(p, QPointF(kOuterFace - 16, 258), QPointF(kOuterFace - 1, 258), kInk, 4);
    centredText(p, QPointF((kInnerFace + kRight) / 2 + 4, 214), QStringLiteral("地库内部"));
}

}  // namespace

void paintWallSection(QPainter& p, const SheetFigure* wall) {
    p.save();
    paintSoilAndConcrete(p);
    paintMarks(p, wall);
    p.restore();
}

}  // namespace wallcalc::sheet::figure
