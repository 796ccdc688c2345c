#include "wallcalc/model/piecewise_load.hpp"

#include <algorithm>
#include <cmath>

namespace wallcalc::model {

double LoadPiece::at(double x) const {
    if (x == x0) return p0;
    if (x == x1) return p1;
    return p0 + (p1 - p0) * ((x - x0) / (x1 - x0));
}

bool PiecewiseLoad::add(const LoadPiece& piece) {
    const bool finite = std::isfinite(piece.x0) && std::isfinite(piece.x1) &&
                        std::isfinite(piece.p0) && std::isfinite(piece.p1);
    if (!finite || !(piece.x1 > piece.x0) || count_ == kCapacity) return false;
    if (count_ > 0 && piece.x0 < pieces_[count_ - 1].x1) return false;
    pieces_[count_++] = piece;
    return true;
}

double PiecewiseLoad::at(double x) const {
    for (const LoadPiece& piece : pieces()) {
        if (x >= piece.x0 && x < piece.x1) return piece.at(x);
    }
    if (count_ > 0 && x == pieces_[count_ - 1].x1) return pieces_[count_ - 1].p1;
    return 0;
}

double PiecewiseLoad::total() const {
    double sum = 0;
    for (const LoadPiece& piece : pieces())
        sum += piece.total();
    return sum;
}

bool PiecewiseLoad::operator==(const PiecewiseLoad& other) const {
    // std::equal, not the ranges form: the web edition's library has no ranges::equal.
    const auto& mine = pieces();
    const auto& theirs = other.pieces();
    return std::equal(mine.begin(), mine.end(), theirs.begin(), theirs.end());
}

}  // namespace wallcalc::model
