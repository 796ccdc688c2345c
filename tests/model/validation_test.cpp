// Bad wall models: each is refused with the key at fault, named as the model's JSON names
// it, and nothing is analysed.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <ostream>

#include "model_fixture.hpp"
#include "wallcalc/model/wall_analysis.hpp"

namespace {

using namespace wallcalc::model;

WallModel threeStoreys() {
    return testing_support::wall({0.3, -3.6, -7.2, -11.0}, 0.0, -5.0);
}

struct BadInput {
    const char* name;
    std::function<void(WallModel&)> change;
    std::vector<std::string> keys;  // every key reported, in order
};
void PrintTo(const BadInput& row, std::ostream* out) {
    *out << row.name;
}

class Refused : public ::testing::TestWithParam<BadInput> {};

TEST_P(Refused, NamingTheKey) {
    WallModel m = threeStoreys();
    GetParam().change(m);
    const auto found = problems(m);
    std::vector<std::string> keys;
    for (const Problem& p : found) {
        keys.push_back(p.key);
        EXPECT_NE(p.message.find(p.key), std::string::npos) << p.message;
    }
    EXPECT_EQ(keys, GetParam().keys);
    EXPECT_EQ(analyseWall(m).has_value(), keys.empty());
    if (!found.empty()) {
        EXPECT_EQ(firstProblem(m), found.front());
    }
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, Refused, ::testing::Values(
    BadInput{"NothingWrong", [](WallModel&) {}, {}},
    BadInput{"NothingGiven", [](WallModel& m) { m = WallModel{}; },
             {"ground", "water", "slabs", "storeys", "concrete", "steel", "spacing", "mode"}},
    BadInput{"SlabsEqual", [](WallModel& m) { m.slabs[2] = m.slabs[1]; }, {"slabs[2]"}},
    BadInput{"SlabRising", [](WallModel& m) { m.slabs[1] = 1; }, {"slabs[1]"}},
    BadInput{"OneSlabOnly", [](WallModel& m) { m.slabs = {0}; }, {"slabs"}},
    BadInput{"SixStoreys", [](WallModel& m) { m.slabs = {0, -3, -6, -9, -12, -15, -18}; },
             {"slabs"}},
    BadInput{"StoreysFewerThanSlabsMake", [](WallModel& m) { m.storeys.pop_back(); },
             {"storeys"}},
    BadInput{"ThicknessTwiceTheWaterCover", [](WallModel& m) { m.storeys[1].thickness = 100; },
             {"storeys[1].thickness"}},
    BadInput{"ThicknessBelowTwiceTheInnerCover", [](WallModel& m) { m.storeys[0].c2 = 160; },
             {"storeys[0].thickness"}},
    BadInput{"QrfNegative", [](WallModel& m) { m.storeys[2].qrf = -5; }, {"storeys[2].qrf"}},
    BadInput{"GroundNotANumber", [](WallModel& m) { m.ground = kNaN; }, {"ground"}},
    BadInput{"GroundBelowTheBaseSlab", [](WallModel& m) { m.ground = -12; }, {"ground"}},
    BadInput{"WaterQuasiNotFinite", [](WallModel& m) { m.waterQuasi = -kInf; }, {"waterQuasi"}},
    BadInput{"SurchargeBeyondRange", [](WallModel& m) { m.surcharge = 1e9; }, {"surcharge"}},
    BadInput{"FreeTopOverPinnedBaseOneStorey", [](WallModel& m) {
                 m.slabs = {0, -4};
                 m.storeys.resize(1);
                 m.top = "free";
                 m.base = "pinned";
             }, {"base"}},
    BadInput{"UnknownTop", [](WallModel& m) { m.top = "hinged"; }, {"top"}},
    BadInput{"BaseCannotBeFree", [](WallModel& m) { m.base = "free"; }, {"base"}},
    BadInput{"K0Zero", [](WallModel& m) { m.K0 = 0; }, {"K0"}},
    BadInput{"GammaNegative", [](WallModel& m) { m.gamma = -18; }, {"gamma"}},
    BadInput{"SaturatedLighterThanWater", [](WallModel& m) { m.gammaSat = 9; }, {"gammaSat"}},
    BadInput{"NaturalTakenAsSaturatedLighterThanWater", [](WallModel& m) { m.gamma = 8; },
             {"gammaSat"}},
    BadInput{"ConcreteBelowC20", [](WallModel& m) { m.concrete = "C15"; }, {"concrete"}},
    BadInput{"SteelOfTheOldCode", [](WallModel& m) { m.steel = "HPB235"; }, {"steel"}},
    BadInput{"SpacingZero", [](WallModel& m) { m.spacing = 0; }, {"spacing"}},
    BadInput{"PsiqAboveOne", [](WallModel& m) { m.psiq = 1.5; }, {"psiq"}},
    BadInput{"UnknownMode", [](WallModel& m) { m.mode = "wartime"; }, {"mode"}},
    BadInput{"PanelWithoutWidth", [](WallModel& m) { m.panel = Panel{0, "fixed", "free"}; },
             {"panel.width"}},
    BadInput{"PanelEdgeUnknown", [](WallModel& m) { m.panel = Panel{6, "clamped", "pinned"}; },
             {"panel.left"}},
    BadInput{"PanelHeldOneSideFree", [](WallModel& m) { m.panel = Panel{6, "free", "fixed"}; },
             {}},
    BadInput{"PanelWidthNegative", [](WallModel& m) { m.panel = Panel{-6, "fixed", "fixed"}; },
             {"panel.width"}},
    BadInput{"PanelWidthNotANumber", [](WallModel& m) { m.panel = Panel{kNaN, "pinned", "free"}; },
             {"panel.width"}},
    BadInput{"PanelRightEdgeUnknown", [](WallModel& m) { m.panel = Panel{6, "fixed", "hinged"}; },
             {"panel.right"}},
    BadInput{"PanelEdgesNotGiven", [](WallModel& m) { m.panel = Panel{6, "", ""}; },
             {"panel.left", "panel.right"}},
    // Both sides and the top free over a pinned base: the one storey turns about its base.
    BadInput{"PanelFreeSidesFreeTopOverPinnedBase", [](WallModel& m) {
                 m.slabs = {0, -4};
                 m.storeys.resize(1);
                 m.top = "free";
                 m.base = "pinned";
                 m.panel = Panel{6, "free", "free"};
             }, {"base"}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
