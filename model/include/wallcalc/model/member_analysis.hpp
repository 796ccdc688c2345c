#pragma once
// The wall strip as a continuous member over its supports: the top (pinned, fixed or free),
// the intermediate slabs (pinned lateral supports the member runs continuous over) and the
// base (fixed or pinned). Each span has its own bending stiffness EI (∝ h³ of its storey) and
// carries a load of straight pieces. Solved exactly: the three-moment equation in the
// support moments, with the end rotations of each span under its pieces in closed form;
// the forces inside a span follow from the pieces in closed form.
//
// Signs: x the depth below the member's top; the load pushes toward the basement; a moment
// is positive when the inner face (away from the earth) is in tension; the shear is
// V = dM/dx; a reaction is positive when the support pushes the wall toward the earth, so
// that the reactions sum to the total load.
#include <array>
#include <cstddef>
#include <optional>
#include <span>

#include "wallcalc/model/names.hpp"
#include "wallcalc/model/piecewise_load.hpp"
#include "wallcalc/model/wall_model.hpp"

namespace wallcalc::model {

struct Member {
    std::size_t spans = 0;  // 1 … kMaxStoreys
    // Depth of each support below the member's top (m), strictly increasing, spans + 1 values.
    std::array<double, kMaxStoreys + 1> depth{};
    // EI of each span in any one unit (only their ratios count), each > 0.
    std::array<double, kMaxStoreys> stiffness{};
    TopSupport top = TopSupport::Pinned;
    BaseSupport base = BaseSupport::Fixed;

    double length(std::size_t span) const { return depth[span + 1] - depth[span]; }
};

// Whether the member can be analysed: 1 … kMaxStoreys spans of finite positive length and
// stiffness, and not a mechanism (a free top over a pinned base with one span).
bool analysable(const Member& member);

// The largest inner-face moment of a span and where it is.
struct SpanMoment {
    double moment = 0;  // kN·m/m, > 0
    double depth = 0;   // below the span's top (m)
};

struct SpanForces {
    double momentTop = 0;     // kN·m/m at the span's top support
    double momentBottom = 0;  // at its bottom support
    // The largest moment in the span where it puts the inner face in tension; none where
    // the inner face is nowhere in tension.
    std::optional<SpanMoment> spanMoment;
    double shearTop = 0;     // kN/m, just below the top support
    double shearBottom = 0;  // just above the bottom support
    double load = 0;         // the resultant of the span's load W = ∫p dt (kN/m)
    double loadMoment = 0;   // S = ∫p·t dt about the span's top (kN·m/m)
    // Six·EI·L times the end rotations of the span simply supported under its load:
    // A = ∫p·t·(L − t)·(2L − t) dt at its top, B = ∫p·t·(L − t)·(L + t) dt at its bottom.
    double rotationTop = 0, rotationBottom = 0;
};

// The equation of one support moment, as set up before it is solved:
//   lower·M(j−1) + diag·M(j) + upper·M(j+1) = rhs,
// or, where `known`, M(j) = rhs (a pinned or free end, the moment over a free top's slab).
struct SupportEquation {
    double lower = 0, diag = 0, upper = 0, rhs = 0;
    bool known = false;
};

class MemberAnalysis {
  public:
    std::size_t spanCount() const { return member_.spans; }
    const Member& member() const { return member_; }
    const PiecewiseLoad& load() const { return load_; }
    std::span<const SpanForces> spans() const { return {spans_.data(), member_.spans}; }
    const SpanForces& span(std::size_t i) const { return spans_[i]; }
    // The reaction of every support, top to base (a free top with 0), kN/m.
    std::span<const double> reactions() const { return {reactions_.data(), member_.spans + 1}; }
    // The load on the member, between its top and its base (kN/m).
    double totalLoad() const { return total_; }
    // The equations the support moments solve, top to base.
    std::span<const SupportEquation> equations() const {
        return {equations_.data(), member_.spans + 1};
    }

    // M and V at depth t below the top of span i (0 ≤ t ≤ its length).
    double momentIn(std::size_t span, double t) const;
    double shearIn(std::size_t span, double t) const;
    // M and V at depth x below the member's top: in the span below a support at the
    // support (the last span at the base), 0 outside the member.
    double moment(double x) const;
    double shear(double x) const;

    friend std::optional<MemberAnalysis> analyse(const Member& member, const PiecewiseLoad& load);

  private:
    struct AtPoint {
        double moment = 0, shear = 0;
    };
    AtPoint forcesIn(std::size_t span, double t) const;
    std::optional<std::size_t> spanAt(double x) const;
    std::optional<SpanMoment> largestInner(std::size_t span) const;

    Member member_;
    PiecewiseLoad load_;
    std::array<SpanForces, kMaxStoreys> spans_{};
    std::array<double, kMaxStoreys + 1> reactions_{};
    std::array<SupportEquation, kMaxStoreys + 1> equations_{};
    double total_ = 0;
};

// The member under the load (the part of it between the member's top and base); none for a
// member that is not analysable.
std::optional<MemberAnalysis> analyse(const Member& member, const PiecewiseLoad& load);

}  // namespace wallcalc::model
