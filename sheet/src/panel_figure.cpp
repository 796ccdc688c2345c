// The two-way panel's figure: the elevation twice, coloured by the vertical and by the
// horizontal moment of the characteristic combination, the supports by their condition,
// the governing values at their places, and the colour scale under both.
#include "wallcalc/sheet/panel_figure.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "wallcalc/model/names.hpp"

namespace wallcalc::sheet {
namespace {

using model::PanelAnalysis;
using model::WallModel;
using plate::PanelMoment;
using plate::PlateMoments;

constexpr FigureColour kInk{0x21, 0x21, 0x21};
constexpr FigureColour kWhite{0xff, 0xff, 0xff};
// The ends of the diverging scale: inner face in tension red, water face blue.
constexpr FigureColour kInnerTension{0xb2, 0x18, 0x2b};
constexpr FigureColour kWaterTension{0x21, 0x66, 0xac};

constexpr double kTopRoom = 50;      // two lines of captions and the top support's mark
constexpr double kLegendRoom = 62;   // the base's mark, the scale, its ticks and caption
constexpr double kLabelColumn = 52;  // elevations
constexpr double kMapGap = 60;       // between the maps: both side supports' marks
constexpr double kRightRoom = 14;
constexpr double kMark = 7;  // how far a support's mark stands out of the edge
constexpr int kMapColumns = 60;
constexpr double kSeam =
    0.5;  // the overlap of neighbouring cells  // grid points across the width, less one

std::string fixed(double v, const char* format = "%.3f") {
    char text[32];
    std::snprintf(text, sizeof text, format, std::fabs(v) < 0.0005 ? 0.0 : v);
    return text;
}

FigureColour mixed(FigureColour from, FigureColour to, double t) {
    const auto channel = [t](std::uint8_t a, std::uint8_t b) {
        return static_cast<std::uint8_t>(std::lround(a + (b - a) * t));
    };
    return {channel(from.r, to.r), channel(from.g, to.g), channel(from.b, to.b)};
}

// A round step (1, 2, 2.5 or 5 × 10ᵏ) no smaller than `raw`.
double roundStep(double raw) {
    const double decade = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double m : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        if (m * decade >= raw * (1 - 1e-12)) return m * decade;
    }
    return 10 * decade;
}

double wholeHeight(const WallModel& m) {
    return m.slabs.front() - m.slabs.back();
}

// The grid of the colour maps: cells about square, the same rows in every storey.
plate::MomentMap mapOf(const WallModel& m, const plate::PlateField& field) {
    double tallest = 0;
    for (std::size_t i = 0; i + 1 < m.slabs.size(); ++i)
        tallest = std::max(tallest, m.slabs[i] - m.slabs[i + 1]);
    const int rows =
        std::clamp(static_cast<int>(std::lround(tallest / m.panel->width * kMapColumns)), 8, 120);
    plate::MomentMap map = plate::momentMap(field, kMapColumns, rows);
    // An outer edge that is not fixed carries no bending moment across it: there the map
    // shows the zero the edge's condition holds, as the governing values do, rather than
    // the small remainder the elements' recovered moments leave.
    const auto heldFree = [](const std::string& condition) { return condition != "fixed"; };
    auto& first = map.storeys.front().moments.front();
    auto& last = map.storeys.back().moments.back();
    if (heldFree(m.top))
        for (PlateMoments& p : first)
            p.vertical_kNm_per_m = 0;
    if (heldFree(m.base))
        for (PlateMoments& p : last)
            p.vertical_kNm_per_m = 0;
    for (plate::StoreyMomentMap& s : map.storeys) {
        for (auto& row : s.moments) {
            if (heldFree(m.panel->left)) row.front().horizontal_kNm_per_m = 0;
            if (heldFree(m.panel->right)) row.back().horizontal_kNm_per_m = 0;
        }
    }
    return map;
}

double valueOn(PanelMap map, const PlateMoments& p) {
    return map == PanelMap::Vertical ? p.vertical_kNm_per_m : p.horizontal_kNm_per_m;
}

// A governing value and which edge or the span it belongs to.
enum class Place { Top, Bottom, Left, Right, Span };
struct Governing {
    PanelMap map;
    int storey;
    Place place;
    PanelMoment moment;
};

std::vector<Governing> governingOf(const plate::PanelResult& r) {
    std::vector<Governing> out;
    const auto add = [&out](PanelMap map, int storey, Place place,
                            const std::optional<PanelMoment>& m) {
        if (m) out.push_back({map, storey, place, *m});
    };
    for (std::size_t i = 0; i < r.storeys.size(); ++i) {
        const int s = static_cast<int>(i);
        const plate::StoreyResult& st = r.storeys[i];
        add(PanelMap::Vertical, s, Place::Top, st.vertical.top);
        add(PanelMap::Vertical, s, Place::Span, st.vertical.span);
        add(PanelMap::Vertical, s, Place::Bottom, st.vertical.bottom);
        add(PanelMap::Horizontal, s, Place::Left, st.horizontal.left);
        add(PanelMap::Horizontal, s, Place::Span, st.horizontal.span);
        add(PanelMap::Horizontal, s, Place::Right, st.horizontal.right);
    }
    return out;
}

MomentScale scaleOf(const plate::MomentMap& map, const plate::PanelResult& r) {
    double least = 0, most = 0;
    for (const plate::StoreyMomentMap& s : map.storeys) {
        for (const auto& row : s.moments) {
            for (const PlateMoments& p : row) {
                least = std::min({least, p.vertical_kNm_per_m, p.horizontal_kNm_per_m});
                most = std::max({most, p.vertical_kNm_per_m, p.horizontal_kNm_per_m});
            }
        }
    }
    for (const Governing& g : governingOf(r)) {
        least = std::min(least, g.moment.M_kNm_per_m);
        most = std::max(most, g.moment.M_kNm_per_m);
    }
    return momentScale(least, most);
}

std::string conditionName(const std::string& edge) {
    const auto at = model::positionOf(model::edgeSupportNames(), edge);
    return at ? std::string(model::edgeSupportLabels()[*at]) : edge;
}

class PanelLayout {
  public:
    PanelLayout(const WallModel& m, const PanelAnalysis& a, double width, double height)
        : m_(m),
          result_(a.characteristic()),
          frame_(panelFrame(m, width, height)),
          map_(mapOf(m, result_.field)),
          scale_(scaleOf(map_, result_)) {
        d_.width = width;
        d_.height = height;
    }

