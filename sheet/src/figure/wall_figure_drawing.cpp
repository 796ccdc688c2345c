#include "wallcalc/sheet/wall_figure_drawing.hpp"

#include "wallcalc/sheet/figure_painting.hpp"

namespace wallcalc::sheet {

void paintWallFigure(QPainter& painter, const QRectF& target) {
    paintFigure(painter, target, wallFigure(nullptr));
}

void paintWallFigure(QPainter& painter, const QRectF& target, const SheetFigure& wall) {
    paintFigure(painter, target, wallFigure(&wall));
}

}  // namespace wallcalc::sheet
