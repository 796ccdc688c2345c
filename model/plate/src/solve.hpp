#pragma once
// The plate's equations K·u = F on a mesh, solved by a band Cholesky factorisation.
#include <memory>
#include <vector>

#include "line_operators.hpp"
#include "mesh.hpp"
#include "wallcalc/plate/panel.hpp"

namespace wallcalc::plate::detail {

// The line operators of a panel on a mesh: across the width, down each storey (each with its
// own rigidity and its part of the load) and down the whole height (their sum).
struct PlateOperators {
    LineOperators width;
    std::vector<LineOperators> storeys;
    LineOperators depth;
    std::vector<double> rigidity_kNm;  // of each storey
};
PlateOperators plateOperators(const Panel& panel, const MeshLines& lines);

// The plate's equations on a mesh, factorised once; the deflections under any load that is
// uniform along the width, each from that one factorisation (the combinations of a wall
// share their mesh and supports and differ only in the pressure down the depth).
//
// With `mirrored` (equal sides, lines mirrored about mid-width, an even number of elements
// across) only the left half is solved, its middle line held against slope across
// (w,x = w,xz = 0), and the right half is its mirror image: the half's equations are the
// whole's restricted to symmetric deflections, so the result is the same, for an eighth of
// the factorisation's work.
class DeflectionSolver {
  public:
    DeflectionSolver(const PlateOperators& ops, const MeshLines& lines, const HeldIndices& held,
                     bool mirrored);
    ~DeflectionSolver();
    DeflectionSolver(const DeflectionSolver&) = delete;
    DeflectionSolver& operator=(const DeflectionSolver&) = delete;

    // The node unknowns in PlateField's layout, the held ones zero, under the load whose
    // depth vector Fz is `depthLoad` (LineOperators::load of the depth operators).
    std::vector<double> deflections(const std::vector<double>& depthLoad) const;
    // The number of unknowns solved for.
    int unknowns() const;

    struct Factor;  // the factorised equations, opaque outside solve.cpp

  private:
    std::unique_ptr<Factor> factor_;
};
}  // namespace wallcalc::plate::detail
