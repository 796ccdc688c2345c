#pragma once
// The figure of a wall model drawn to scale from its results: the wall with its storeys'
// thicknesses and its slabs, the ground, the two water levels, the characteristic load on
// the earth side and, beside it, the characteristic moment diagram with the support and
// the largest span moments; elevations at the left.
#include "wallcalc/model/model_press.hpp"
#include "wallcalc/model/wall_analysis.hpp"
#include "wallcalc/sheet/figure_drawing_list.hpp"

namespace wallcalc::sheet {

// The figure's box in its own units (pixels of a 96-dpi screen).
inline constexpr double kModelFigureWidth = 640;
inline constexpr double kModelFigureHeight = 520;

FigureDrawing modelFigure(const model::WallModel& model, const model::WallAnalysis& analysis,
                          double width = kModelFigureWidth, double height = kModelFigureHeight);

// The figure of a press with its analysis: a model with a two-way panel as the panel's
// colour maps of its moments (panel_figure.hpp), any other as above. A panel's model whose
// plate results are not in the press gets the figure above, which then refers the moments
// to the calculation. A press that computed nothing gives an empty box.
FigureDrawing modelFigure(const model::WallModel& model, const model::ModelPress& press,
                          double width = kModelFigureWidth, double height = kModelFigureHeight);

}  // namespace wallcalc::sheet
