// The two-way panel's colour maps read back from the figure's drawing: the cell under each
// governing moment's place has that moment's colour (its sign and its band), the scale's
// range covers every governing value and its ends are written on the legend, and the map
// is drawn as runs of equal colour rather than a path per grid point.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <ranges>
#include <sstream>

#include "wallcalc/cli/model_json.hpp"
#include "wallcalc/sheet/model_figure.hpp"
#include "wallcalc/sheet/panel_figure.hpp"

namespace {

using namespace wallcalc;
using sheet::PanelMap;

model::WallModel goldenModel(const std::string& name) {
    std::ifstream in(std::string(WALLCALC_MODEL_GOLDEN_DIR) + "/" + name + ".json");
    std::stringstream text;
    text << in.rdbuf();
    auto read = cli::readModelText(text.str(), cli::FormatKey::Required);
    if (!std::holds_alternative<model::WallModel>(read)) throw std::runtime_error(name);
    return std::get<model::WallModel>(read);
}

struct Case {
    const char* name;
    const char* golden;
    const char* left;  // sides replaced where given
    const char* right;
};

const Case kCases[] = {
    {"GoldenFixedAndPinnedSides", "two_storey_panel", nullptr, nullptr},
    {"GoldenPermanentLoadsOnly", "two_storey_panel_permanent", nullptr, nullptr},
    {"BothSidesFixed", "two_storey_panel", "fixed", "fixed"},
    {"RightSideFree", "two_storey_panel", "fixed", "free"},
};

struct Governing {
    PanelMap map;
    int storey;
    plate::PanelMoment moment;
};

std::vector<Governing> governing(const plate::PanelResult& r) {
    std::vector<Governing> out;
    for (int s = 0; s < static_cast<int>(r.storeys.size()); ++s) {
        const auto& v = r.storeys[s].vertical;
        const auto& h = r.storeys[s].horizontal;
        for (const auto* m : {&v.top, &v.span, &v.bottom})
            if (*m) out.push_back({PanelMap::Vertical, s, **m});
        for (const auto* m : {&h.left, &h.span, &h.right})
            if (*m) out.push_back({PanelMap::Horizontal, s, **m});
    }
    return out;
}

bool operator==(sheet::FigureColour a, sheet::FigureColour b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

// The colour map's cell under a point: a filled rectangle stroked in its own colour (the
// marks and the labels' grounds are not), the last drawn that holds the point (cells overlap
// their neighbours a little; the one drawn last shows).
std::optional<sheet::FigureColour> cellAt(const sheet::FigureDrawing& d, sheet::FigurePoint p) {
    for (const sheet::FigurePath& path : d.paths | std::views::reverse) {
        if (!path.closed || !path.fill || !path.stroke || !(*path.fill == *path.stroke)) continue;
        const auto [x0, x1] = std::ranges::minmax(path.points, {}, &sheet::FigurePoint::x);
        const auto [y0, y1] = std::ranges::minmax(path.points, {}, &sheet::FigurePoint::y);
        if (p.x >= x0.x && p.x <= x1.x && p.y >= y0.y && p.y <= y1.y) return path.fill;
    }
    return std::nullopt;
}

std::string legendText(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", std::fabs(v) < 0.0005 ? 0.0 : v);
    return text;
}

class PanelFigure : public ::testing::TestWithParam<Case> {
  protected:
    void SetUp() override {
        model_ = goldenModel(GetParam().golden);
        if (GetParam().left) model_.panel->left = GetParam().left;
        if (GetParam().right) model_.panel->right = GetParam().right;
        press_ = model::pressModel(model_);
        ASSERT_TRUE(press_.completed() && press_.panel);
        drawing_ = sheet::modelFigure(model_, press_);
    }
    model::WallModel model_;
    model::ModelPress press_;
    sheet::FigureDrawing drawing_;
};

TEST_P(PanelFigure, CellAtEachGoverningPlaceHasItsMomentsBand) {
    const sheet::PanelFrame frame =
        sheet::panelFrame(model_, sheet::kModelFigureWidth, sheet::kModelFigureHeight);
    const sheet::MomentScale scale = sheet::panelScale(model_, *press_.panel);
    const plate::PlateField& field = press_.panel->characteristic().field;
    for (const Governing& g : governing(press_.panel->characteristic())) {
        // The place nudged a hair into its own storey, off the edge its cell shares with
        // the storey's neighbour.
        const double top = field.storeyTop_m(g.storey), bottom = field.storeyBottom_m(g.storey);
        const double x = std::clamp(g.moment.x_m, 1e-3, frame.width_m - 1e-3);
        const double depth = std::clamp(top + g.moment.z_m, top + 1e-3, bottom - 1e-3);
        const auto cell = cellAt(drawing_, frame.at(g.map, x, depth));
        ASSERT_TRUE(cell) << "no cell at storey " << g.storey << " x=" << x;
        const double M = g.moment.M_kNm_per_m;
        EXPECT_TRUE(*cell == scale.colour(scale.band(M)))
            << (g.map == PanelMap::Vertical ? "Mz" : "Mx") << " of storey " << g.storey + 1
            << " M=" << M << " at x=" << g.moment.x_m << " z=" << g.moment.z_m << " band "
            << scale.band(M);
    }
}

TEST_P(PanelFigure, LegendCoversEveryGoverningValue) {
    const sheet::MomentScale scale = sheet::panelScale(model_, *press_.panel);
    for (const Governing& g : governing(press_.panel->characteristic())) {
        EXPECT_LE(scale.lowest(), g.moment.M_kNm_per_m);
        EXPECT_GE(scale.highest(), g.moment.M_kNm_per_m);
    }
    for (const double end : {scale.lowest(), scale.highest()}) {
        EXPECT_TRUE(std::ranges::any_of(drawing_.labels,
                                        [&](const auto& l) { return l.text == legendText(end); }))
            << "no tick " << legendText(end);
    }
}

TEST_P(PanelFigure, MapDrawnAsRunsOfEqualColour) {
    // Two maps of 61 × 43 grid points each per storey would be over 10000 cells.
    EXPECT_LT(drawing_.paths.size(), 2500u);
}

INSTANTIATE_TEST_SUITE_P(Panels, PanelFigure, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

namespace {

// A panel whose width is wrong computes nothing: its figure is an empty box, not a crash.
TEST(PanelFigureOfNothing, PressWithProblemsGivesAnEmptyBox) {
    model::WallModel m = goldenModel("two_storey_panel");
    m.panel->width = 0;
    const model::ModelPress press = model::pressModel(m);
    ASSERT_FALSE(press.completed());
    const sheet::FigureDrawing d = sheet::modelFigure(m, press);
    EXPECT_TRUE(d.paths.empty() && d.labels.empty());
    EXPECT_EQ(d.width, sheet::kModelFigureWidth);
}

}  // namespace
