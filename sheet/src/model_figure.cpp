// The wall model's figure: elevations to scale, the wall's thicknesses to the same scale,
// the characteristic load on the earth side and the characteristic moment diagram.
#include "wallcalc/sheet/model_figure.hpp"

#include "wallcalc/sheet/panel_figure.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace wallcalc::sheet {
namespace {

using namespace wallcalc::model;

constexpr FigureColour kInk{0x21, 0x21, 0x21};
constexpr FigureColour kWallFill{0xbd, 0xbd, 0xbd};
constexpr FigureColour kEarth{0x6d, 0x4c, 0x41};
constexpr FigureColour kWater{0x15, 0x65, 0xc0};
constexpr FigureColour kLoadFill{0xd6, 0xe4, 0xf0};
constexpr FigureColour kLoadInk{0x1f, 0x4e, 0x79};
constexpr FigureColour kMomentFill{0xf6, 0xd5, 0xcc};
constexpr FigureColour kMomentInk{0xb2, 0x3b, 0x1e};

constexpr double kText = 11;      // label size
constexpr double kTopRoom = 40;   // captions
constexpr double kFootRoom = 20;  // under the base slab
constexpr double kLabelColumn = 58;
constexpr int kSamplesPerSpan = 48;

std::string fixed(double v, const char* format = "%.3f") {
    char text[32];
    std::snprintf(text, sizeof text, format, std::fabs(v) < 0.0005 ? 0.0 : v);
    return text;
}

class Layout {
  public:
    Layout(const WallModel& m, const WallAnalysis& a, double width, double height)
        : m_(m), a_(a), width_(width), height_(height) {
        top_ = std::max(m.slabs[0], m.ground);
        const double range = top_ - m.slabs.back();
        scale_ = (height - kTopRoom - kFootRoom) / range;
        earthFace_ = 0.44 * width;
        momentLeft_ = 0.60 * width;
    }

    FigureDrawing draw() {
        d_.width = width_;
        d_.height = height_;
        captions();
        loadDiagram();
        wall();
        groundAndWater();
        elevations();
        loadValues();
        // A two-way panel's moments vary across its width: the strip's diagram would not be
        // the wall's, and the plate's governing moments stand in the calculation.
        if (!m_.panel) momentDiagram();
        return std::move(d_);
    }

  private:
    double y(double elevation) const { return kTopRoom + (top_ - elevation) * scale_; }
    double yDepth(double x) const { return y(m_.slabs[0] - x); }
    double innerFace(std::size_t storey) const {
        return earthFace_ + m_.storeys[storey].thickness / 1000 * scale_;
    }

    void path(std::vector<FigurePoint> points, std::optional<FigureColour> fill,
              std::optional<FigureColour> stroke, double width = 1, bool closed = false,
              bool dashed = false) {
        d_.paths.push_back({std::move(points), closed, fill, stroke, width, dashed});
    }
    void label(double x, double yy, std::string text, Anchor anchor, FigureColour colour = kInk,
               double size = kText) {
        d_.labels.push_back({{x, yy}, std::move(text), anchor, size, colour, false});
    }

    void captions() {
        label((kLabelColumn + earthFace_) / 2, 16, "荷载标准值pk(kN/m)", Anchor::Middle, kLoadInk);
        if (m_.panel) {
            label((momentLeft_ + width_) / 2, 16, "双向板：弯矩见计算书", Anchor::Middle,
                  kMomentInk);
            label((momentLeft_ + width_) / 2, 30, "“二、内力（双向板）”", Anchor::Middle,
                  kMomentInk, 10);
            return;
        }
        label((momentLeft_ + width_) / 2, 16, "弯矩标准值M(kN·m/m)", Anchor::Middle, kMomentInk);
        label((momentLeft_ + width_) / 2, 30, "背水面受拉为正", Anchor::Middle, kMomentInk, 10);
    }

