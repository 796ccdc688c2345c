// A face's bars: the properties a checker asks of them, over a table of walls.
#include <gtest/gtest.h>

#include <algorithm>

#include "wallcalc/design/face.hpp"

namespace {

using namespace wallcalc::design;

struct FaceRow {
    const char* name;
    const char* concrete;
    const char* steel;
    double M, Mq, h, c, spacing, AsMin;
    CrackGrowth growth;
};

Materials of(const FaceRow& r) {
    return *materials(r.concrete, r.steel, Works::Ordinary);
}

FaceInput inputOf(const FaceRow& r) {
    FaceInput in;
    in.M = r.M;
    if (r.Mq > 0) in.Mq = r.Mq;
    in.thickness = r.h;
    in.cover = r.c;
    in.spacing = r.spacing;
    in.limit = 0.2;
    in.AsMin = r.AsMin;
    in.materials = of(r);
    in.sizes = r.growth == CrackGrowth::ByMillimetre ? std::span<const int>(kPressSizes)
                                                     : std::span<const int>(kStandardSizes);
    in.growth = r.growth;
    return in;
}

double needAt(const FaceInput& in, int d) {
    const double h0 = effectiveDepth(in.thickness, in.cover, d);
    return std::max(flexure(in.M, h0, in.materials.alpha1fc(), in.materials.fy()).As, in.AsMin);
}

class Faces : public testing::TestWithParam<FaceRow> {};

// The strength bars carry what they need at their own h0, and no smaller size carries what
// it would need at its own; the bars placed meet the crack limit, and the size below them
// (where the bars grew) did not.
TEST_P(Faces, AreTheSmallestThatHoldAtTheirOwnDepth) {
    const FaceInput in = inputOf(GetParam());
    const FaceDesign f = designFace(in);
    ASSERT_TRUE(f.strengthBars);
    const int d = f.strengthBars->d;
    EXPECT_DOUBLE_EQ(f.strength.h0, effectiveDepth(in.thickness, in.cover, d));
    EXPECT_GE(f.strengthBars->area, needAt(in, d));
    for (const int smaller : in.sizes) {
        if (smaller >= d) break;
        EXPECT_LT(barArea(smaller, in.spacing), needAt(in, smaller)) << smaller << " mm would do";
    }
    ASSERT_TRUE(f.placed);
    if (!in.Mq) return;
    ASSERT_TRUE(f.crack);
    EXPECT_TRUE(f.crackMet);
    EXPECT_LE(f.crack->w, in.limit);
    EXPECT_EQ(f.crack->d, f.placed->d);
    if (f.placed->d > d) {
        const int below = in.growth == CrackGrowth::ByMillimetre ? f.placed->d - 1 : d;
        const CrackSection s{*in.Mq,
                             in.thickness,
                             in.cover,
                             in.materials.concrete->ftk,
                             in.materials.steel->Es,
                             in.materials.steel->plain};
        EXPECT_GT(crackWidth(s, below, barArea(below, in.spacing)).w, in.limit);
    }
}

INSTANTIATE_TEST_SUITE_P(Walls, Faces,
                         testing::Values(FaceRow{"DefaultsHPB300", "C15", "HPB300", 139.74, 101.435,
                                                 350, 50, 100, 700, CrackGrowth::ByMillimetre},
                                         FaceRow{"C30HRB400", "C30", "HRB400", 139.74, 101.435, 350,
                                                 50, 100, 700, CrackGrowth::ByMillimetre},
                                         FaceRow{"MinimumGoverns", "C30", "HRB400", 20, 15, 600, 50,
                                                 100, 1200, CrackGrowth::NextSize},
                                         FaceRow{"StandardSizesGrowForCrack", "C25", "HRB335", 200,
                                                 170, 350, 50, 150, 700, CrackGrowth::NextSize},
                                         FaceRow{"CivilDefenceNoCrackCheck", "C30", "HRB400", 250,
                                                 0, 400, 50, 100, 800, CrackGrowth::NextSize}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Face, NoSizeFitsLeavesNoBarsAndStrengthFails) {
    FaceRow r{"", "C20", "HRB335", 301.467, 211.054, 400, 30, 150, 800, CrackGrowth::ByMillimetre};
    const FaceDesign f = designFace(inputOf(r));
    EXPECT_FALSE(f.strengthBars);
    EXPECT_FALSE(f.strengthOk());
    EXPECT_DOUBLE_EQ(f.strength.h0, 400 - 30 - 25 / 2.0) << "As at the largest bar's h0";
    EXPECT_NEAR(f.strength.As, 3281.53, 0.01) << "M typed to three decimals here";
}

TEST(Face, AMomentThatTheSectionCannotCarryIsNotStrong) {
    FaceRow r{"", "C15", "HPB300", 900, 0, 250, 50, 100, 500, CrackGrowth::ByMillimetre};
    const FaceDesign f = designFace(inputOf(r));
    EXPECT_TRUE(f.strength.tooSmall);
    EXPECT_FALSE(f.strengthOk());
}

}  // namespace
