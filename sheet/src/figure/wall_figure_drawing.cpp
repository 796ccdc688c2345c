#include "wallcalc/sheet/wall_figure_drawing.hpp"

#include <QPainter>
#include <algorithm>

#include "figure_drawing.hpp"

namespace wallcalc::sheet {

namespace {

void paintFigure(QPainter& painter, const QRectF& target, const SheetFigure* wall) {
    if (target.isEmpty()) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const qreal scale = std::min(target.width() / kFigureWidth, target.height() / kFigureHeight);
    painter.translate(target.center());
    painter.scale(scale, scale);
    painter.translate(-kFigureWidth / 2, -kFigureHeight / 2);
    figure::paintWallSection(painter, wall);
    figure::paintCalcDiagram(painter, wall);
    painter.restore();
}

}  // namespace

void paintWallFigure(QPainter& painter, const QRectF& target) {
    paintFigure(painter, target, nullptr);
}

void paintWallFigure(QPainter& painter, const QRectF& target, const SheetFigure& wall) {
    paintFigure(painter, target, &wall);
}

}  // namespace wallcalc::sheet
