#pragma once
// The plate's equations K·u = F on a mesh, solved by a band Cholesky factorisation.
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

// The node unknowns in PlateField's layout, the held ones zero; `unknowns` receives the
// number solved for. With `mirrored` (equal sides, lines mirrored about mid-width, an even
// number of elements across) only the left half is solved, its middle line held against
// slope across (w,x = w,xz = 0), and the right half is its mirror image: the half's equations
// are the whole's restricted to symmetric deflections, so the result is the same, for an
// eighth of the factorisation's work.
std::vector<double> solveDeflections(const PlateOperators& ops, const MeshLines& lines,
                                     const HeldIndices& held, bool mirrored, int& unknowns);

}  // namespace wallcalc::plate::detail