    void wall() {
        const std::size_t n = m_.storeyCount();
        for (std::size_t i = 0; i < n; ++i) {
            const double y0 = y(m_.slabs[i]), y1 = y(m_.slabs[i + 1]);
            const double inner = innerFace(i);
            path({{earthFace_, y0}, {inner, y0}, {inner, y1}, {earthFace_, y1}}, kWallFill, kInk, 1,
                 true);
            label(inner + 6, (y0 + y1) / 2 + 4, "h=" + fixed(m_.storeys[i].thickness, "%.0f"),
                  Anchor::Start, kInk, 10);
        }
        // The slabs on the inner side (none at a free top), the base slab under the wall.
        for (std::size_t j = 0; j + 1 <= n; ++j) {
            if (j == 0 && m_.top == "free") continue;
            const double yy = y(m_.slabs[j]);
            const double inner = innerFace(j);
            path({{inner, yy}, {inner + 34, yy}, {inner + 34, yy + 5}, {inner, yy + 5}}, kInk, kInk,
                 1, true);
        }
        const double yb = y(m_.slabs.back());
        const double inner = innerFace(n - 1);
        path({{earthFace_ - 10, yb},
              {inner + 40, yb},
              {inner + 40, yb + 8},
              {earthFace_ - 10, yb + 8}},
             kInk, kInk, 1, true);
    }

    void groundAndWater() {
        const double yg = y(m_.ground);
        path({{kLabelColumn, yg}, {earthFace_, yg}}, std::nullopt, kEarth, 1.5);
        for (double x = kLabelColumn + 4; x < earthFace_ - 2; x += 9)
            path({{x, yg}, {x - 5, yg + 5}}, std::nullopt, kEarth, 0.8);
        label(kLabelColumn + 2, yg - 4, "室外地面 " + fixed(m_.ground), Anchor::Start, kEarth, 10);
        const ModelLoads& l = a_.loads;
        waterLine(l.water, "设计水位", false, 0);
        if (l.waterQuasi.elevation != l.water.elevation) {
            const double gap = std::fabs(y(l.waterQuasi.elevation) - y(l.water.elevation));
            waterLine(l.waterQuasi, "准永久水位", true, gap < 14 ? 90 : 0);
        }
    }

    void waterLine(const WaterLevel& w, const char* name, bool dashed, double shift) {
        if (w.elevation < m_.slabs.back()) return;  // below the base: not on the figure
        const double yw = y(w.elevation);
        path({{kLabelColumn, yw}, {earthFace_, yw}}, std::nullopt, kWater, 1.2, false, dashed);
        const double x = kLabelColumn + 10 + shift;
        path({{x - 5, yw - 8}, {x + 5, yw - 8}, {x, yw}}, std::nullopt, kWater, 1, true);
        label(x + 9, yw - 3, std::string(name) + " " + fixed(w.elevation), Anchor::Start, kWater,
              10);
    }

    void elevations() {
        for (std::size_t j = 0; j < m_.slabs.size(); ++j) {
            const double yy = y(m_.slabs[j]);
            label(kLabelColumn - 4, yy + 4, fixed(m_.slabs[j]), Anchor::End);
            path({{kLabelColumn - 2, yy}, {kLabelColumn + 4, yy}}, std::nullopt, kInk, 0.8);
        }
    }

    void loadDiagram() {
        const PiecewiseLoad& load = a_[Combination::Characteristic].load();
        double largest = 0;
        for (const LoadPiece& p : load.pieces())
            largest = std::max({largest, p.p0, p.p1});
        if (!(largest > 0)) return;
        const double k = (earthFace_ - kLabelColumn - 12) / largest;
        std::vector<FigurePoint> outline;
        const auto pieces = load.pieces();
        outline.push_back({earthFace_, yDepth(pieces.front().x0)});
        for (const LoadPiece& p : pieces) {
            outline.push_back({earthFace_ - p.p0 * k, yDepth(p.x0)});
            outline.push_back({earthFace_ - p.p1 * k, yDepth(p.x1)});
        }
        outline.push_back({earthFace_, yDepth(pieces.back().x1)});
        path(outline, kLoadFill, kLoadInk, 1, true);
        loadScale_ = k;
    }

    // Whether a label of `size` over [x0, x1] with its baseline at yy leaves every label
    // already placed clear.
    bool clear(double x0, double x1, double yy, double size) const {
        for (const FigureLabel& l : d_.labels) {
            const double w = labelWidth(l.text, l.size);
            const double left = l.anchor == Anchor::Start    ? l.at.x
                                : l.anchor == Anchor::Middle ? l.at.x - w / 2
                                                             : l.at.x - w;
            const bool apart =
                x1 <= left || x0 >= left + w || yy <= l.at.y - l.size || yy - size >= l.at.y;
            if (!apart) return false;
        }
        return true;
    }

