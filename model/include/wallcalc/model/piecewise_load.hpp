#pragma once
// A lateral load on the one-metre wall strip over its height: straight pieces, each with its
// own values at its two ends, so that the load may jump from one piece to the next (where
// the surcharge starts at the ground, or a storey's civil-defence load changes). x is the
// depth below the top of the wall (m), the pressure acts toward the basement (kN/m on the
// strip, the kN/m2 of the pressure times the strip's 1 m). Held in place: no allocation.
#include <array>
#include <cstddef>
#include <span>

namespace wallcalc::model {

struct LoadPiece {
    double x0 = 0, x1 = 0;  // depths of its ends (m), x0 < x1
    double p0 = 0, p1 = 0;  // pressures at x0 and x1 (kN/m)

    double length() const { return x1 - x0; }
    // The pressure at x on the piece's line (exact at its two ends).
    double at(double x) const;
    double total() const { return 0.5 * (p0 + p1) * (x1 - x0); }
    bool operator==(const LoadPiece&) const = default;
};

class PiecewiseLoad {
  public:
    // Enough for five storeys with the ground and two water levels inside the wall (eight
    // pieces) with room to spare.
    static constexpr std::size_t kCapacity = 16;

    // Appends a piece below the last one (a gap between them carries no load). Refuses, and
    // leaves the load as it was, a piece that is not finite, has no length, starts above
    // the end of the last one, or does not fit.
    [[nodiscard]] bool add(const LoadPiece& piece);

    std::span<const LoadPiece> pieces() const { return {pieces_.data(), count_}; }
    bool empty() const { return count_ == 0; }
    // The pressure at depth x: of the piece that starts at or above x and ends below it
    // (at a jump, the value just below x), the last piece's end value at its end, and 0
    // outside every piece.
    double at(double x) const;
    // The resultant (kN per metre of wall).
    double total() const;
    bool operator==(const PiecewiseLoad& other) const;

  private:
    std::array<LoadPiece, kCapacity> pieces_{};
    std::size_t count_ = 0;
};

}  // namespace wallcalc::model
