#pragma once
// The solved field evaluated inside one element.
#include "wallcalc/plate/field.hpp"

namespace wallcalc::plate::detail {

// A point of an element: its column and row, and s, t in [0, 1] across and down it.
struct ElementPoint {
    int column = 0;
    int row = 0;
    double s = 0;
    double t = 0;
};

int storeyOfRow(const PlateField& field, int row);

// The moments at a point, from the curvatures recovered from the elements' mean curvatures.
PlateMoments momentsIn(const PlateField& field, const ElementPoint& at);
double deflectionIn(const PlateField& field, const ElementPoint& at);

// The element of lines [first, end) holding v, and where in it (clamped to the range).
struct LinePlace {
    int element = 0;
    double s = 0;
};
LinePlace placeOnLines(const std::vector<double>& lines, int first, int end, double v);

}  // namespace wallcalc::plate::detail