    // The value at the end of each piece, where there is room for it: outside the diagram's
    // edge, or inside it where a water level's or an elevation's label stands outside.
    void loadValues() {
        if (!(loadScale_ > 0)) return;
        constexpr double kSize = 10;
        double lastLabel = -1e9;
        for (const LoadPiece& p : a_[Combination::Characteristic].load().pieces()) {
            const double yy = yDepth(p.x1);
            if (p.p1 <= 0 || yy - lastLabel < kText + 1) continue;
            const std::string text = fixed(p.p1, "%.1f");
            const double edge = earthFace_ - p.p1 * loadScale_, w = labelWidth(text, kSize);
            if (clear(edge - 3 - w, edge - 3, yy - 2, kSize) && edge - 3 - w >= kLabelColumn) {
                label(edge - 3, yy - 2, text, Anchor::End, kLoadInk, kSize);
            } else if (edge + 3 + w <= earthFace_ - 2 &&
                       clear(edge + 3, edge + 3 + w, yy - 2, kSize)) {
                label(edge + 3, yy - 2, text, Anchor::Start, kLoadInk, kSize);
            } else {
                continue;
            }
            lastLabel = yy;
        }
    }

    void momentDiagram() {
        const MemberAnalysis& a = a_[Combination::Characteristic];
        std::vector<FigurePoint> samples;  // (moment, y)
        double most = 0, least = 0;
        for (std::size_t i = 0; i < a.spanCount(); ++i) {
            const double L = a.member().length(i);
            for (int k = 0; k <= kSamplesPerSpan; ++k) {
                const double t = L * k / kSamplesPerSpan;
                const double M = a.momentIn(i, t);
                samples.push_back({M, yDepth(a.member().depth[i] + t)});
                most = std::max(most, M);
                least = std::min(least, M);
            }
        }
        const double right = width_ - 8;
        const double span = most - least;
        if (!(span > 0)) return;
        const double room = right - momentLeft_ - 90;  // values' labels either side
        const double k = room / span;
        const double axis = momentLeft_ + 45 - least * k;
        std::vector<FigurePoint> outline = {{axis, samples.front().y}};
        for (const FigurePoint& s : samples)
            outline.push_back({axis + s.x * k, s.y});
        outline.push_back({axis, samples.back().y});
        path(outline, kMomentFill, kMomentInk, 1, true);
        path({{axis, y(m_.slabs[0])}, {axis, y(m_.slabs.back())}}, std::nullopt, kInk, 1);
        momentLabels(a, axis, k);
    }

    void momentLabels(const MemberAnalysis& a, double axis, double k) {
        const std::size_t n = a.spanCount();
        for (std::size_t j = 0; j <= n; ++j) {
            const double M = j < n ? a.span(j).momentTop : a.span(n - 1).momentBottom;
            if (std::fabs(M) < 0.0005) continue;
            const double yy = y(m_.slabs[j]);
            const double x = axis + M * k;
            label(M < 0 ? x - 3 : x + 3, yy + (j == n ? -3 : 12), fixed(M),
                  M < 0 ? Anchor::End : Anchor::Start, kMomentInk, 10);
        }
        for (std::size_t i = 0; i < n; ++i) {
            const auto& s = a.span(i).spanMoment;
            if (!s) continue;
            const double yy = yDepth(a.member().depth[i] + s->depth);
            const double x = axis + s->moment * k;
            path({{x - 2.5, yy - 2.5},
                  {x + 2.5, yy - 2.5},
                  {x + 2.5, yy + 2.5},
                  {x - 2.5, yy + 2.5}},
                 kMomentInk, std::nullopt, 1, true);
            label(x + 5, yy + 4, fixed(s->moment), Anchor::Start, kMomentInk, 10);
        }
    }

    const WallModel& m_;
    const WallAnalysis& a_;
    double width_, height_;
    double top_ = 0, scale_ = 1, earthFace_ = 0, momentLeft_ = 0;
    double loadScale_ = 0;  // figure units per kN/m of load
    FigureDrawing d_;
};

}  // namespace

FigureDrawing modelFigure(const WallModel& model, const WallAnalysis& analysis, double width,
                          double height) {
    return Layout(model, analysis, width, height).draw();
}

FigureDrawing modelFigure(const WallModel& model, const ModelPress& press, double width,
                          double height) {
    if (model.panel && press.panel) return panelFigure(model, *press.panel, width, height);
    if (!press.analysis) return {width, height, {}, {}};  // nothing computed: an empty box
    return modelFigure(model, *press.analysis, width, height);
}

}  // namespace wallcalc::sheet
