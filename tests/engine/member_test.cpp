// Member forces of the propped strip against an independent reference: the same
// pressure integrated numerically with the fixed-end kernel ξ·(L² − ξ²)/(2·L²), and the
// span moment found on a fine grid.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "wallcalc/engine/member.hpp"

namespace {

using wallcalc::analyse;
using wallcalc::MemberForces;
using wallcalc::PressureDiagram;

// Composite Simpson over [0, L] with n (even) intervals.
template <typename F>
double integrate(F f, double L, int n = 20000) {
    const double h = L / n;
    double sum = f(0) + f(L);
    for (int i = 1; i < n; ++i)
        sum += f(i * h) * (i % 2 ? 4 : 2);
    return sum * h / 3;
}

MemberForces reference(const PressureDiagram& p) {
    MemberForces f;
    const double L = p.L;
    f.MB = integrate([&](double x) { return p.at(x) * x * (L * L - x * x) / (2 * L * L); }, L);
    f.total = integrate([&](double x) { return p.at(x); }, L);
    f.R = (integrate([&](double x) { return p.at(x) * (L - x); }, L) - f.MB) / L;
    f.VB = f.total - f.R;
    // M(x) = R·x − ∫₀ˣ p(s)·(x − s) ds on a grid of 4000 steps; the span moment is its
    // largest sagging peak within the span (not the moment at either end).
    std::vector<double> m(4001);
    for (int i = 0; i <= 4000; ++i) {
        const double x = L * i / 4000;
        m[i] = f.R * x - integrate([&](double s) { return p.at(s) * (x - s); }, x, 400);
    }
    for (int i = 1; i < 4000; ++i) {
        if (m[i] >= m[i - 1] && m[i] >= m[i + 1] && m[i] > f.MA) {
            f.MA = m[i];
            f.xA = L * i / 4000;
        }
    }
    return f;
}

struct Diagram {
    const char* name;
    PressureDiagram p;
};

const Diagram kDiagrams[] = {
    {"DefaultsCaseA", {28.5, 14, 14, 0, 3.85}},
    {"DefaultsCaseBWaterAt3_5", {23, 9, 14, 1.05, 3.85}},
    {"DefaultsCaseC", {23, 9, 9, 0, 3.85}},
    {"CivilDefenceCaseA", {78.5, 14, 14, 0, 3.85}},
    {"UniformOnly", {10, 0, 0, 0, 4}},
    {"TriangleOnly", {0, 12, 12, 0, 4}},
    {"SecondSlopeFromTheTop", {5, 9, 14, 0, 3.85}},
    {"SecondSlopeNeverReached", {5, 9, 14, 3.85, 3.85}},
    {"WaterLevelLowInTheWall", {5, 9, 14, 3.5, 3.85}},
    {"UpliftAtTheTop", {-20, 14, 14, 0, 3.85}},
    {"SuctionEverywhere", {-10, -50, -45, 1, 3.85}},
    {"TallWall", {30, 14, 14, 0, 12}},
};

class MemberTest : public ::testing::TestWithParam<Diagram> {};

TEST_P(MemberTest, ClosedFormsAgreeWithNumericalIntegration) {
    const PressureDiagram& p = GetParam().p;
    const MemberForces got = analyse(p);
    const MemberForces want = reference(p);
    const double scale = std::abs(p.p0) * p.L * p.L + std::abs(p.k2) * p.L * p.L * p.L + 1;
    EXPECT_NEAR(got.MB, want.MB, 1e-9 * scale);
    EXPECT_NEAR(got.R, want.R, 1e-9 * scale);
    EXPECT_NEAR(got.VB, want.VB, 1e-9 * scale);
    EXPECT_NEAR(got.total, want.total, 1e-9 * scale);
    EXPECT_NEAR(got.MA, want.MA, 1e-6 * scale) << "at x " << got.xA << " / " << want.xA;
    if (want.MA > 1e-6 * scale) {
        EXPECT_NEAR(got.xA, want.xA, 2 * p.L / 4000);
    }
    EXPECT_GE(got.MA, 0.0);
}

INSTANTIATE_TEST_SUITE_P(Rows, MemberTest, ::testing::ValuesIn(kDiagrams),
                         [](const auto& info) { return std::string(info.param.name); });

// The worked figures of the default wall: base moment 106.067, R 61.898, V_B 151.584,
// M_A 53.026 at 1.568 m.
TEST(Member, TheDefaultWall) {
    const MemberForces f = analyse({28.5, 14, 14, 0, 3.85});
    EXPECT_NEAR(f.MB, 106.067, 5e-4);
    EXPECT_NEAR(f.R, 61.898, 5e-4);
    EXPECT_NEAR(f.VB, 151.584, 5e-4);
    EXPECT_NEAR(f.MA, 53.026, 5e-4);
    EXPECT_NEAR(f.xA, 1.568, 5e-4);
}

}  // namespace
