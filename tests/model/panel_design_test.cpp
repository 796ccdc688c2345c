// The wall model with a panel: the press designs from the plate. Two invariants over a table
// of panels: under permanent loads alone (one water level, no surcharge) every face's design
// moment is γ0·γG times its characteristic plate moment and its quasi-permanent moment the
// characteristic one (the plate is linear and every combination is solved on one mesh); and
// a panel much wider than its storeys, held by pinned sides, spans as the strip at mid-width.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "model_fixture.hpp"
#include "wallcalc/model/model_press.hpp"

namespace {

using namespace wallcalc::model;
using wallcalc::model::testing_support::wall;

// The characteristic plate moment a face is designed for, with that face in tension positive:
// the water face where the moment is negative.
double characteristicMoment(const wallcalc::plate::StoreyResult& s, FacePlace place) {
    const auto water = [](const auto& m) { return m ? -m->M_kNm_per_m : 0.0; };
    const auto inner = [](const auto& m) { return m ? m->M_kNm_per_m : 0.0; };
    switch (place) {
        case FacePlace::WaterTop:
            return water(s.vertical.top);
        case FacePlace::WaterBottom:
            return water(s.vertical.bottom);
        case FacePlace::InnerSpan:
            return inner(s.vertical.span);
        case FacePlace::WaterSide:
            return std::max(water(s.horizontal.left), water(s.horizontal.right));
        case FacePlace::InnerHorizontalSpan:
            break;
    }
    return inner(s.horizontal.span);
}

struct PanelRow {
    const char* name;
    std::function<void(WallModel&)> change;
    int horizontalFaces;  // faces of horizontal bars designed over the wall
};

// Two storeys, the water at -3 m, no surcharge; rows change the panel, supports and mode.
WallModel permanentWall() {
    WallModel m = wall({0.2, -3.8, -8.0}, 0.0, -3.0);
    m.surcharge = 0;
    m.storeys[1].thickness = 350;
    m.panel = Panel{6, "fixed", "pinned"};
    return m;
}

class PanelPress : public testing::TestWithParam<PanelRow> {};

TEST_P(PanelPress, DesignMomentsAreTheFactoredCharacteristicPlateMoments) {
    WallModel m = permanentWall();
    GetParam().change(m);
    const ModelPress press = pressModel(m);
    ASSERT_TRUE(press.completed()) << press.problems.front().message;
    ASSERT_TRUE(press.panel.has_value());
    const auto& k = press.panel->characteristic();
    ASSERT_TRUE(k.converged);
    const double factor = m.gamma0 * m.gammaG;
    int horizontal = 0;
    for (const StoreyDesign& s : press.design->designed()) {
        for (const FacePlace place : kFacePlaces) {
            const double Mk = characteristicMoment(k.storeys[s.index], place);
            const auto& f = s.face(place);
            SCOPED_TRACE(storeyName(s.index) + std::string(placeName(place)));
            ASSERT_EQ(f.has_value(), Mk > kNoForce) << Mk;
            if (!f) continue;
            horizontal += horizontalFace(place);
            EXPECT_NEAR(f->Md, factor * Mk, 1e-9 * factor * Mk);
            ASSERT_TRUE(f->Mq.has_value());
            EXPECT_NEAR(*f->Mq, Mk, 1e-9 * Mk);
            if (f->Mc) {
                EXPECT_NEAR(*f->Mc, m.gamma0 * 1.2 * Mk, 1e-9 * Mk);
            }
        }
    }
    EXPECT_EQ(horizontal, GetParam().horizontalFaces);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Panels, PanelPress, testing::Values(
    PanelRow{"FixedLeftPinnedRight", [](WallModel&) {}, 4},
    PanelRow{"FixedSidesSafetyClassOne", [](WallModel& m) {
                 m.panel = Panel{5, "fixed", "fixed"};
                 m.gamma0 = 1.1;
             }, 4},
    // Pinned sides carry no moment: only the span's horizontal bars are designed.
    PanelRow{"PinnedSidesFixedTop", [](WallModel& m) {
                 m.panel = Panel{7.5, "pinned", "pinned"};
                 m.top = "fixed";
             }, 2},
    // A free side has no support moment; the fixed one does.
    PanelRow{"OneSideFreeOverPinnedBase", [](WallModel& m) {
                 m.panel = Panel{4, "free", "fixed"};
                 m.base = "pinned";
             }, 4},
    // One storey free at its top over a pinned base, which as a strip would turn about its
    // base: held by its sides, the panel stands and spans horizontally.
    PanelRow{"OneStoreyFreeTopOverPinnedBaseHeldBySides", [](WallModel& m) {
                 m.slabs = {0.2, -3.8};
                 m.storeys.resize(1);
                 m.top = "free";
                 m.base = "pinned";
                 m.panel = Panel{4, "fixed", "fixed"};
             }, 2},
    // Wartime as well, with no qrf: 1.2 times the permanent loads.
    PanelRow{"CivilDefenceWithoutQrf", [](WallModel& m) { m.mode = "civil-defence"; }, 4}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Two storeys between pinned sides 25 m apart, 3.6 m and 4 m high: at mid-width they span
// one way, so the plate's vertical moment there is the strip's at the strip's largest span
// moment, and the support faces (their moment nearly constant along a held edge) are
// designed as the strip's. The span's governing value is the largest over the field: near
// pinned sides the Poisson effect lifts it above mid-width's, so it is not compared.
TEST(PanelAgainstStrip, WidePanelBetweenPinnedSidesSpansAsTheStrip) {
    WallModel m = wall({0.0, -3.6, -7.6}, 0.0, -4.0);
    m.panel = Panel{25, "pinned", "pinned"};
    const ModelPress panel = pressModel(m);
    m.panel.reset();
    const ModelPress strip = pressModel(m);
    ASSERT_TRUE(panel.completed() && strip.completed());
    const auto& field = panel.panel->characteristic().field;
    const MemberAnalysis& k = (*strip.analysis)[Combination::Characteristic];
    for (std::size_t i = 0; i < m.storeyCount(); ++i) {
        SCOPED_TRACE(storeyName(i));
        const auto& span = k.span(i).spanMoment;
        ASSERT_TRUE(span.has_value());
        const double mid = wallcalc::plate::momentsAt(field, static_cast<int>(i), 12.5, span->depth)
                               .vertical_kNm_per_m;
        EXPECT_NEAR(mid, span->moment, 0.02 * span->moment);
        for (const FacePlace place : {FacePlace::WaterTop, FacePlace::WaterBottom}) {
            const auto& p = panel.design->storeys[i].face(place);
            const auto& s = strip.design->storeys[i].face(place);
            SCOPED_TRACE(std::string(placeName(place)));
            ASSERT_EQ(p.has_value(), s.has_value());
            if (!p) continue;
            EXPECT_NEAR(p->Md, s->Md, 0.02 * s->Md);
            ASSERT_TRUE(p->provided && s->provided);
            EXPECT_EQ(p->provided->d, s->provided->d);
        }
        // The edge shear is the largest line reaction along the slab's edge: at mid-width
        // the strip's shear, near a pinned side corner more (the twisting moments' share), so
        // never below the strip's.
        const StoreyDesign &p = panel.design->storeys[i], &s = strip.design->storeys[i];
        EXPECT_GT(p.shearTop.Vd, 0.98 * s.shearTop.Vd);
        EXPECT_GT(p.shearBottom.Vd, 0.98 * s.shearBottom.Vd);
    }
}

}  // namespace
