#include "model_figure_view.hpp"

#include <QPainter>

#include "wallcalc/sheet/figure_painting.hpp"
#include "wallcalc/sheet/model_figure.hpp"

namespace wallcalc::app {

ModelFigureView::ModelFigureView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ModelFigure"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(240, 200);
}

QSize ModelFigureView::sizeHint() const {
    return QSize(static_cast<int>(sheet::kModelFigureWidth),
                 static_cast<int>(sheet::kModelFigureHeight));
}

void ModelFigureView::showFigure(sheet::FigureDrawing drawing) {
    drawing_ = std::move(drawing);
    hasFigure_ = true;
    stale_ = false;
    update();
}

void ModelFigureView::clearFigure() {
    drawing_ = {};
    hasFigure_ = false;
    update();
}

void ModelFigureView::setStale(bool stale) {
    if (stale_ == stale) return;
    stale_ = stale;
    update();
}

void ModelFigureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QPen(QColor(0xa0, 0xa0, 0xa0), 1));
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    if (!hasFigure_) return;
    // A figure of earlier inputs stays readable, plainly not the current one.
    if (stale_) painter.setOpacity(0.3);
    sheet::paintFigure(painter, QRectF(rect()).adjusted(4, 4, -4, -4), drawing_);
}

}  // namespace wallcalc::app
