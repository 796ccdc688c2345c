// The wall model's loads and its member over a table of walls: the reactions balance the
// load, the load is the one the formulas give, and one storey propped at the top and fixed
// at the base gives the base moment of the original single-span calculation.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "model_fixture.hpp"
#include "wallcalc/engine/window_model.hpp"
#include "wallcalc/model/wall_analysis.hpp"

namespace {

using namespace wallcalc::model;
using testing_support::Factors;
using testing_support::pressureAt;
using testing_support::wall;

struct WallRow {
    const char* name;
    std::vector<double> slabs;
    std::vector<double> thickness;  // mm
    const char* top;
    const char* base;
    double ground, water, waterQuasi;
};
void PrintTo(const WallRow& row, std::ostream* out) {
    *out << row.name;
}

WallModel modelOf(const WallRow& r) {
    WallModel m = wall(r.slabs, r.ground, r.water);
    m.waterQuasi = r.waterQuasi;
    m.top = r.top;
    m.base = r.base;
    m.gammaSat = 20;
    for (std::size_t i = 0; i < m.storeys.size(); ++i) {
        m.storeys[i].thickness = r.thickness[i];
        m.storeys[i].qrf = 10.0 * static_cast<double>(i);
    }
    return m;
}

// ∫ p over the wall by the midpoint rule on a fine grid inside each storey.
double integratedLoad(const WallModel& m, const Factors& f) {
    constexpr int kCells = 20000;
    double sum = 0;
    for (std::size_t i = 0; i + 1 < m.slabs.size(); ++i) {
        const double h = (m.slabs[i] - m.slabs[i + 1]) / kCells;
        for (int k = 0; k < kCells; ++k)
            sum += pressureAt(m, m.slabs[i] - (k + 0.5) * h, i, f) * h;
    }
    return sum;
}

class Walls : public ::testing::TestWithParam<WallRow> {};

TEST_P(Walls, ReactionsBalanceTheLoadThatTheFormulasGive) {
    const WallModel m = modelOf(GetParam());
    ASSERT_EQ(problems(m), std::vector<Problem>{});
    const auto w = analyseWall(m);
    ASSERT_TRUE(w);
    const std::array<Factors, kCombinationCount> factors = {{
        {1, 1, 0, false},
        {m.gamma0 * m.gammaG, m.gamma0 * m.gammaQ, 0, false},
        {1, m.psiq, 0, true},
        {1.2, 0, 1.0, false},
    }};
    for (std::size_t c = 0; c < kCombinationCount; ++c) {
        SCOPED_TRACE("combination " + std::to_string(c));
        const MemberAnalysis& a = w->combinations[c];
        double sum = 0;
        for (const double r : a.reactions())
            sum += r;
        EXPECT_NEAR(sum, a.totalLoad(), 1e-9 * std::fabs(a.totalLoad()));
        EXPECT_NEAR(a.totalLoad(), integratedLoad(m, factors[c]), 1e-5 * a.totalLoad());
        if (topSupportOf(m) == TopSupport::Free) {
            EXPECT_EQ(a.reactions()[0], 0);
        }
        // M(x) walked down each span over the pieces arrives at the solved support moment.
        for (std::size_t i = 0; i < a.spanCount(); ++i) {
            const double end = a.momentIn(i, a.member().length(i));
            EXPECT_NEAR(end, a.span(i).momentBottom, 1e-9 * (1 + std::fabs(end)));
        }
    }
}

// Ground at 0 m; the slabs (m), thicknesses (mm), supports, water and waterQuasi (m).
// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, Walls, ::testing::Values(
    WallRow{"OneStoreyPinnedFixedWaterInside", {-1, -5}, {300}, "pinned", "fixed", 0, -3, -3.5},
    WallRow{"OneStoreyFixedFixedWaterAboveGround", {-1, -5}, {350}, "fixed", "fixed", 0, 1, 0.5},
    WallRow{"OneStoreyFreeFixedTopAboveGround", {0.6, -3.4}, {250}, "free", "fixed", 0, -2, -2.5},
    WallRow{"TwoStoreysPinnedPinnedWaterBelowBase", {-0.5, -4, -7.2}, {300, 400},
            "pinned", "pinned", 0, -9, -9},
    WallRow{"TwoStoreysFreeTopOverPinnedBase", {0.3, -3.6, -7.2}, {300, 450},
            "free", "pinned", 0, -5, -6},
    WallRow{"ThreeStoreysWaterAtASlab", {-0.2, -3.9, -7.5, -11}, {300, 350, 450},
            "fixed", "fixed", 0, -3.9, -7.5},
    WallRow{"FourStoreysGroundAboveTheTop", {-1.2, -4.8, -8.4, -12, -15.6}, {300, 300, 400, 500},
            "pinned", "fixed", 0, -6, -10},
    WallRow{"FiveStoreysTopAboveGroundFixedPinned", {0.9, -3, -6.6, -10.2, -13.8, -17.4},
            {250, 300, 350, 400, 450}, "fixed", "pinned", 0, -11.1, -14},
    WallRow{"FiveStoreysFreeTopFixedBase", {1.5, -2.1, -5.7, -9.3, -12.9, -16.5},
            {300, 300, 300, 300, 600}, "free", "fixed", 0, -8, -8}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(WaterLevel, AboveTheGroundIsTakenAtTheGroundAndSaysSo) {
    WallModel m = wall({-1, -5}, 0.2, 1.5);
    m.waterQuasi = -2;
    const ModelLoads loads = modelLoads(m);
    EXPECT_TRUE(loads.water.takenAtGround);
    EXPECT_EQ(loads.water.elevation, 0.2);
    EXPECT_EQ(loads.water.depth, 0);
    EXPECT_FALSE(loads.waterQuasi.takenAtGround);
    EXPECT_DOUBLE_EQ(loads.waterQuasi.depth, 2.2);
}

// The original calculation through its window: one storey from h3 −2.45 to h4 −6.3 propped
// at the top and fixed at the base, ground h1 −0.45, γ 18, Qfj 10. It takes the earth as
// 0.5·γ·depth (0.5·(γ − 10) below the water, the water as 10 per metre) and the surcharge as
// 0.5·Qfj over the span: the model with K0 0.5, γsat = γ = 18, γw 10 and q = Qfj = 10.
// The window rounds each of its terms to three decimals, then the sum: at most seven
// roundings of 0.0005.
struct OriginalCase {
    const char* name;
    int caseIndex;  // 0 A: water above the top of the wall; 1 B: within it; 2 C: below it
    const char* h2;
    double water;
};
void PrintTo(const OriginalCase& row, std::ostream* out) {
    *out << row.name;
}

class OriginalBaseMoment : public ::testing::TestWithParam<OriginalCase> {};

TEST_P(OriginalBaseMoment, EqualsTheModelsCharacteristicBaseMoment) {
    const OriginalCase& r = GetParam();
    wallcalc::WindowModel window;
    window.clickOrdinary();
    window.type(wallcalc::Box::Text2, r.h2);
    window.select(wallcalc::List::Combo3, r.caseIndex);
    const auto press = window.pressCompute();
    ASSERT_TRUE(press.completed());

    WallModel m = wall({-2.45, -6.3}, -0.45, r.water);
    m.storeys[0] = Storey{350, 50, 30, 0};
    m.K0 = 0.5;
    m.gamma = 18;
    m.gammaSat = 18;
    m.gammaW = 10;
    m.surcharge = 10;
    const auto w = analyseWall(m);
    ASSERT_TRUE(w);
    const double base = (*w)[Combination::Characteristic].span(0).momentBottom;
    EXPECT_NEAR(-base, press.state.MBk, 7 * 0.0005) << "the earth face is in tension at the base";
}

INSTANTIATE_TEST_SUITE_P(Cases, OriginalBaseMoment,
                         ::testing::Values(OriginalCase{"A", 0, "-1.35", -1.35},
                                           OriginalCase{"B", 1, "-3.5", -3.5},
                                           OriginalCase{"C", 2, "-7", -7}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
