#include <algorithm>
#include <stdexcept>

#include "element_point.hpp"
#include "hermite.hpp"

namespace wallcalc::plate {

namespace detail {

int storeyOfRow(const PlateField& field, int row) {
    const auto& first = field.firstRowOfStorey;
    return static_cast<int>(std::upper_bound(first.begin(), first.end(), row) - first.begin()) - 1;
}

namespace {

// The element's 4 × 4 node unknowns contracted with the Hermite functions chosen in x and z.
double contract(const PlateField& f, const ElementPoint& at, const Vec4& inX, const Vec4& inZ) {
    const int nx = 2 * (f.columns() + 1);
    double sum = 0;
    for (int iz = 0; iz < 4; ++iz) {
        const double* row =
            &f.dof[static_cast<std::size_t>((2 * at.row + iz) * nx + 2 * at.column)];
        double inRow = 0;
        for (int ix = 0; ix < 4; ++ix)
            inRow += inX[ix] * row[ix];
        sum += inZ[iz] * inRow;
    }
    return sum;
}

struct ElementHermite {
    Hermite x, z;
};

ElementHermite hermiteOf(const PlateField& f, const ElementPoint& at) {
    const double Lx = f.xLines_m[at.column + 1] - f.xLines_m[at.column];
    const double Lz = f.zLines_m[at.row + 1] - f.zLines_m[at.row];
    return {hermiteAt(at.s, Lx), hermiteAt(at.t, Lz)};
}

}  // namespace

double deflectionIn(const PlateField& f, const ElementPoint& at) {
    const ElementHermite h = hermiteOf(f, at);
    return contract(f, at, h.x.value, h.z.value);
}

LinePlace placeOnLines(const std::vector<double>& lines, int first, int end, double v) {
    const auto from = lines.begin() + first, to = lines.begin() + end;
    const int e = std::clamp(static_cast<int>(std::upper_bound(from, to, v) - lines.begin()) - 1,
                             first, end - 1);
    const double s = (v - lines[e]) / (lines[e + 1] - lines[e]);
    return {e, std::clamp(s, 0.0, 1.0)};
}

}  // namespace detail

PlateMoments momentsAt(const PlateField& field, int storey, double x_m, double z_m) {
    if (storey < 0 || storey >= field.storeyCount()) throw std::out_of_range("no such storey");
    const detail::LinePlace across = detail::placeOnLines(field.xLines_m, 0, field.columns(), x_m);
    const detail::LinePlace down =
        detail::placeOnLines(field.zLines_m, field.firstRowOfStorey[storey],
                             field.firstRowOfStorey[storey + 1], field.storeyTop_m(storey) + z_m);
    return detail::momentsIn(field, {across.element, down.element, across.s, down.s});
}

double deflectionAt(const PlateField& field, double x_m, double depth_m) {
    const detail::LinePlace across = detail::placeOnLines(field.xLines_m, 0, field.columns(), x_m);
    const detail::LinePlace down = detail::placeOnLines(field.zLines_m, 0, field.rows(), depth_m);
    return detail::deflectionIn(field, {across.element, down.element, across.s, down.s});
}

MomentMap momentMap(const PlateField& field, int columns, int rowsPerStorey) {
    columns = std::max(columns, 1);
    rowsPerStorey = std::max(rowsPerStorey, 1);
    MomentMap map;
    const double width = field.xLines_m.back();
    for (int c = 0; c <= columns; ++c)
        map.x_m.push_back(width * c / columns);
    for (int s = 0; s < field.storeyCount(); ++s) {
        StoreyMomentMap storey;
        const double height = field.storeyBottom_m(s) - field.storeyTop_m(s);
        for (int r = 0; r <= rowsPerStorey; ++r) {
            storey.z_m.push_back(height * r / rowsPerStorey);
            storey.moments.emplace_back();
            for (double x : map.x_m)
                storey.moments.back().push_back(momentsAt(field, s, x, storey.z_m.back()));
        }
        map.storeys.push_back(std::move(storey));
    }
    return map;
}

}  // namespace wallcalc::plate
