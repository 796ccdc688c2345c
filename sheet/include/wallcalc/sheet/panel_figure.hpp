#pragma once
// The figure of a wall model with a two-way panel: the panel's elevation (its width × the
// whole height, the slabs, the side supports by their condition) twice side by side, with a
// colour map of the vertical moment Mz on the left and of the horizontal moment Mx on the
// right (characteristic combination, kN·m/m, positive when the inner face is in tension),
// the governing values of each storey marked at their places, and the colour scale.
#include "wallcalc/model/panel_analysis.hpp"
#include "wallcalc/model/wall_model.hpp"
#include "wallcalc/sheet/figure_drawing_list.hpp"

namespace wallcalc::sheet {

// A diverging scale of bands of equal width `step` (kN·m/m): band k holds the moments in
// [k·step, (k+1)·step), so that each band has one sign; its colour runs from white at zero
// to red for the inner face in tension (positive) and to blue for the water face (negative).
struct MomentScale {
    double step = 1;
    int lowestBand = -1, highestBand = 0;

    int band(double M) const;  // clamped to the scale's bands; 0 for |M| < 0.0005
    FigureColour colour(int band) const;
    double lowest() const { return lowestBand * step; }
    double highest() const { return (highestBand + 1) * step; }
};

// A scale whose bands cover [least, most] with a round step, six to about ten bands to the
// larger side.
MomentScale momentScale(double least, double most);

// Which of the two maps.
enum class PanelMap { Vertical, Horizontal };

// Where the panel stands in the figure: both maps to one scale (px per m), the vertical
// map's left edge, the horizontal map's, and the panel's top.
struct PanelFrame {
    double pxPerMetre = 1;
    double top = 0;
    double verticalLeft = 0, horizontalLeft = 0;
    double width_m = 0;
    double height_m = 0;

    double left(PanelMap map) const {
        return map == PanelMap::Vertical ? verticalLeft : horizontalLeft;
    }
    // A place x m from the left side, `depth_m` below the panel's top, on one map.
    FigurePoint at(PanelMap map, double x_m, double depth_m) const {
        return {left(map) + x_m * pxPerMetre, top + depth_m * pxPerMetre};
    }
};

PanelFrame panelFrame(const model::WallModel& model, double width, double height);

// The scale of both maps: every moment of the map's grid and every governing value inside.
MomentScale panelScale(const model::WallModel& model, const model::PanelAnalysis& panel);

// The figure of a model with a panel (model.panel set) from its plate analysis.
FigureDrawing panelFigure(const model::WallModel& model, const model::PanelAnalysis& panel,
                          double width, double height);

}  // namespace wallcalc::sheet
