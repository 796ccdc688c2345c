#pragma once
// The explanatory figure in the upper right of the window: a section through the
// basement wall with its elevations and the three ground-water cases, and beside it the
// calculation diagram (a propped member fixed at the base under a triangular and a
// uniform load) with its moment diagram. Vector drawing, crisp at any scale; the same
// function will draw it on the printed calculation sheet.
#include <QRectF>
#include <QWidget>

class QPainter;

namespace wallcalc::app {

// The figure's own proportions (width to height); the drawing keeps them and is centred
// in whatever rectangle it is given.
inline constexpr qreal kFigureWidth = 410;
inline constexpr qreal kFigureHeight = 352;

// Draws the figure into `target` (in the painter's coordinates). The painter's state is
// left as it was found; the background is not painted.
void paintWallFigure(QPainter& painter, const QRectF& target);

class WallFigure final : public QWidget {
    Q_OBJECT

  public:
    explicit WallFigure(QWidget* parent = nullptr);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace wallcalc::app
