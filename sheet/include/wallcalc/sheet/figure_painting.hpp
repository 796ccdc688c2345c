#pragma once
// A figure's list of what to draw (figure_drawing_list.hpp) painted through QPainter: the
// window's page and the calculation sheet draw the same lists the web page shows as SVG.
#include <QRectF>

#include "wallcalc/sheet/figure_drawing_list.hpp"

class QPainter;

namespace wallcalc::sheet {

// Draws the figure into `target`, its proportions kept and centred, with the painter's font
// family; the painter's state is left as it was found.
void paintFigure(QPainter& painter, const QRectF& target, const FigureDrawing& drawing);

}  // namespace wallcalc::sheet
