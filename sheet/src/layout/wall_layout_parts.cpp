#include "wall_layout_parts.hpp"

#include <cmath>
#include <numbers>

namespace wallcalc::sheet::layout {

void line(FigureDrawing& d, FigurePoint from, FigurePoint to, FigureColour colour, double width,
          bool dashed) {
    FigurePath p;
    p.points = {from, to};
    p.stroke = colour;
    p.width = width;
    p.dashed = dashed;
    d.paths.push_back(std::move(p));
}

void polygon(FigureDrawing& d, std::vector<FigurePoint> points, std::optional<FigureColour> fill,
             std::optional<FigureColour> stroke, double width) {
    FigurePath p;
    p.points = std::move(points);
    p.closed = true;
    p.fill = fill;
    p.stroke = stroke;
    p.width = width;
    d.paths.push_back(std::move(p));
}

void circle(FigureDrawing& d, FigurePoint centre, double radius, std::optional<FigureColour> fill,
            std::optional<FigureColour> stroke) {
    // The figure's circles are small marks (the rollers, the points A and B, a few units
    // across): twelve chords keep within 0.1 unit of a radius of 2.5 (1 − cos 15°), and
    // the sheet's PDF holds about as many points as the circle's own curves would take.
    constexpr int kChords = 12;
    std::vector<FigurePoint> points;
    for (int i = 0; i < kChords; ++i) {
        const double a = 2 * std::numbers::pi * i / kChords;
        points.push_back({centre.x + radius * std::cos(a), centre.y + radius * std::sin(a)});
    }
    polygon(d, std::move(points), fill, stroke);
}

void label(FigureDrawing& d, FigurePoint at, std::string text, double size, FigureColour colour,
           Anchor anchor) {
    d.labels.push_back({at, std::move(text), anchor, size, colour, false});
}

void arrow(FigureDrawing& d, FigurePoint from, FigurePoint to, FigureColour colour, double head) {
    line(d, from, to, colour, 1);
    // The head's sides leave the tip 25° either side of the line back to its start.
    const double back = std::atan2(from.y - to.y, from.x - to.x);
    const double spread = 25 * std::numbers::pi / 180;
    const auto side = [&](double turn) {
        return FigurePoint{to.x + head * std::cos(back + turn),
                           to.y + head * std::sin(back + turn)};
    };
    polygon(d, {to, side(-spread), side(spread)}, colour, colour);
}

void hatch(FigureDrawing& d, double x1, double x2, double y, FigureColour colour) {
    for (double x = x1 + 6; x <= x2; x += 6)
        line(d, {x, y}, {x - 5, y + 6}, colour, 0.8);
}

void elevationMark(FigureDrawing& d, FigurePoint tip, std::string name) {
    constexpr double h = 6;
    polygon(d, {tip, {tip.x - h, tip.y - h}, {tip.x + h, tip.y - h}}, std::nullopt, kInk, 0.9);
    line(d, {tip.x - h, tip.y - h}, {tip.x + h + 20, tip.y - h}, kInk, 0.9);
    label(d, {tip.x + h - 2, tip.y - h - 3}, std::move(name), 12, kInk);
}

void waterMark(FigureDrawing& d, double x1, double x2, double y, std::string text) {
    line(d, {x1, y}, {x2, y}, kWater, 1.1);
    // The short rules under the water line, the triangle standing on it, point down.
    const double x = x1 + 14;
    line(d, {x - 5, y + 3}, {x + 5, y + 3}, kWater, 0.8);
    line(d, {x - 3, y + 6}, {x + 3, y + 6}, kWater, 0.8);
    polygon(d, {{x, y}, {x - 5, y - 7}, {x + 5, y - 7}}, kWhite, kWater, 0.8);
    label(d, {x + 8, y - 3}, std::move(text), 12, kWater);
}

}  // namespace wallcalc::sheet::layout
