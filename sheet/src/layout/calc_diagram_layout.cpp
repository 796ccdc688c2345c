// "计算简图": the wall as a member propped at the roof slab and fixed at the base slab,
// under a triangular load q1 and a uniform load q2 (or one wall's load diagram with its
// values), and its moment diagram "M图" with the span point A and the base point B.
#include <algorithm>
#include <cmath>

#include "wall_layout_parts.hpp"

namespace wallcalc::sheet::layout {
namespace {

constexpr double kTop = 72;        // the prop (roof slab)
constexpr double kBase = 290;      // the fixed base B
constexpr double kMember = 318;    // axis of the loaded member
constexpr double kAxisM = 372;     // axis of the moment diagram
constexpr double kQ2 = 12;         // width of the uniform load
constexpr double kQ1 = 44;         // width of the triangular load at the base
constexpr double kLoadWidth = 58;  // width of the largest load of one wall's diagram

void supports(FigureDrawing& d) {
    // Roller at the top: a triangle from the member end, two rollers and the surface.
    polygon(d, {{kMember, kTop}, {kMember + 11, kTop - 7}, {kMember + 11, kTop + 7}}, kWhite, kInk);
    circle(d, {kMember + 14, kTop - 4}, 2.5, kWhite, kInk);
    circle(d, {kMember + 14, kTop + 4}, 2.5, kWhite, kInk);
    line(d, {kMember + 17, kTop - 11}, {kMember + 17, kTop + 11}, kInk, 1);
    for (double y = kTop - 9; y <= kTop + 11; y += 5)
        line(d, {kMember + 17, y}, {kMember + 22, y - 4}, kInk, 0.8);
    // Fixed at the base.
    line(d, {kMember - 14, kBase}, {kMember + 14, kBase}, kInk, 1.8);
    hatch(d, kMember - 14, kMember + 14, kBase, kInk);
    // The member.
    line(d, {kMember, kTop}, {kMember, kBase}, kInk, 2.2);
}

void loadShapes(FigureDrawing& d) {
    const double inner = kMember - kQ2;  // where the uniform part meets the triangle
    const std::vector<FigurePoint> outline{
        {kMember, kTop}, {inner, kTop}, {inner - kQ1, kBase}, {kMember, kBase}};
    polygon(d, outline, kLoadFill, std::nullopt);
    FigurePath edge;
    edge.points = outline;
    edge.stroke = kLoad;
    d.paths.push_back(edge);
    line(d, {inner, kTop}, {inner, kBase}, kLoad, 0.8, true);
    for (double y = kTop + 18; y < kBase - 4; y += 24) {
        const double outer = inner - kQ1 * (y - kTop) / (kBase - kTop);
        arrow(d, {outer, y}, {kMember - 2, y}, kLoad, 4);
    }
    label(d, {inner - 2, kTop - 6}, "q2", 12, kLoad, Anchor::Middle);
    label(d, {inner - kQ1 - 3, kBase + 13}, "q1", 12, kLoad, Anchor::End);
}

// Where the outer edge of a load diagram, a line through points from the top down, is at
// the height y.
double edgeAt(const std::vector<FigurePoint>& edge, double y) {
    for (std::size_t i = 1; i < edge.size(); ++i) {
        if (y > edge[i].y && i + 1 < edge.size()) continue;
        const FigurePoint from = edge[i - 1], to = edge[i];
        const double t = to.y > from.y ? (y - from.y) / (to.y - from.y) : 0;
        return from.x + t * (to.x - from.x);
    }
    return edge.front().x;
}

// One wall's load diagram to scale: the largest value spans kLoadWidth, the polygon
// bends at the water level in case B, and each value stands beside its edge.
void loadDiagram(FigureDrawing& d, const SheetFigure& wall) {
    const double largest =
        std::max({std::abs(wall.top), std::abs(wall.water), std::abs(wall.base)});
    const double scale = largest > 0 ? kLoadWidth / largest : 0;
    const bool bends = wall.loadCase == 1 && wall.L > 0;
    const double waterY =
        bends ? kTop + std::clamp(wall.a / wall.L, 0.0, 1.0) * (kBase - kTop) : kTop;
    std::vector<FigurePoint> edge{{kMember - scale * wall.top, kTop}};
    if (bends) edge.push_back({kMember - scale * wall.water, waterY});
    edge.push_back({kMember - scale * wall.base, kBase});
    std::vector<FigurePoint> area = edge;
    area.push_back({kMember, kBase});
    area.push_back({kMember, kTop});
    polygon(d, area, kLoadFill, kLoad);
    for (double y = kTop + 18; y < kBase - 4; y += 24) {
        const double x = edgeAt(edge, y);
        if (kMember - x > 6) arrow(d, {x, y}, {kMember - 2, y}, kLoad, 4);
    }
    label(d, {std::min(edge.front().x, kMember) - 3, kTop - 4}, wall.topText, 11, kLoad,
          Anchor::End);
    if (bends) {
        line(d, {edge[1].x - 4, waterY}, {kMember, waterY}, kWater, 0.8, true);
        label(d, {std::min(edge[1].x, kMember) - 4, waterY + 4}, wall.waterText, 11, kLoad,
              Anchor::End);
    }
    // Under the base, between the edge and the member: left of it stands the section.
    label(d, {(edge.back().x + kMember) / 2 - 4, kBase + 13}, wall.baseText, 11, kLoad,
          Anchor::Middle);
}

// The shape of the moments of a member propped at the top and fixed at the base, for a
// uniform load (weight 0.3) and a load rising linearly to the base (weight 1), per unit
// span: positive in the span, negative at the base. Only the shape is drawn.
double momentShape(double t) {
    const double uniform = 3 * t / 8 - t * t / 2;
    const double triangular = t / 10 - t * t * t / 6;
    return 0.3 * uniform + triangular;
}

void momentDiagram(FigureDrawing& d, const SheetFigure* wall) {
    const double scale = 30 / std::abs(momentShape(1));  // the base moment 30 units wide
    std::vector<FigurePoint> curve{{kAxisM, kTop}};
    FigurePoint spanPoint{kAxisM, kTop};
    constexpr int kSteps = 48;
    for (int i = 1; i <= kSteps; ++i) {
        const double t = static_cast<double>(i) / kSteps;
        // Each moment is drawn on the side of the face it stretches: the span on the
        // basement side (right), the base on the water side (left).
        const FigurePoint point{kAxisM + scale * momentShape(t), kTop + t * (kBase - kTop)};
        curve.push_back(point);
        if (point.x > spanPoint.x) spanPoint = point;
    }
    const FigurePoint basePoint = curve.back();
    std::vector<FigurePoint> area = curve;
    area.push_back({kAxisM, kBase});
    polygon(d, area, kMomentFill, std::nullopt);
    for (double y = kTop + 8; y < kBase; y += 8) {
        const double t = (y - kTop) / (kBase - kTop);
        line(d, {kAxisM, y}, {kAxisM + scale * momentShape(t), y}, kMoment, 0.6);
    }
    line(d, {kAxisM, kTop - 4}, {kAxisM, kBase + 4}, kInk, 1);
    FigurePath drawn;
    drawn.points = curve;
    drawn.stroke = kMoment;
    drawn.width = 1.4;
    d.paths.push_back(drawn);
    line(d, basePoint, {kAxisM, kBase}, kMoment, 1.4);

    circle(d, spanPoint, 2, kInk, kInk);
    circle(d, basePoint, 2, kInk, kInk);
    label(d, {spanPoint.x + 5, spanPoint.y + 4}, "A", 12, kInk);
    label(d, {basePoint.x, basePoint.y + 15}, "B", 12, kInk, Anchor::Middle);
    label(d, {kAxisM, kBase + 30}, "M图", 12, kInk, Anchor::Middle);
    if (wall != nullptr && !wall->MBk.empty())
        label(d, {kAxisM - 4, kBase + 46}, "MBk=" + wall->MBk, 11, kInk, Anchor::Middle);
}

}  // namespace

void calcDiagram(FigureDrawing& d, const SheetFigure* wall) {
    label(d, {334, 30}, "计算简图", 12, kInk, Anchor::Middle);
    if (wall != nullptr) label(d, {334, 46}, "荷载标准值(kN/m)", 10, kInk, Anchor::Middle);
    if (wall == nullptr) {
        loadShapes(d);
    } else if (wall->loadCase >= 0) {
        loadDiagram(d, *wall);
    }
    supports(d);
    momentDiagram(d, wall);
}

}  // namespace wallcalc::sheet::layout
