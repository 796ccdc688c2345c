#pragma once
// The figure of the wall model on the page: the sheet's drawing of the wall, its slabs and
// water levels with the load and moment diagrams to scale, painted as the sheet paints it.
// It keeps the last figure it was given; a figure of earlier inputs is shown faded.
#include <QWidget>

#include "wallcalc/sheet/figure_drawing_list.hpp"

namespace wallcalc::app {

class ModelFigureView final : public QWidget {
    Q_OBJECT

  public:
    explicit ModelFigureView(QWidget* parent = nullptr);
    void showFigure(sheet::FigureDrawing drawing);
    void clearFigure();
    void setStale(bool stale);
    bool stale() const { return stale_; }
    bool hasFigure() const { return hasFigure_; }
    const sheet::FigureDrawing& drawing() const { return drawing_; }
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    sheet::FigureDrawing drawing_;
    bool hasFigure_ = false;
    bool stale_ = false;
};

}  // namespace wallcalc::app
