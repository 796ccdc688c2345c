// The continuous member against the textbook results of beams with constant or stepped EI:
// support moments, reactions and the largest span moment with its depth.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <ostream>
#include <vector>

#include "wallcalc/model/member_analysis.hpp"

namespace {

using namespace wallcalc::model;

constexpr double q = 12;  // kN/m
constexpr double L = 4;   // m, every span

// A row in units of q and L: pieces {x0/L, x1/L, p0/q, p1/q}, moments in qL², reactions in
// qL, the first span's largest inner-face moment in qL² at a depth in L.
struct TextbookRow {
    const char* name;
    TopSupport top;
    BaseSupport base;
    std::vector<double> stiffness;  // EI of each span
    std::vector<LoadPiece> pieces;
    std::vector<double> moments;  // at the supports, top to base
    std::vector<double> reactions;
    std::optional<SpanMoment> firstSpan;
};
void PrintTo(const TextbookRow& row, std::ostream* out) {
    *out << row.name;
}

Member member(TopSupport top, BaseSupport base, const std::vector<double>& stiffness) {
    Member m;
    m.spans = stiffness.size();
    m.top = top;
    m.base = base;
    for (std::size_t i = 0; i < m.spans; ++i) {
        m.depth[i + 1] = m.depth[i] + L;
        m.stiffness[i] = stiffness[i];
    }
    return m;
}

class Textbook : public ::testing::TestWithParam<TextbookRow> {};

TEST_P(Textbook, SupportMomentsReactionsAndSpanMoment) {
    const TextbookRow& r = GetParam();
    PiecewiseLoad load;
    for (const LoadPiece& p : r.pieces)
        ASSERT_TRUE(load.add({p.x0 * L, p.x1 * L, p.p0 * q, p.p1 * q}));
    const auto a = analyse(member(r.top, r.base, r.stiffness), load);
    ASSERT_TRUE(a);
    ASSERT_EQ(r.moments.size(), a->spanCount() + 1);
    for (std::size_t j = 0; j < r.moments.size(); ++j) {
        const double m = j < a->spanCount() ? a->span(j).momentTop : a->span(j - 1).momentBottom;
        EXPECT_NEAR(m, r.moments[j] * q * L * L, 1e-9) << "support " << j;
        EXPECT_NEAR(a->reactions()[j], r.reactions[j] * q * L, 1e-9) << "support " << j;
    }
    const auto& span = a->span(0).spanMoment;
    ASSERT_EQ(span.has_value(), r.firstSpan.has_value());
    if (span) {
        EXPECT_NEAR(span->moment, r.firstSpan->moment * q * L * L, 1e-9);
        EXPECT_NEAR(span->depth, r.firstSpan->depth * L, 1e-9);
    }
}

constexpr auto Pinned = TopSupport::Pinned, Fixed = TopSupport::Fixed, Free = TopSupport::Free;
constexpr auto BaseFixed = BaseSupport::Fixed, BasePinned = BaseSupport::Pinned;
const double r5 = std::sqrt(5.0);
// Pinned–fixed under a uniform load over the lower part b = 5/8 only (a jump at 3/8): the
// base moment of the propped strip's closed form b²(2 − b)²/8, the top reaction by moments
// about the base, the span moment where the shear is zero.
constexpr double b = 0.625, MB = b * b * (2 - b) * (2 - b) / 8, Rt = b * b / 2 - MB;
constexpr double xA = 1 - b + Rt;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, Textbook, ::testing::Values(
    TextbookRow{"FixedFixedUniform", Fixed, BaseFixed, {1}, {{0, 1, 1, 1}},
                {-1 / 12., -1 / 12.}, {0.5, 0.5}, SpanMoment{1 / 24., 0.5}},
    TextbookRow{"FixedFixedUniformInUnevenPieces", Fixed, BaseFixed, {1},
                {{0, 0.2, 1, 1}, {0.2, 0.7, 1, 1}, {0.7, 1, 1, 1}},
                {-1 / 12., -1 / 12.}, {0.5, 0.5}, SpanMoment{1 / 24., 0.5}},
    TextbookRow{"PinnedFixedUniform", Pinned, BaseFixed, {1}, {{0, 1, 1, 1}},
                {0, -1 / 8.}, {3 / 8., 5 / 8.}, SpanMoment{9 / 128., 3 / 8.}},
    TextbookRow{"FixedPinnedUniform", Fixed, BasePinned, {1}, {{0, 1, 1, 1}},
                {-1 / 8., 0}, {5 / 8., 3 / 8.}, SpanMoment{9 / 128., 5 / 8.}},
    TextbookRow{"PinnedFixedTriangleToTheBase", Pinned, BaseFixed, {1}, {{0, 1, 0, 1}},
                {0, -1 / 15.}, {0.1, 0.4}, SpanMoment{r5 / 75, 1 / r5}},
    TextbookRow{"PinnedFixedUniformOverTheLowerPart", Pinned, BaseFixed, {1}, {{1 - b, 1, 1, 1}},
                {0, -MB}, {Rt, b - Rt}, SpanMoment{Rt * xA - Rt * Rt / 2, xA}},
    // Equal spans under equal loads: qL²/8 over the middle support whatever the stiffness.
    TextbookRow{"TwoSpansUniform", Pinned, BasePinned, {1, 8}, {{0, 2, 1, 1}},
                {0, -1 / 8., 0}, {3 / 8., 10 / 8., 3 / 8.}, SpanMoment{9 / 128., 3 / 8.}},
    TextbookRow{"TwoSpansUpperLoaded", Pinned, BasePinned, {1, 1}, {{0, 1, 1, 1}},
                {0, -1 / 16., 0}, {7 / 16., 10 / 16., -1 / 16.}, SpanMoment{49 / 512., 7 / 16.}},
    TextbookRow{"ThreeSpansUniform", Pinned, BasePinned, {1, 1, 1}, {{0, 3, 1, 1}},
                {0, -0.1, -0.1, 0}, {0.4, 1.1, 1.1, 0.4}, SpanMoment{0.08, 0.4}},
    TextbookRow{"CantileverUniform", Free, BaseFixed, {1}, {{0, 1, 1, 1}},
                {0, -0.5}, {0, 1}, std::nullopt},
    TextbookRow{"CantileverTriangle", Free, BaseFixed, {1}, {{0, 1, 0, 1}},
                {0, -1 / 6.}, {0, 0.5}, std::nullopt},
    // A free top over two spans: the overhang's qL²/2 over the first slab, carried by the
    // span below as an end moment.
    TextbookRow{"OverhangOverTwoPinnedSupports", Free, BasePinned, {1, 1}, {{0, 1, 1, 1}},
                {0, -0.5, 0}, {0, 1.5, -0.5}, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(MemberAnalysis, RefusesAMechanismAndAMemberWithoutSpans) {
    PiecewiseLoad load;
    ASSERT_TRUE(load.add({0, L, q, q}));
    EXPECT_FALSE(analyse(member(Free, BasePinned, {1}), load));
    EXPECT_FALSE(analyse(Member{}, load));
    EXPECT_FALSE(analyse(member(Pinned, BaseFixed, {0}), load));
}

}  // namespace
