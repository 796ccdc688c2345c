#pragma once
// The wall strip's figure as a list of what to draw (figure_drawing_list.hpp): a
// section through the basement wall with its elevations and its water level, and beside it
// the calculation diagram (a member propped at the top and fixed at the base) under the
// wall's load diagram to scale, with its moment diagram and MBk. Standard C++: the web
// page prints it as SVG; without a wall, the explanatory figure of the three cases.
#include "wallcalc/sheet/calculation_sheet.hpp"
#include "wallcalc/sheet/figure_drawing_list.hpp"

namespace wallcalc::sheet {

// The figure's box in its own units.
inline constexpr double kWallFigureWidth = 410;
inline constexpr double kWallFigureHeight = 352;

// `wall` null: the explanatory figure (the three water levels, the shapes of q1 and q2).
FigureDrawing wallFigure(const SheetFigure* wall);

}  // namespace wallcalc::sheet
