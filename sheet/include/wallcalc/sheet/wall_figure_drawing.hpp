#pragma once
// The explanatory figure of the wall: a section through the basement wall with its
// elevations and the three ground-water cases, and beside it the calculation diagram (a
// propped member fixed at the base under a triangular and a uniform load) with its moment
// diagram. Vector drawing, crisp at any scale: the window shows it above Text12 and the
// calculation sheet prints the same drawing. Both paint the one layout of the figure
// (wall_figure_layout.hpp) that the web page prints as SVG.
#include <QRectF>

#include "wallcalc/sheet/calculation_sheet.hpp"
#include "wallcalc/sheet/wall_figure_layout.hpp"

class QPainter;

namespace wallcalc::sheet {

// The figure's own proportions (width to height); the drawing keeps them and is centred
// in whatever rectangle it is given.
inline constexpr qreal kFigureWidth = kWallFigureWidth;
inline constexpr qreal kFigureHeight = kWallFigureHeight;

// Draws the figure into `target` (in the painter's coordinates) with the painter's font
// family. The painter's state is left as it was found; the background is not painted.
void paintWallFigure(QPainter& painter, const QRectF& target);

// The same figure drawn for one wall: its elevations with their values, only its own water
// level, and its load diagram to scale with the values at the top, at the water level
// (case B) and at the base, and MBk at the base of the moment diagram.
void paintWallFigure(QPainter& painter, const QRectF& target, const SheetFigure& wall);

}  // namespace wallcalc::sheet
