#pragma once
// The pieces the wall figure is drawn from. Coordinates are the figure's own units
// (kFigureWidth × kFigureHeight, y downwards); wall_figure_drawing.cpp maps them onto the
// target.
#include <QColor>
#include <QPointF>
#include <QString>

#include "wallcalc/sheet/calculation_sheet.hpp"

class QPainter;

namespace wallcalc::sheet::figure {

// Colours of the drawing: concrete, soil, water, loads and the moment diagram.
inline const QColor kInk(0x20, 0x20, 0x20);
inline const QColor kConcrete(0xcc, 0xcc, 0xcc);
inline const QColor kSoil(0xf4, 0xec, 0xdc);
inline const QColor kSoilHatch(0x8b, 0x6f, 0x47);
inline const QColor kWater(0x15, 0x65, 0xc0);
inline const QColor kLoad(0xb7, 0x1c, 0x1c);
inline const QColor kLoadFill(0xfb, 0xe4, 0xe4);
inline const QColor kMoment(0x1a, 0x4f, 0x8b);
inline const QColor kMomentFill(0xdb, 0xe9, 0xf7);

// The section through the wall (left part of the figure): with `wall`, its elevations with
// their values and only its water level; without, the three water levels of the cases.
void paintWallSection(QPainter& p, const SheetFigure* wall);
// "计算简图": the loaded member and its moment diagram "M图" (right part): with `wall`, its
// load diagram to scale with its values; without, the shapes of the two loads q1 and q2.
void paintCalcDiagram(QPainter& p, const SheetFigure* wall);

// The text of a number as the sheet shows it.
QString fromUtf8(const std::string& text);

// Sets the painter's font to its family at `size` figure units. One regular face at one
// size throughout: at 12 units in the window it is the window's own font, whose glyphs
// are already rendered when the figure first paints.
void setFigureFont(QPainter& p, qreal size);
// Text with its baseline starting at `at`; `alignRight` ends it there instead.
void text(QPainter& p, QPointF at, const QString& s, bool alignRight = false);
// Text centred horizontally on `at.x()`, baseline at `at.y()`.
void centredText(QPainter& p, QPointF at, const QString& s);
// A line from `from` to `to` with a filled head at `to`.
void arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour, qreal head = 5);
// Short slanted strokes below (or, with `above`, above) a horizontal line: ground or a support.
void hatch(QPainter& p, qreal x1, qreal x2, qreal y, const QColor& colour, bool above = false);
// An elevation mark: a downward triangle with its tip on the level, a rule and the name.
void elevationMark(QPainter& p, QPointF tip, const QString& name);
// A water-level mark: the water line, the triangle standing on it and its label.
void waterMark(QPainter& p, qreal x1, qreal x2, qreal y, const QString& label);

}  // namespace wallcalc::sheet::figure
