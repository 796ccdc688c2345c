#include "wall_figure.hpp"

#include <QPainter>

namespace wallcalc::app {

WallFigure::WallFigure(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize WallFigure::sizeHint() const {
    return QSize(static_cast<int>(kFigureWidth), static_cast<int>(kFigureHeight));
}

void WallFigure::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QPen(QColor(0xa0, 0xa0, 0xa0), 1));
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    paintWallFigure(painter, QRectF(rect()).adjusted(2, 2, -2, -2));
}

}  // namespace wallcalc::app
