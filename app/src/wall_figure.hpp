#pragma once
// The explanatory figure in the upper right of the window. The drawing itself lives with
// the calculation sheet, which prints the same figure; this widget shows it on screen.
#include <QWidget>

#include "wallcalc/sheet/wall_figure_drawing.hpp"

namespace wallcalc::app {

using sheet::kFigureHeight;
using sheet::kFigureWidth;
using sheet::paintWallFigure;

class WallFigure final : public QWidget {
    Q_OBJECT

  public:
    explicit WallFigure(QWidget* parent = nullptr);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace wallcalc::app
