#pragma once
// The solved plate: the deflection field of the finite-element mesh and the bending
// moments it gives anywhere on the panel, for the governing values and for a colour map.
#include <vector>

namespace wallcalc::plate {

// Bending moments per metre (kN·m/m), positive when the inner face is in tension:
// horizontal = Mx = −D·(w,xx + ν·w,zz), bending along the width (horizontal bars);
// vertical = Mz = −D·(w,zz + ν·w,xx), bending over the height (vertical bars).
struct PlateMoments {
    double horizontal_kNm_per_m = 0;
    double vertical_kNm_per_m = 0;
};

// The mesh and its solution: grid lines in x (m from the left side) and in depth (m below
// the panel's top, every slab on a line), and at each node the deflection w, w,x, w,z and
// w,xz, stored by Hermite index: gx = 2·column + (0 value | 1 slope in x), gz likewise in
// depth, dof[gz·(2·columns + 2) + gx].
struct PlateField {
    std::vector<double> xLines_m;
    std::vector<double> zLines_m;
    std::vector<int> firstRowOfStorey;  // element rows of storey i: [first[i], first[i + 1])
    std::vector<double> rigidity_kNm;   // D = E·t³/(12·(1 − ν²)) of each storey
    double poisson = 0;
    std::vector<double> dof;

    int columns() const { return static_cast<int>(xLines_m.size()) - 1; }
    int rows() const { return static_cast<int>(zLines_m.size()) - 1; }
    int storeyCount() const { return static_cast<int>(firstRowOfStorey.size()) - 1; }
    double storeyTop_m(int storey) const { return zLines_m[firstRowOfStorey[storey]]; }
    double storeyBottom_m(int storey) const { return zLines_m[firstRowOfStorey[storey + 1]]; }
};

// The moments in a storey (0 the top one; std::out_of_range for no such storey) at x (m from
// the left side) and z (m below the storey's top), both clamped to the storey; on a slab line
// each storey gives its own side's value.
PlateMoments momentsAt(const PlateField& field, int storey, double x_m, double z_m);

// The deflection toward the inner face (m when E was given) at x and depth (below the
// panel's top).
double deflectionAt(const PlateField& field, double x_m, double depth_m);

// The moments on a regular grid for a colour map: columns + 1 points across the width and
// rowsPerStorey + 1 down each storey (both of its edges included).
struct StoreyMomentMap {
    std::vector<double> z_m;  // below the storey's top
    // [row][column] of the grid
    std::vector<std::vector<PlateMoments>> moments;
};
struct MomentMap {
    std::vector<double> x_m;
    std::vector<StoreyMomentMap> storeys;
};
MomentMap momentMap(const PlateField& field, int columns, int rowsPerStorey);

}  // namespace wallcalc::plate
