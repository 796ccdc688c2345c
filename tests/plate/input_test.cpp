// Panels that cannot be analysed are refused with the key the wall model's input names, and
// nothing is computed.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "panels.hpp"

namespace {

using namespace platetest;

Panel goodPanel() {
    Panel p = panelOf(6, {3.6, 4.2}, Edge::fixed, Edge::pinned, Edge::pinned, Edge::fixed);
    p.load = {{0, 7.8, 5, 80}};
    return p;
}

struct BadInput {
    const char* name;
    std::function<void(Panel&)> spoil;
    const char* key;
};

const double kNaN = std::numeric_limits<double>::quiet_NaN();

const BadInput kBad[] = {
    {"ZeroWidth", [](Panel& p) { p.width_m = 0; }, "panel.width"},
    {"NegativeWidth", [](Panel& p) { p.width_m = -3; }, "panel.width"},
    {"WidthNotANumber", [](Panel& p) { p.width_m = kNaN; }, "panel.width"},
    {"NoStorey", [](Panel& p) { p.storeys.clear(); }, "storeys"},
    {"SixStoreys",
     [](Panel& p) {
         p.storeys.resize(6, {3, 250});
     },
     "storeys"},
    {"StoreyOfNoHeight", [](Panel& p) { p.storeys[1].height_m = 0; }, "slabs"},
    {"StoreyOfNoThickness", [](Panel& p) { p.storeys[1].thickness_mm = 0; },
     "storeys[1].thickness"},
    {"FreeBase", [](Panel& p) { p.base = Edge::free; }, "base"},
    {"PoissonHalf", [](Panel& p) { p.poisson = 0.5; }, "poisson"},
    {"NoStiffness", [](Panel& p) { p.elasticModulus_kPa = 0; }, "elasticModulus"},
    {"LoadPieceUpsideDown", [](Panel& p) { p.load[0].bottomDepth_m = -1; }, "load"},
    {"LoadNotANumber", [](Panel& p) { p.load[0].topPressure_kPa = kNaN; }, "load"},
    // One storey, both sides and the top free over a pinned base: it turns about the base.
    {"Mechanism",
     [](Panel& p) {
         p.storeys.resize(1);
         p.left = p.right = p.top = Edge::free;
         p.base = Edge::pinned;
     },
     "panel.left"},
};

class Refused : public testing::TestWithParam<BadInput> {};

TEST_P(Refused, NamesTheKeyAndComputesNothing) {
    Panel p = goodPanel();
    GetParam().spoil(p);
    const auto problem = checkPanel(p);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->key, GetParam().key);
    EXPECT_NE(problem->message.find(GetParam().key), std::string::npos) << problem->message;
    try {
        analysePanel(p);
        ADD_FAILURE() << "analysed a refused panel";
    } catch (const PanelRejected& e) {
        EXPECT_EQ(e.key, GetParam().key);
    }
}

INSTANTIATE_TEST_SUITE_P(Panels, Refused, testing::ValuesIn(kBad),
                         [](const auto& info) { return std::string(info.param.name); });

// The same free sides, free top and pinned base over two storeys: the intermediate slab and
// the base are two lines of support, which hold the panel.
TEST(Accepted, FreeSidesAndTopOverAPinnedBaseWithAnIntermediateSlab) {
    Panel p = goodPanel();
    p.left = p.right = p.top = Edge::free;
    p.base = Edge::pinned;
    EXPECT_FALSE(checkPanel(p));
}

TEST(EdgeNames, ReadAsTheInputWritesThemAndRefuseOthers) {
    for (Edge e : {Edge::fixed, Edge::pinned, Edge::free})
        EXPECT_EQ(edgeNamed(edgeName(e)), e);
    EXPECT_FALSE(edgeNamed("clamped"));
    EXPECT_FALSE(edgeNamed("Fixed"));
}

}  // namespace
