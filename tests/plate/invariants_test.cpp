// Properties every analysis must have: the edge reactions balance the load, a panel with equal
// sides is symmetric about mid-width, and a finer mesh does not move the governing moments
// by more than the tolerance the analysis reports it converged to.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "panels.hpp"

namespace {

using namespace platetest;

constexpr Edge F = Edge::fixed, P = Edge::pinned, R = Edge::free;

struct SupportCase {
    const char* name;
    double width_m;
    std::vector<double> heights_m;
    Edge left, right, top, base;
};

const SupportCase kSupports[] = {
    {"OneStoreyAllPinned", 5, {3.6}, P, P, P, P},
    {"OneStoreyCantileverFixedSides", 6, {4.0}, F, F, R, F},
    {"OneStoreyFreeSidesPinnedTop", 4, {3.5}, R, R, P, F},
    {"TwoStoreysFreeLeft", 7.2, {3.6, 4.2}, R, F, P, F},
    {"TwoStoreysFreeSidesFreeTopPinnedBase", 6, {3.0, 4.0}, R, R, R, P},
    {"ThreeStoreysFixedPinned", 8, {3.6, 4.2, 4.5}, F, P, P, F},
    {"ThreeStoreysAllFixed", 6, {3.6, 4.2, 4.5}, F, F, F, F},
};

// A pressure with a jump: 10 → 25 kN/m² over the first 1.5 m, then 40 kN/m² rising by 12
// kN/m² per m to the base.
Panel loaded(const SupportCase& c) {
    Panel p = panelOf(c.width_m, c.heights_m, c.left, c.right, c.top, c.base);
    const double H = heightOf(p);
    p.load = {{0, 1.5, 10, 25}, {1.5, H, 40, 40 + 12 * (H - 1.5)}};
    for (std::size_t i = 0; i < p.storeys.size(); ++i)
        p.storeys[i].thickness_mm = 250 + 50.0 * i;
    return p;
}

class Supports : public testing::TestWithParam<SupportCase> {};

// The trapezoids of the pressure times the width, and every edge's reaction together.
TEST_P(Supports, EdgeReactionsBalanceTheLoad) {
    const Panel p = loaded(GetParam());
    const double H = heightOf(p);
    const double load =
        p.width_m * ((10 + 25) / 2.0 * 1.5 + (40 + 40 + 12 * (H - 1.5)) / 2 * (H - 1.5));
    const PanelResult r = analysePanelOnMesh(p, 1);
    EXPECT_NEAR(r.totalLoad_kN, load, 1e-12 * load);
    double sum = 0;
    for (std::size_t i = 0; i < r.storeys.size(); ++i) {
        const EdgeReactions& e = r.storeys[i].reactions;
        sum += e.top_kN + e.bottom_kN + e.left_kN + e.right_kN;
        // A free edge takes nothing.
        if (p.left == Edge::free) {
            EXPECT_EQ(e.left_kN, 0);
        }
        if (p.right == Edge::free) {
            EXPECT_EQ(e.right_kN, 0);
        }
        if (i == 0 && p.top == Edge::free) {
            EXPECT_EQ(e.top_kN, 0);
        }
    }
    EXPECT_NEAR(sum, load, 1e-9 * load);
}

// The largest line reaction of a held edge is at least its mean (the edge's total over its
// length, corners' concentrated forces aside, which the mean shares); an edge not held
// takes none.
TEST_P(Supports, LargestLineReactionIsAtLeastTheMean) {
    const Panel p = loaded(GetParam());
    const PanelResult r = analysePanelOnMesh(p, 2);
    for (std::size_t i = 0; i < r.storeys.size(); ++i) {
        SCOPED_TRACE("storey " + std::to_string(i + 1));
        const EdgeReactions& e = r.storeys[i].reactions;
        const double height = p.storeys[i].height_m;
        const struct {
            const char* edge;
            double peak, total, length;
            bool held;
        } edges[] = {
            {"top", e.topPeak_kN_per_m, e.top_kN, p.width_m, i > 0 || p.top != Edge::free},
            {"bottom", e.bottomPeak_kN_per_m, e.bottom_kN, p.width_m, true},
            {"left", e.leftPeak_kN_per_m, e.left_kN, height, p.left != Edge::free},
            {"right", e.rightPeak_kN_per_m, e.right_kN, height, p.right != Edge::free},
        };
        for (const auto& edge : edges) {
            SCOPED_TRACE(edge.edge);
            if (!edge.held) {
                EXPECT_EQ(edge.peak, 0);
                continue;
            }
            EXPECT_GE(edge.peak, edge.total / edge.length);
        }
    }
}

// The whole panel solved, not its half mirrored.
PanelOptions whole() {
    PanelOptions options;
    options.mirrorEqualSides = false;
    return options;
}

// Equal sides, the whole panel solved: the moments at x and W − x agree, and so do the side
// supports' values.
TEST_P(Supports, EqualSidesGiveMomentsSymmetricAboutMidWidth) {
    SupportCase c = GetParam();
    c.right = c.left;
    const PanelResult r = analysePanelOnMesh(loaded(c), 1, whole());
    const MomentMap map = momentMap(r.field, 12, 8);
    double largest = 0, asymmetry = 0;
    for (const StoreyMomentMap& storey : map.storeys)
        for (const auto& row : storey.moments)
            for (std::size_t i = 0; i < row.size(); ++i) {
                const PlateMoments &a = row[i], &b = row[row.size() - 1 - i];
                largest = std::max(
                    {largest, std::abs(a.horizontal_kNm_per_m), std::abs(a.vertical_kNm_per_m)});
                asymmetry =
                    std::max({asymmetry, std::abs(a.horizontal_kNm_per_m - b.horizontal_kNm_per_m),
                              std::abs(a.vertical_kNm_per_m - b.vertical_kNm_per_m)});
            }
    EXPECT_LT(asymmetry, 1e-9 * largest);
    for (const StoreyResult& s : r.storeys) {
        EXPECT_NEAR(s.reactions.left_kN, s.reactions.right_kN, 1e-9 * r.totalLoad_kN);
        if (c.left != Edge::fixed) continue;
        EXPECT_NEAR(s.horizontal.left->M_kNm_per_m, s.horizontal.right->M_kNm_per_m,
                    1e-9 * largest);
        EXPECT_NEAR(s.horizontal.left->z_m, s.horizontal.right->z_m, 1e-6);
    }
}

// Equal sides: the half solved and mirrored gives the whole's deflections, and so its
// governing moments and reactions, on a mesh of an odd level (not nested in level 0).
TEST_P(Supports, EqualSidesHalfMirroredMatchesTheWhole) {
    SupportCase c = GetParam();
    c.right = c.left;
    const Panel p = loaded(c);
    const PanelResult half = analysePanelOnMesh(p, 2), all = analysePanelOnMesh(p, 2, whole());
    EXPECT_LT(half.mesh.unknowns, all.mesh.unknowns * 0.6);
    ASSERT_EQ(half.field.dof.size(), all.field.dof.size());
    double largest = 0, difference = 0;
    for (std::size_t i = 0; i < all.field.dof.size(); ++i) {
        largest = std::max(largest, std::abs(all.field.dof[i]));
        difference = std::max(difference, std::abs(half.field.dof[i] - all.field.dof[i]));
    }
    EXPECT_LT(difference, 1e-9 * largest);
    const std::vector<double> a = governing(half), b = governing(all);
    for (std::size_t i = 0; i < a.size(); ++i)
        EXPECT_NEAR(a[i], b[i], 1e-8 * std::max(1.0, std::abs(b[i]))) << "governing moment " << i;
    for (std::size_t s = 0; s < all.storeys.size(); ++s) {
        const EdgeReactions &x = half.storeys[s].reactions, &y = all.storeys[s].reactions;
        for (auto [u, v] : {std::pair{x.top_kN, y.top_kN},
                            {x.bottom_kN, y.bottom_kN},
                            {x.left_kN, y.left_kN},
                            {x.right_kN, y.right_kN}})
            EXPECT_NEAR(u, v, 1e-9 * all.totalLoad_kN) << "storey " << s;
    }
}

INSTANTIATE_TEST_SUITE_P(Panels, Supports, testing::ValuesIn(kSupports),
                         [](const auto& info) { return std::string(info.param.name); });

// Two equal storeys pinned at the top and the base under a uniform load mirror each other
// about the slab between them: each takes the same share of the slab's reaction and the same
// moment over it.
TEST(IntermediateSlab, MirroredStoreysShareItsReactionEqually) {
    Panel p = panelOf(6, {3.5, 3.5}, P, F, P, P);
    p.load = {{0, 7, 30, 30}};
    const PanelResult r = analysePanelOnMesh(p, 1);
    const StoreyResult &upper = r.storeys[0], &lower = r.storeys[1];
    const double tolerance = 1e-9 * r.totalLoad_kN;
    EXPECT_NEAR(upper.reactions.bottom_kN, lower.reactions.top_kN, tolerance);
    EXPECT_NEAR(upper.reactions.top_kN, lower.reactions.bottom_kN, tolerance);
    EXPECT_NEAR(upper.reactions.left_kN, lower.reactions.left_kN, tolerance);
    EXPECT_NEAR(upper.reactions.right_kN, lower.reactions.right_kN, tolerance);
    ASSERT_TRUE(upper.vertical.bottom && lower.vertical.top);
    EXPECT_NEAR(upper.vertical.bottom->M_kNm_per_m, lower.vertical.top->M_kNm_per_m,
                1e-9 * std::abs(lower.vertical.top->M_kNm_per_m));
    EXPECT_NEAR(upper.vertical.bottom->x_m, lower.vertical.top->x_m, 1e-6);
}

// A mesh twice as fine as the converged one changes no governing moment by more than the
// tolerance (relative to the moment, or to 5 % of the largest where the moment is smaller).
class Refinement : public testing::TestWithParam<SupportCase> {};

TEST_P(Refinement, TwiceAsFineStaysWithinTheTolerance) {
    const Panel p = loaded(GetParam());
    const PanelOptions options;
    const PanelResult r = analysePanel(p, options);
    ASSERT_TRUE(r.converged) << "remaining change " << r.remaining;
    EXPECT_LE(r.remaining, options.tolerance);
    const std::vector<double> converged = governing(r);
    int twiceAsFine = r.mesh.level + 1;
    while (meshRefinement(twiceAsFine) < 2 * r.mesh.refinement)
        ++twiceAsFine;
    ASSERT_EQ(meshRefinement(twiceAsFine), 2 * r.mesh.refinement);
    const std::vector<double> finer = governing(analysePanelOnMesh(p, twiceAsFine));
    double largest = 0;
    for (double m : finer)
        largest = std::max(largest, std::abs(m));
    for (std::size_t i = 0; i < finer.size(); ++i)
        EXPECT_LE(std::abs(finer[i] - converged[i]),
                  options.tolerance * std::max(std::abs(finer[i]), 0.05 * largest))
            << "governing moment " << i % 6 << " of storey " << i / 6;
}

const SupportCase kRefined[] = {
    {"OneStoreyCantileverFixedSides", 6, {4.0}, F, F, R, F},
    {"TwoStoreysFreeLeft", 4.5, {3.0, 3.5}, R, F, P, F},
    {"ThreeStoreysFixedSidesPinnedTop", 6, {3.6, 4.2, 4.5}, F, F, P, F},
};

INSTANTIATE_TEST_SUITE_P(Panels, Refinement, testing::ValuesIn(kRefined),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
