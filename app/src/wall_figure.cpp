#include "wall_figure.hpp"

#include <QPainter>
#include <algorithm>

#include "figure_drawing.hpp"

namespace wallcalc::app {

void paintWallFigure(QPainter& painter, const QRectF& target) {
    if (target.isEmpty()) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const qreal scale = std::min(target.width() / kFigureWidth, target.height() / kFigureHeight);
    painter.translate(target.center());
    painter.scale(scale, scale);
    painter.translate(-kFigureWidth / 2, -kFigureHeight / 2);
    figure::paintWallSection(painter);
    figure::paintCalcDiagram(painter);
    painter.restore();
}

WallFigure::WallFigure(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("WallFigure"));
    setAccessibleName(QStringLiteral("外墙剖面与计算简图"));
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
