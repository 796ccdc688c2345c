#include "wallcalc/sheet/wall_figure_layout.hpp"

#include "wall_layout_parts.hpp"

namespace wallcalc::sheet {

FigureDrawing wallFigure(const SheetFigure* wall) {
    FigureDrawing d;
    d.width = kWallFigureWidth;
    d.height = kWallFigureHeight;
    layout::wallSection(d, wall);
    layout::calcDiagram(d, wall);
    return d;
}

}  // namespace wallcalc::sheet
