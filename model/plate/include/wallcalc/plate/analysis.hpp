#pragma once
// A wall panel analysed as a Kirchhoff thin plate by finite elements, on meshes refined until
// the governing moments settle: per storey the vertical moments at its top and bottom
// supports and in its span, the horizontal moments at its side supports and in its span, and
// the total reaction of each of its edges.
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "wallcalc/plate/field.hpp"
#include "wallcalc/plate/panel.hpp"

namespace wallcalc::plate {

// A governing moment (kN·m/m, positive when the inner face is in tension) and where it is:
// x m from the left side, z m below the storey's top.
struct PanelMoment {
    double M_kNm_per_m = 0;
    double x_m = 0;
    double z_m = 0;
};

// A support value is the one of largest magnitude along that supported edge (nothing for a
// free edge; 0 at mid-edge for a pinned outer edge, which carries no moment); a span value
// is the largest inner-face (positive) moment over the storey, nothing where none is
// positive.
struct VerticalMoments {
    std::optional<PanelMoment> top, span, bottom;
};
struct HorizontalMoments {
    std::optional<PanelMoment> left, span, right;
};

// The total force (kN) each edge of a storey takes from the wall, positive when it holds the
// wall against the load; all edges of all storeys together balance the total load. An
// intermediate slab's reaction is split between the storey above (its bottom) and the storey
// below (its top) by each storey's own elements; a corner node between two supported edges
// of a storey gives each edge half of its force.
struct EdgeReactions {
    double top_kN = 0;
    double bottom_kN = 0;
    double left_kN = 0;
    double right_kN = 0;
    // The largest reaction per metre along each edge (kN/m): each node's force over the
    // length it stands for (half of each element beside it), corner nodes left out (a
    // corner of two held edges takes the plate's concentrated corner force); 0 for an edge
    // not held. Converges to the edge's peak line reaction as the mesh is refined.
    double topPeak_kN_per_m = 0;
    double bottomPeak_kN_per_m = 0;
    double leftPeak_kN_per_m = 0;
    double rightPeak_kN_per_m = 0;
};

struct StoreyResult {
    VerticalMoments vertical;
    HorizontalMoments horizontal;
    EdgeReactions reactions;
};

// The mesh the results come from: elements across the width and down each storey, its
// level and how many elements it has in place of each element of level 0 along each
// direction (1, 2, 3, 4, 5, 6, 8, … by level), and its unknowns.
struct PanelMesh {
    int level = 0;
    int refinement = 1;
    int across = 0;
    std::vector<int> perStorey;
    int unknowns = 0;
};

struct PanelOptions {
    // The largest estimated change of a governing moment that further refinement would still
    // bring, relative, at which the mesh is taken as converged.
    double tolerance = 0.005;
    // No mesh beyond this many node unknowns solved for (those of the half where the sides
    // are equal; never beyond 60000); the result then says it did not converge.
    int maxUnknowns = 30000;
    // With equal sides, solve the panel's half against its mirror image about mid-width (the
    // same deflections for an eighth of the work); off to solve the whole, as a check.
    bool mirrorEqualSides = true;
};

// Changes of the governing moments are taken relative to each moment, or to 5 % of the
// panel's largest governing moment where the moment is smaller.
struct PanelResult {
    std::vector<StoreyResult> storeys;
    PanelMesh mesh;
    // The largest change of a governing moment from the mesh before.
    double change = 0;
    // The estimated change further refinement would still bring: the last change divided by
    // ((c/b)ᵖ − 1), b and c the refinements of the last two meshes and p the order the ratio
    // of the last two changes of that moment shows, taken between 2 and 3 (the element's
    // recovered moments converge at second to third order), 2 where the two changes differ in
    // sign.
    double remaining = 0;
    bool converged = false;
    double totalLoad_kN = 0;  // the pressure integrated over the panel
    PlateField field;
};

// Thrown for a panel checkPanel refuses; nothing is computed.
class PanelRejected : public std::invalid_argument {
  public:
    explicit PanelRejected(PanelInputError error)
        : std::invalid_argument(error.message), key(std::move(error.key)) {}
    std::string key;
};

// Meshes of levels 1, 2, 3, … until the estimated remaining change of the governing moments
// is within the tolerance (at least three meshes, so that the rate is seen), or the mesh limit
// is reached; the results are the finest mesh's.
PanelResult analysePanel(const Panel& panel, const PanelOptions& options = {});

// One mesh of the given level (0 the coarsest), for checking convergence; change and
// remaining are left 0, converged false. std::invalid_argument for a level below 0 or one
// whose mesh would exceed 60000 node unknowns.
PanelResult analysePanelOnMesh(const Panel& panel, int level, const PanelOptions& options = {});

// The panel under its own load on meshes refined until converged, as analysePanel, and
// under each of `others` on the mesh it converged on (or the finest, where it did not), all
// from that mesh's one factorisation: the combinations of a wall share mesh and supports.
// The results in order: the panel's own load, then `others`; each carries the first's
// change, remaining and converged.
std::vector<PanelResult> analysePanelUnder(const Panel& panel,
                                           const std::vector<std::vector<LoadPiece>>& others,
                                           const PanelOptions& options = {});

// Each load on one mesh of the given level, from one factorisation; as analysePanelOnMesh.
std::vector<PanelResult> analysePanelOnMesh(const Panel& panel, int level,
                                            const std::vector<std::vector<LoadPiece>>& loads,
                                            const PanelOptions& options = {});

// How many elements a mesh of the level has in place of each element of level 0 along each
// direction; std::invalid_argument for no such level.
int meshRefinement(int level);

}  // namespace wallcalc::plate
