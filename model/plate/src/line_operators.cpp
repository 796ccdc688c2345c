#include "line_operators.hpp"

namespace wallcalc::plate::detail {

void BandMatrix::addElement(int element, const Mat4& m, double factor) {
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            rows_[static_cast<std::size_t>(2 * element + i)][j - i + 3] += factor * m[i][j];
}

BandMatrix& BandMatrix::operator+=(const BandMatrix& other) {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        for (int d = 0; d < 7; ++d)
            rows_[i][d] += other.rows_[i][d];
    return *this;
}

namespace {

int hermiteCount(const std::vector<double>& lines) {
    return 2 * static_cast<int>(lines.size());
}

LineOperators emptyOperators(int size) {
    LineOperators ops;
    for (BandMatrix& term : ops.terms)
        term = BandMatrix(size);
    ops.load.assign(static_cast<std::size_t>(size), 0.0);
    return ops;
}

}  // namespace

LineOperators widthOperators(const std::vector<double>& xLines_m) {
    LineOperators ops = emptyOperators(hermiteCount(xLines_m));
    for (int e = 0; e + 1 < static_cast<int>(xLines_m.size()); ++e) {
        const double L = xLines_m[e + 1] - xLines_m[e];
        const LineMatrices m = lineMatrices(L);
        ops.terms[0].addElement(e, m.bending, 1);
        ops.terms[1].addElement(e, m.mass, 1);
        ops.terms[2].addElement(e, transposed(m.coupling), 1);
        ops.terms[3].addElement(e, m.coupling, 1);
        ops.terms[4].addElement(e, m.slope, 1);
        // ∫N dx of the cubic Hermite functions: L/2, L²/12, L/2, −L²/12.
        const Vec4 f = {L / 2, L * L / 12, L / 2, -L * L / 12};
        for (int i = 0; i < 4; ++i)
            ops.load[static_cast<std::size_t>(2 * e + i)] += f[i];
    }
    return ops;
}

LineOperators depthOperators(const std::vector<double>& zLines_m, int firstRow, int endRow,
                             double D, double nu, const std::vector<LoadPiece>& load) {
    LineOperators ops = emptyOperators(hermiteCount(zLines_m));
    for (int e = firstRow; e < endRow; ++e) {
        const double L = zLines_m[e + 1] - zLines_m[e];
        const LineMatrices m = lineMatrices(L);
        ops.terms[0].addElement(e, m.mass, D);
        ops.terms[1].addElement(e, m.bending, D);
        ops.terms[2].addElement(e, m.coupling, nu * D);
        ops.terms[3].addElement(e, transposed(m.coupling), nu * D);
        ops.terms[4].addElement(e, m.slope, 2 * (1 - nu) * D);
        const Vec4 f = elementLoad(zLines_m[e], L, load);
        for (int i = 0; i < 4; ++i)
            ops.load[static_cast<std::size_t>(2 * e + i)] += f[i];
    }
    return ops;
}

void addOperators(LineOperators& a, const LineOperators& b) {
    for (int t = 0; t < kTerms; ++t)
        a.terms[t] += b.terms[t];
    for (std::size_t i = 0; i < a.load.size(); ++i)
        a.load[i] += b.load[i];
}

}  // namespace wallcalc::plate::detail