    FigureDrawing draw() {
        for (const PanelMap map : {PanelMap::Vertical, PanelMap::Horizontal}) {
            colourMap(map);
            supports(map);
            captions(map);
        }
        elevations();
        legend();
        for (const Governing& g : governingOf(result_))
            mark(g);
        return std::move(d_);
    }

  private:
    double depthOfStorey(int storey) const { return result_.field.storeyTop_m(storey); }
    double mapRight(PanelMap map) const {
        return frame_.left(map) + frame_.width_m * frame_.pxPerMetre;
    }
    double mapBottom() const { return frame_.top + frame_.height_m * frame_.pxPerMetre; }

    void rectangle(double x0, double y0, double x1, double y1, std::optional<FigureColour> fill,
                   std::optional<FigureColour> stroke, double width = 1) {
        d_.paths.push_back({{{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}, true, fill, stroke, width});
    }
    void line(FigurePoint a, FigurePoint b, double width = 1, bool dashed = false) {
        d_.paths.push_back({{a, b}, false, std::nullopt, kInk, width, dashed});
    }
    void label(double x, double y, std::string text, Anchor anchor, double size = 10) {
        d_.labels.push_back({{x, y}, std::move(text), anchor, size, kInk, false});
    }

    // Each row of the grid as runs of equal band: a rectangle per run, a cell reaching
    // halfway to the grid's neighbouring points (to the edge at the panel's edges).
    // Where a grid point's cell ends: halfway to its neighbour, at the edge for the last.
    static double half(const std::vector<double>& v, std::size_t j, bool after) {
        if (after) return j + 1 < v.size() ? (v[j] + v[j + 1]) / 2 : v[j];
        return j > 0 ? (v[j - 1] + v[j]) / 2 : v[j];
    }

    void colourMap(PanelMap map) {
        const std::vector<double>& xs = map_.x_m;
        for (std::size_t s = 0; s < map_.storeys.size(); ++s) {
            const plate::StoreyMomentMap& st = map_.storeys[s];
            const double top = depthOfStorey(static_cast<int>(s));
            for (std::size_t r = 0; r < st.z_m.size(); ++r) {
                const double y0 = frame_.at(map, 0, top + half(st.z_m, r, false)).y;
                const double y1 = frame_.at(map, 0, top + half(st.z_m, r, true)).y;
                std::size_t first = 0;
                for (std::size_t j = 1; j <= xs.size(); ++j) {
                    const int band = scale_.band(valueOn(map, st.moments[r][first]));
                    if (j < xs.size() && scale_.band(valueOn(map, st.moments[r][j])) == band)
                        continue;
                    const double x0 = frame_.at(map, half(xs, first, false), 0).x;
                    const double x1 = frame_.at(map, half(xs, j - 1, true), 0).x;
                    const FigureColour c = scale_.colour(band);
                    // Each run reaches half a unit under the next run and the next row, drawn
                    // after it, so that no seam of the background shows between them where
                    // a painter smooths their edges.
                    const bool lastColumn = j == xs.size(), lastRow = r + 1 == st.z_m.size();
                    rectangle(x0, y0, lastColumn ? x1 : x1 + kSeam, lastRow ? y1 : y1 + kSeam, c, c,
                              0.4);
                    first = j;
                }
            }
        }
        for (std::size_t s = 0; s < map_.storeys.size(); ++s)
            zeroLine(map, s);
        rectangle(frame_.left(map), frame_.top, mapRight(map), mapBottom(), std::nullopt, kInk,
                  0.8);
    }

    // The zero line of a storey: along each edge between neighbouring cells of opposite
    // sign, so that the sign reads in a print without colour too.
    void zeroLine(PanelMap map, std::size_t storey) {
        const plate::StoreyMomentMap& st = map_.storeys[storey];
        const std::vector<double>& xs = map_.x_m;
        const double top = depthOfStorey(static_cast<int>(storey));
        // −1, 0 or +1: a moment that shows as 0.000 (an edge free to turn) changes no sign.
        const auto sign = [&](std::size_t r, std::size_t j) {
            const double M = valueOn(map, st.moments[r][j]);
            return std::fabs(M) < 0.0005 ? 0 : (M > 0 ? 1 : -1);
        };
        const auto changes = [&](std::size_t r0, std::size_t j0, std::size_t r1, std::size_t j1) {
            return sign(r0, j0) * sign(r1, j1) < 0;
        };
        const auto at = [&](double x, double z) { return frame_.at(map, x, top + z); };
        for (std::size_t r = 0; r < st.z_m.size(); ++r) {
            const double z0 = half(st.z_m, r, false), z1 = half(st.z_m, r, true);
            for (std::size_t j = 1; j < xs.size(); ++j) {
                if (!changes(r, j - 1, r, j)) continue;
                const double x = half(xs, j, false);
                line(at(x, z0), at(x, z1), 0.8);
            }
            if (r == 0) continue;
            // Between this row and the one above, the changes of sign side by side as one.
            const double z = half(st.z_m, r, false);
            for (std::size_t j = 0; j < xs.size();) {
                if (!changes(r - 1, j, r, j)) {
                    ++j;
                    continue;
                }
                const std::size_t first = j;
                while (j < xs.size() && changes(r - 1, j, r, j))
                    ++j;
                line(at(half(xs, first, false), z), at(half(xs, j - 1, true), z), 0.8);
            }
        }
    }

    // A supported edge from a to b, the outside toward (nx, ny): fixed hatched, pinned with
    // small triangles, free dashed.
    void edge(FigurePoint a, FigurePoint b, double nx, double ny, const std::string& condition) {
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        const double ux = (b.x - a.x) / length, uy = (b.y - a.y) / length;
        if (condition == "free") {
            d_.paths.push_back({{a, b}, false, std::nullopt, kWhite, 2.2});
            line(a, b, 1, true);
            return;
        }
        line(a, b, 1.8);
        if (condition == "fixed") {
            for (double t = 3; t < length; t += 7) {
                const FigurePoint p{a.x + ux * t, a.y + uy * t};
                line(p, {p.x + nx * kMark - ux * 5, p.y + ny * kMark - uy * 5}, 0.7);
            }
            return;
        }
        const int count = std::max(2, static_cast<int>(length / 26));
        for (int k = 0; k < count; ++k) {
            const double t = length * (k + 0.5) / count;
            const FigurePoint p{a.x + ux * t, a.y + uy * t};
            d_.paths.push_back({{p,
                                 {p.x + nx * kMark + ux * 4, p.y + ny * kMark + uy * 4},
                                 {p.x + nx * kMark - ux * 4, p.y + ny * kMark - uy * 4}},
                                true,
                                kWhite,
                                kInk,
                                0.8});
        }
    }

    void supports(PanelMap map) {
        const double l = frame_.left(map), r = mapRight(map);
        const double t = frame_.top, b = mapBottom();
        edge({l, t}, {l, b}, -1, 0, m_.panel->left);
        edge({r, t}, {r, b}, 1, 0, m_.panel->right);
        edge({l, t}, {r, t}, 0, -1, m_.top);
        edge({l, b}, {r, b}, 0, 1, m_.base);
        // Intermediate slabs: the wall runs over them, held as on a pinned line.
        for (std::size_t j = 1; j + 1 < m_.slabs.size(); ++j) {
            const double y = frame_.at(map, 0, m_.slabs.front() - m_.slabs[j]).y;
            line({l - 4, y}, {r + 4, y}, 1.8);
        }
    }

    void captions(PanelMap map) {
        const double middle = (frame_.left(map) + mapRight(map)) / 2;
        label(middle, 16,
              map == PanelMap::Vertical ? "竖向弯矩Mz标准值(kN·m/m)" : "水平弯矩Mx标准值(kN·m/m)",
              Anchor::Middle, 11);
        label(middle, 31,
              std::string("左侧") + conditionName(m_.panel->left) + "，右侧" +
                  conditionName(m_.panel->right) + "，宽" + fixed(m_.panel->width, "%.2f") + "m",
              Anchor::Middle, 9.5);
    }

    void elevations() {
        const double x = frame_.verticalLeft - kMark - 4;
        for (const double e : m_.slabs) {
            const double y = frame_.at(PanelMap::Vertical, 0, m_.slabs.front() - e).y;
            label(x, y + 4, fixed(e), Anchor::End);
        }
    }

    void legend() {
        const double x0 = frame_.verticalLeft, x1 = mapRight(PanelMap::Horizontal);
        const double y = mapBottom() + kMark + 12;
        const int bands = scale_.highestBand - scale_.lowestBand + 1;
        const double each = (x1 - x0) / bands;
        for (int k = 0; k < bands; ++k) {
            const FigureColour c = scale_.colour(scale_.lowestBand + k);
            rectangle(x0 + k * each, y, x0 + (k + 1) * each, y + 10, c, c, 0.4);
        }
        rectangle(x0, y, x1, y + 10, std::nullopt, kInk, 0.6);
        const std::string longest = fixed(scale_.lowest(), "%g");
        const int every = each >= labelWidth(longest, 9) + 6 ? 1 : 2;
        for (int k = 0; k <= bands; k += every) {
            const double x = x0 + k * each;
            line({x, y + 10}, {x, y + 13}, 0.6);
            label(x, y + 23, fixed((scale_.lowestBand + k) * scale_.step, "%g"), Anchor::Middle, 9);
        }
        label((x0 + x1) / 2, y + 37,
              "红：背水面（内侧）受拉（+）；蓝：迎水面受拉（−）；细线：M=0；单位kN·m/m",
              Anchor::Middle, 9.5);
    }

    // A governing value: a small square at its place and the value beside it, on a white
    // ground, moved down a line where it would cover a value already written.
    void mark(const Governing& g) {
        const double M = g.moment.M_kNm_per_m;
        if (std::fabs(M) < 0.0005) return;  // a pinned edge: no moment to mark
        const FigurePoint p =
            frame_.at(g.map, g.moment.x_m, depthOfStorey(g.storey) + g.moment.z_m);
        rectangle(p.x - 2.5, p.y - 2.5, p.x + 2.5, p.y + 2.5, kWhite, kInk, 1);
        const std::string text = fixed(M);
        const double w = labelWidth(text, 10);
        double x = p.x + 5, y = p.y + 4;
        // Inside the map: below a place on its top edge, above one on its bottom edge.
        if (g.place == Place::Top || y - 9 < frame_.top) y = p.y + 14;
        if (g.place == Place::Bottom || y + 3 > mapBottom()) y = p.y - 6;
        if (g.place == Place::Right || x + w > mapRight(g.map)) x = p.x - 5 - w;
        for (int tries = 0; tries < 4 && covers(x, y, w); ++tries)
            y += g.place == Place::Bottom ? -12 : 12;
        rectangle(x - 1, y - 9, x + w + 1, y + 2.5, kWhite, std::nullopt);
        label(x, y, text, Anchor::Start);
        written_.push_back({x, y, w});
    }

    struct Written {
        double x, y, w;
    };
    bool covers(double x, double y, double w) const {
        return std::any_of(written_.begin(), written_.end(), [&](const Written& o) {
            return x < o.x + o.w + 2 && o.x < x + w + 2 && std::fabs(y - o.y) < 11;
        });
    }

    const WallModel& m_;
    const plate::PanelResult& result_;
    PanelFrame frame_;
    plate::MomentMap map_;
    MomentScale scale_;
    std::vector<Written> written_;
    FigureDrawing d_;
};

}  // namespace

int MomentScale::band(double M) const {
    // A moment that shows as 0.000 (a pinned edge's, left by round-off on either side of
    // zero) falls in the band above zero, as its value reads.
    const double k = std::fabs(M) < 0.0005 ? 0 : std::floor(M / step);
    return static_cast<int>(std::clamp(k, double(lowestBand), double(highestBand)));
}

FigureColour MomentScale::colour(int band) const {
    const int reach = std::max(-lowestBand, highestBand + 1);
    // The bands beside zero a clear tint of their sign, the outermost the full colour.
    const double t = (std::fabs(band + 0.5) + 0.5) / (reach + 0.5);
    return mixed(kWhite, band >= 0 ? kInnerTension : kWaterTension, t);
}

MomentScale momentScale(double least, double most) {
    least = std::min(least, 0.0);
    most = std::max(most, 0.0);
    const double largest = std::max(-least, most);
    MomentScale s;
    if (!(largest > 0) || !std::isfinite(largest)) return s;
    s.step = roundStep(largest / 6);
    s.lowestBand = static_cast<int>(std::floor(least / s.step));
    s.highestBand = std::max(s.lowestBand, static_cast<int>(std::floor(most / s.step)));
    return s;
}

PanelFrame panelFrame(const WallModel& m, double width, double height) {
    PanelFrame f;
    f.width_m = m.panel->width;
    f.height_m = wholeHeight(m);
    const double across = width - kLabelColumn - 2 * kMark - kMapGap - kRightRoom;
    f.pxPerMetre =
        std::min((height - kTopRoom - kLegendRoom) / f.height_m, across / (2 * f.width_m));
    const double used = 2 * f.width_m * f.pxPerMetre + kMapGap;
    f.verticalLeft = kLabelColumn + kMark + (across + kMapGap - used) / 2;
    f.horizontalLeft = f.verticalLeft + f.width_m * f.pxPerMetre + kMapGap;
    f.top = kTopRoom;
    return f;
}

MomentScale panelScale(const WallModel& m, const PanelAnalysis& panel) {
    return scaleOf(mapOf(m, panel.characteristic().field), panel.characteristic());
}

FigureDrawing panelFigure(const WallModel& m, const PanelAnalysis& panel, double width,
                          double height) {
    return PanelLayout(m, panel, width, height).draw();
}

}  // namespace wallcalc::sheet
