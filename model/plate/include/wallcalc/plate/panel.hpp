#pragma once
// A basement wall panel spanning two ways: a rectangle of width W between its side supports
// (pilasters, columns, cross walls), its height made of storeys between slabs. Each storey
// has its own thickness; the wall runs continuous over the intermediate slabs, which hold it
// as line supports (no deflection, free rotation). The pressure on the outer face varies
// over the depth in linear pieces and is uniform along the width.
//
// Coordinates: x (m) from the left side support to the right, depth z (m) downward from
// the panel's top. The load pushes the wall toward its inner face.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wallcalc::plate {

// How an edge is held: fixed (no deflection, no rotation), pinned (no deflection, free
// rotation) or free.
enum class Edge { fixed, pinned, free };

// The name of an edge condition as the wall-model input writes it ("fixed", "pinned",
// "free"), and back; an unknown name gives nothing.
std::string_view edgeName(Edge edge);
std::optional<Edge> edgeNamed(std::string_view name);

struct PanelStorey {
    double height_m = 0;      // slab to slab
    double thickness_mm = 0;  // the wall's thickness in this storey
};

// One linear piece of the pressure (kN/m²): topPressure at topDepth, bottomPressure at
// bottomDepth (depths in m below the panel's top), nothing outside. Pieces add up, so a
// diagram with kinks and jumps is a list of pieces end to end.
struct LoadPiece {
    double topDepth_m = 0;
    double bottomDepth_m = 0;
    double topPressure_kPa = 0;
    double bottomPressure_kPa = 0;
};

struct Panel {
    double width_m = 0;
    Edge left = Edge::pinned;
    Edge right = Edge::pinned;
    Edge top = Edge::pinned;           // fixed, pinned or free (a wall with no roof slab)
    Edge base = Edge::fixed;           // fixed or pinned
    std::vector<PanelStorey> storeys;  // from the top down, 1 to 5
    std::vector<LoadPiece> load;
    // Poisson's ratio of concrete, νc = 0.2 (GB 50010-2010 4.1.8).
    double poisson = 0.2;
    // E (kN/m²) scales the deflection only: the moments and reactions under a given load do
    // not depend on it. The unit value gives deflections as E·w; pass the concrete's elastic
    // modulus (N/mm² × 1000) to read them in m.
    double elasticModulus_kPa = 1.0;
};

// Bad input: the key as the wall model's JSON names it ("panel.width", "panel.left",
// "storeys[1].thickness", …) and a message that says what to change.
struct PanelInputError {
    std::string key;
    std::string message;
};

// The first problem with the panel, or nothing when it can be analysed: every length and
// thickness positive and finite, 1 to 5 storeys, a base that is fixed or pinned, a load of
// finite pieces, ν in [0, 0.5), and supports that hold the panel (not a mechanism).
std::optional<PanelInputError> checkPanel(const Panel& panel);

}  // namespace wallcalc::plate
