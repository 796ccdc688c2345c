// A three-storey wall (storeys of 300, 350 and 450 mm, the top 0.3 m above the ground, the
// water inside the second storey, civil-defence loads in the lower two storeys) checked
// against the flexibility method worked here on its own: the wall as a cantilever from its
// base with the top and slab reactions as redundants, the deflections at the supports by
// virtual work, integrated numerically on a fine grid. Its figures stand in
// tests/golden/model/three_storeys.expected.txt for review.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "model_fixture.hpp"
#include "wallcalc/model/wall_analysis.hpp"

namespace {

using namespace wallcalc::model;
using testing_support::Factors;
using testing_support::pressureAt;

WallModel threeStoreys() {
    WallModel m = testing_support::wall({0.3, -3.6, -7.2, -11.0}, 0.0, -5.0);
    m.waterQuasi = -6.0;
    m.gamma = 18;
    m.gammaSat = 20;
    m.storeys = {{300, 50, 30, 0}, {350, 50, 30, 30}, {450, 50, 30, 50}};
    m.mode = "civil-defence";
    return m;
}

const std::array<Factors, kCombinationCount> kFactors = {{
    {1, 1, 0, false},      // characteristic
    {1.3, 1.5, 0, false},  // design, γ0 = 1
    {1, 0.5, 0, true},     // quasi-permanent
    {1.2, 0, 1.0, false},  // civil-defence
}};

// M and V (just below a support, at the base just above it) at every node of a fine grid,
// and the reactions of the supports.
struct Independent {
    std::vector<double> x, M, V;
    std::array<double, 4> R{};
};

// The flexibility method on the cantilever fixed at the base, redundants the reactions R at
// the top and at the two slabs (pushing toward the earth): Σ R·∫m·m/EI = −∫M0·m/EI, with
// m = (x − a)₊ the moment of a unit force at a, M0 and V0 those of the load on the cantilever.
Independent flexibility(const WallModel& m, const Factors& f) {
    const double top = m.slabs[0];
    std::vector<double> support;
    for (const double s : m.slabs)
        support.push_back(top - s);
    std::vector<double> marks = support;
    marks.push_back(top - m.ground);
    marks.push_back(top - (f.quasiWater ? *m.waterQuasi : m.water));
    std::sort(marks.begin(), marks.end());

    constexpr int kCells = 3000;  // per stretch between marks
    Independent out;
    std::vector<double> M0 = {0}, cellEI;
    out.x = {0};
    out.V = {0};
    for (std::size_t k = 0; k + 1 < marks.size(); ++k) {
        const double h = (marks[k + 1] - marks[k]) / kCells;
        for (int c = 0; c < kCells; ++c) {
            const double mid = marks[k] + (c + 0.5) * h;
            std::size_t s = 0;
            while (mid > support[s + 1])
                ++s;
            const double V = out.V.back() - pressureAt(m, top - mid, s, f) * h;
            M0.push_back(M0.back() + 0.5 * (out.V.back() + V) * h);
            out.V.push_back(V);
            out.x.push_back(c + 1 == kCells ? marks[k + 1] : marks[k] + (c + 1) * h);
            cellEI.push_back(std::pow(m.storeys[s].thickness / 1000, 3));
        }
    }
    constexpr std::size_t R = 3;
    double F[R][R + 1] = {};
    for (std::size_t c = 0; c + 1 < out.x.size(); ++c) {
        const double mid = 0.5 * (out.x[c] + out.x[c + 1]);
        const double w = (out.x[c + 1] - out.x[c]) / cellEI[c];
        for (std::size_t r = 0; r < R; ++r) {
            const double mr = std::max(0.0, mid - support[r]);
            for (std::size_t s = 0; s < R; ++s)
                F[r][s] += mr * std::max(0.0, mid - support[s]) * w;
            F[r][R] -= mr * 0.5 * (M0[c] + M0[c + 1]) * w;
        }
    }
    for (std::size_t p = 0; p < R; ++p) {  // Gauss–Jordan on a small positive definite system
        for (std::size_t r = 0; r < R; ++r) {
            const double t = r == p ? 0 : F[r][p] / F[p][p];
            for (std::size_t c = p; c <= R; ++c)
                F[r][c] -= t * F[p][c];
        }
    }
    out.R[R] = -out.V.back();
    for (std::size_t r = 0; r < R; ++r) {
        out.R[r] = F[r][R] / F[r][r];
        out.R[R] -= out.R[r];
    }
    out.M = M0;
    for (std::size_t n = 0; n < out.x.size(); ++n) {
        for (std::size_t r = 0; r < R; ++r) {
            out.M[n] += out.R[r] * std::max(0.0, out.x[n] - support[r]);
            out.V[n] += out.x[n] >= support[r] ? out.R[r] : 0;
        }
    }
    return out;
}

TEST(ThreeStoreys, AgreesWithTheFlexibilityMethod) {
    const WallModel m = threeStoreys();
    const auto w = analyseWall(m);
    ASSERT_TRUE(w);
    constexpr double kForce = 2e-4, kDepth = 1e-3;  // kN·m/m and kN/m; m
    for (std::size_t c = 0; c < kCombinationCount; ++c) {
        SCOPED_TRACE("combination " + std::to_string(c));
        const Independent e = flexibility(m, kFactors[c]);
        const MemberAnalysis& a = w->combinations[c];
        for (std::size_t j = 0; j < 4; ++j)
            EXPECT_NEAR(a.reactions()[j], e.R[j], kForce) << "support " << j;
        std::array<SpanMoment, 3> largest{};
        for (std::size_t n = 0; n < e.x.size(); ++n) {
            ASSERT_NEAR(a.moment(e.x[n]), e.M[n], kForce) << "at x " << e.x[n];
            ASSERT_NEAR(a.shear(e.x[n]), e.V[n], kForce) << "at x " << e.x[n];
            const double y = m.slabs[0] - e.x[n];  // elevation
            const std::size_t s = y > m.slabs[1] ? 0 : y > m.slabs[2] ? 1 : 2;
            if (e.M[n] > largest[s].moment) largest[s] = {e.M[n], m.slabs[s] - y};
        }
        for (std::size_t i = 0; i < 3; ++i) {
            const auto& span = a.span(i).spanMoment;
            ASSERT_EQ(span.has_value(), largest[i].moment > 0) << "storey " << i;
            if (!span) continue;
            EXPECT_NEAR(span->moment, largest[i].moment, kForce) << "storey " << i;
            EXPECT_NEAR(span->depth, largest[i].depth, kDepth) << "storey " << i;
        }
    }
}

std::string fixed3(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", std::fabs(v) < 0.0005 ? 0.0 : v);
    return text;
}

// The figures as an engineer reviews them.
std::string figures(const WallModel& m, const WallAnalysis& w) {
    static constexpr const char* kNames[] = {
        "characteristic: earth + water at water + surcharge",
        "design: 1.0·(1.3·(earth + water at water) + 1.5·surcharge)",
        "quasi-permanent: earth + water at waterQuasi + 0.5·surcharge",
        "civil-defence: 1.2·(earth + water at water) + 1.0·qrf"};
    std::ostringstream out;
    out << "# Three-storey wall: slabs 0.3 / -3.6 / -7.2 / -11.0 m, thickness 300 / 350 / 450 mm,\n"
           "# top pinned, base fixed; ground 0.0 m, water -5.0 m, waterQuasi -6.0 m;\n"
           "# γ 18, γsat 20, γw 10 kN/m3, K0 0.5, surcharge 10 kN/m2, qrf 0 / 30 / 50 kN/m2.\n"
           "# Moments kN·m/m, positive when the inner face is in tension; reactions and shears\n"
           "# kN/m (reactions positive toward the earth); depths m below the storey's top.\n";
    for (std::size_t c = 0; c < kCombinationCount; ++c) {
        const MemberAnalysis& a = w.combinations[c];
        out << "\n" << kNames[c] << "\n  total load " << fixed3(a.totalLoad()) << "\n";
        for (std::size_t j = 0; j <= a.spanCount(); ++j) {
            const double M = j < a.spanCount() ? a.span(j).momentTop : a.span(j - 1).momentBottom;
            out << "  support slabs[" << j << "] " << fixed3(m.slabs[j]) << " m: moment "
                << fixed3(M) << ", reaction " << fixed3(a.reactions()[j]) << "\n";
        }
        for (std::size_t i = 0; i < a.spanCount(); ++i) {
            const SpanForces& s = a.span(i);
            out << "  storey " << i + 1 << ": span moment ";
            if (s.spanMoment) {
                out << fixed3(s.spanMoment->moment) << " at depth " << fixed3(s.spanMoment->depth);
            } else {
                out << "none";
            }
            out << ", shear top " << fixed3(s.shearTop) << ", bottom " << fixed3(s.shearBottom)
                << "\n";
        }
    }
    return out.str();
}

TEST(ThreeStoreys, FiguresAsTheGoldenFileHoldsThem) {
    const WallModel m = threeStoreys();
    const auto w = analyseWall(m);
    ASSERT_TRUE(w);
    const std::string path = std::string(WALLCALC_MODEL_GOLDEN_DIR) + "/three_storeys.expected.txt";
    const std::string actual = figures(m, *w);
    if (std::getenv("WALLCALC_UPDATE_GOLDEN") != nullptr) {
        std::ofstream(path, std::ios::binary) << actual;
        GTEST_SKIP() << "wrote " << path;
    }
    std::ifstream file(path, std::ios::binary);
    ASSERT_TRUE(file) << path;
    std::ostringstream expected;
    expected << file.rdbuf();
    EXPECT_EQ(actual, expected.str());
}

}  // namespace
