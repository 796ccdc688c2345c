#pragma once
// The largest value of a moment measure over parts of elements: sampled on a grid in each
// part, then the most promising parts refined by a compass search on the element's own
// polynomial field, so the peak found does not depend on where the samples fell.
#include <cstddef>
#include <vector>

#include "element_point.hpp"

namespace wallcalc::plate::detail {

// What is maximised: the vertical or the horizontal moment, by magnitude or signed.
struct Measure {
    bool vertical = true;
    bool magnitude = false;
    double operator()(const PlateMoments& m) const;
};

// The moments at the nine points s, t ∈ {0, ½, 1} of every element of a storey, where the
// search starts.
class StoreySamples {
  public:
    StoreySamples(const PlateField& field, int storey);
    // At s = i / 2, t = j / 2 of the element.
    const PlateMoments& at(int column, int row, int i, int j) const {
        return moments_[index(column, row, i, j)];
    }

  private:
    std::size_t index(int column, int row, int i, int j) const {
        return static_cast<std::size_t>(((row - firstRow_) * columns_ + column) * 9 + j * 3 + i);
    }
    int firstRow_, columns_;
    std::vector<PlateMoments> moments_;
};

// An element searched over its whole area, or along one of its edges (s or t held at 0 or 1).
struct Patch {
    int column = 0;
    int row = 0;
    bool holdS = false;
    bool holdT = false;
    double s = 0;
    double t = 0;
};

struct Peak {
    double score = 0;
    ElementPoint at;
    PlateMoments moments;
};

// One peak per measure over all the patches (which must not be empty).
std::vector<Peak> searchPeaks(const PlateField& field, const StoreySamples& samples,
                              const std::vector<Patch>& patches,
                              const std::vector<Measure>& measures);

}  // namespace wallcalc::plate::detail
