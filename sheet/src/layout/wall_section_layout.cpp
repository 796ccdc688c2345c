// The section through the basement wall: soil and ground surface on the water side, the
// roof slab and base slab, the wall with its thickness, the elevations h1, h3, h4 and the
// ground-water level h2: of the three cases, or of one wall with its values.
#include <algorithm>
#include <cmath>

#include "wall_layout_parts.hpp"
#include "wallcalc/engine/number_input.hpp"

namespace wallcalc::sheet::layout {
namespace {

// Levels and faces of the section, in figure units.
constexpr double kGround = 50;    // h1, ground surface
constexpr double kRoofTop = 110;  // h3, top of the roof slab (top of the wall)
constexpr double kRoofBottom = 126;
constexpr double kBaseTop = 290;  // h4, top of the base slab (base B)
constexpr double kBaseBottom = 310;
constexpr double kOuterFace = 100;  // the water face
constexpr double kInnerFace = 122;  // the basement side
constexpr double kToe = 76;         // outer end of the base slab
constexpr double kLeft = 8;
constexpr double kRight = 224;  // clear of the values of the load diagram
constexpr double kBottom = 344;
// The water levels of the explanatory figure, one for each case.
constexpr double kWaterA = 84;
constexpr double kWaterB = 196;
constexpr double kWaterC = 334;

void soilAndConcrete(FigureDrawing& d) {
    polygon(d, {{kLeft, kGround}, {kRight, kGround}, {kRight, kBottom}, {kLeft, kBottom}}, kSoil,
            std::nullopt);
    polygon(d,
            {{kInnerFace, kRoofBottom},
             {kRight, kRoofBottom},
             {kRight, kBaseTop},
             {kInnerFace, kBaseTop}},
            kWhite, std::nullopt);
    polygon(d,
            {{kOuterFace, kRoofTop},
             {kRight, kRoofTop},
             {kRight, kRoofBottom},
             {kInnerFace, kRoofBottom},
             {kInnerFace, kBaseTop},
             {kRight, kBaseTop},
             {kRight, kBaseBottom},
             {kToe, kBaseBottom},
             {kToe, kBaseTop},
             {kOuterFace, kBaseTop}},
            kConcrete, kInk, 1.2);
    // The ground surface over the whole width, soil hatched below it.
    line(d, {kLeft, kGround}, {kRight, kGround}, kSoilHatch, 1.6);
    hatch(d, kLeft, kRight, kGround, kSoilHatch);
}

// "h1" alone in the explanatory figure, "h1=-0.45" in the figure of one wall.
std::string named(const char* name, const SheetFigure* wall, const std::string& value) {
    return wall != nullptr ? std::string(name) + "=" + value : std::string(name);
}

// Where the water level of a wall stands in the drawing: within the height between the
// levels its case puts it between, kept clear of them so that the marks do not collide.
double waterLevel(const SheetFigure& wall) {
    const auto within = [](double upper, double lower, double share) {
        return upper + std::clamp(share, 0.2, 0.8) * (lower - upper);
    };
    if (wall.loadCase == 1) return within(kRoofTop, kBaseTop, wall.L > 0 ? wall.a / wall.L : 0.5);
    if (wall.loadCase == 2) return kWaterC;
    const auto h1 = toNumber(wall.h1), h2 = toNumber(wall.h2), h3 = toNumber(wall.h3);
    const double share = h1 && h2 && h3 && *h1 > *h3 ? (*h1 - *h2) / (*h1 - *h3) : 0.5;
    return within(kGround, kRoofTop, share);
}

void waterLevels(FigureDrawing& d, const SheetFigure* wall) {
    if (wall == nullptr) {
        // Ground water: A above the roof slab, B within the wall height, C below the base.
        waterMark(d, kLeft + 4, kOuterFace - 4, kWaterA, "h2 情况A");
        waterMark(d, kLeft + 4, kOuterFace - 4, kWaterB, "h2 情况B");
        waterMark(d, kLeft + 4, kOuterFace - 4, kWaterC, "h2 情况C");
        return;
    }
    if (wall->loadCase < 0) return;
    waterMark(d, kLeft + 4, kOuterFace - 4, waterLevel(*wall), named("h2", wall, wall->h2));
}

void marks(FigureDrawing& d, const SheetFigure* wall) {
    // The values need the room of the figure's middle; the names alone stand further right.
    const double markX = wall != nullptr ? 170 : 196;
    const std::string none;
    elevationMark(d, {markX, kGround}, named("h1", wall, wall ? wall->h1 : none));
    elevationMark(d, {markX, kRoofTop}, named("h3", wall, wall ? wall->h3 : none));
    elevationMark(d, {markX, kBaseTop}, named("h4", wall, wall ? wall->h4 : none));
    waterLevels(d, wall);

    // The wall thickness h5 across the wall, moved below a water level that would meet it.
    double dimY = 150;
    if (wall != nullptr && wall->loadCase == 1 && std::abs(waterLevel(*wall) - dimY) < 16)
        dimY = waterLevel(*wall) + 24;
    line(d, {kOuterFace - 10, dimY}, {kInnerFace + 10, dimY}, kInk, 0.9);
    for (const double x : {kOuterFace, kInnerFace})
        line(d, {x - 3, dimY + 3}, {x + 3, dimY - 3}, kInk, 0.9);
    label(d, {kInnerFace + 4, dimY - 4}, named("h5", wall, wall ? wall->h5 : none), 12, kInk);

    // The two sides of the wall: the water face's name and arrow moved above a water level
    // whose mark and value would meet them.
    double sideY = 252;
    if (wall != nullptr && wall->loadCase == 1 && std::abs(waterLevel(*wall) - sideY) < 26)
        sideY = waterLevel(*wall) - 30;
    label(d, {kOuterFace - 6, sideY}, "迎水面", 12, kInk, Anchor::End);
    arrow(d, {kOuterFace - 16, sideY + 6}, {kOuterFace - 1, sideY + 6}, kInk, 4);
    label(d, {(kInnerFace + kRight) / 2 + 4, 214}, "地库内部", 12, kInk, Anchor::Middle);
}

}  // namespace

void wallSection(FigureDrawing& d, const SheetFigure* wall) {
    soilAndConcrete(d);
    marks(d, wall);
}

}  // namespace wallcalc::sheet::layout
