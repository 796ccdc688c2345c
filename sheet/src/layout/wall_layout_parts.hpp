#pragma once
// The pieces the wall figure is laid out from, in the figure's own units (y downwards):
// the colours of the drawing and the marks that recur (arrows, hatching, elevation and
// water-level marks), each added to a FigureDrawing.
#include <optional>
#include <string>
#include <vector>

#include "wallcalc/sheet/calculation_sheet.hpp"
#include "wallcalc/sheet/figure_drawing_list.hpp"

namespace wallcalc::sheet::layout {

inline constexpr FigureColour kInk{0x20, 0x20, 0x20};
inline constexpr FigureColour kWhite{0xff, 0xff, 0xff};
inline constexpr FigureColour kConcrete{0xcc, 0xcc, 0xcc};
inline constexpr FigureColour kSoil{0xf4, 0xec, 0xdc};
inline constexpr FigureColour kSoilHatch{0x8b, 0x6f, 0x47};
inline constexpr FigureColour kWater{0x15, 0x65, 0xc0};
inline constexpr FigureColour kLoad{0xb7, 0x1c, 0x1c};
inline constexpr FigureColour kLoadFill{0xfb, 0xe4, 0xe4};
inline constexpr FigureColour kMoment{0x1a, 0x4f, 0x8b};
inline constexpr FigureColour kMomentFill{0xdb, 0xe9, 0xf7};

// A line of `width` in `colour`.
void line(FigureDrawing& d, FigurePoint from, FigurePoint to, FigureColour colour, double width,
          bool dashed = false);
// A closed outline: filled (or not) and stroked (or not).
void polygon(FigureDrawing& d, std::vector<FigurePoint> points, std::optional<FigureColour> fill,
             std::optional<FigureColour> stroke, double width = 1);
// A circle as a closed outline of short chords.
void circle(FigureDrawing& d, FigurePoint centre, double radius, std::optional<FigureColour> fill,
            std::optional<FigureColour> stroke);
void label(FigureDrawing& d, FigurePoint at, std::string text, double size, FigureColour colour,
           Anchor anchor = Anchor::Start);
// A line from `from` to `to` with a filled head at `to`.
void arrow(FigureDrawing& d, FigurePoint from, FigurePoint to, FigureColour colour,
           double head = 5);
// Short slanted strokes below (or, with `above`, above) a horizontal line.
void hatch(FigureDrawing& d, double x1, double x2, double y, FigureColour colour);
// An elevation mark: a downward triangle with its tip on the level, a rule and the name.
void elevationMark(FigureDrawing& d, FigurePoint tip, std::string name);
// A water-level mark: the water line, the triangle standing on it and its label.
void waterMark(FigureDrawing& d, double x1, double x2, double y, std::string label);

// The section through the wall (left part) and the calculation diagram (right part).
void wallSection(FigureDrawing& d, const SheetFigure* wall);
void calcDiagram(FigureDrawing& d, const SheetFigure* wall);

}  // namespace wallcalc::sheet::layout
