#include "governing.hpp"

#include <algorithm>
#include <cmath>

#include "peak_search.hpp"

namespace wallcalc::plate::detail {

namespace {

// A span value smaller than this share of the panel's largest governing moment is taken as
// none: the inner face is then nowhere in tension beyond the mesh's rounding.
constexpr double kNoSpanMoment = 1e-4;

constexpr Measure kVerticalMagnitude{true, true};
constexpr Measure kHorizontalMagnitude{false, true};
constexpr Measure kVerticalSigned{true, false};
constexpr Measure kHorizontalSigned{false, false};

struct StoreyRows {
    int first, end;  // element rows [first, end)
};

PanelMoment momentOf(const PlateField& f, int storey, const Peak& peak, bool vertical) {
    const ElementPoint& at = peak.at;
    const double x =
        f.xLines_m[at.column] + at.s * (f.xLines_m[at.column + 1] - f.xLines_m[at.column]);
    const double depth = f.zLines_m[at.row] + at.t * (f.zLines_m[at.row + 1] - f.zLines_m[at.row]);
    return {vertical ? peak.moments.vertical_kNm_per_m : peak.moments.horizontal_kNm_per_m, x,
            depth - f.storeyTop_m(storey)};
}

// Along a row of elements at its top (t = 0) or bottom (t = 1) edge.
PanelMoment alongRow(const PlateField& f, const StoreySamples& samples, int storey, int row,
                     double t) {
    std::vector<Patch> patches;
    for (int c = 0; c < f.columns(); ++c)
        patches.push_back({c, row, false, true, 0, t});
    return momentOf(f, storey, searchPeaks(f, samples, patches, {kVerticalMagnitude})[0], true);
}

// Down a column of elements at its left (s = 0) or right (s = 1) edge, within the storey.
PanelMoment downColumn(const PlateField& f, const StoreySamples& samples, int storey,
                       StoreyRows rows, int column, double s) {
    std::vector<Patch> patches;
    for (int r = rows.first; r < rows.end; ++r)
        patches.push_back({column, r, true, false, s, 0});
    return momentOf(f, storey, searchPeaks(f, samples, patches, {kHorizontalMagnitude})[0], false);
}

// A support moment: none at a free edge, 0 at mid-edge of a pinned outer edge (it carries no
// moment), else the search along the edge.
template <typename Search>
std::optional<PanelMoment> supportMoment(Edge edge, PanelMoment middle, Search search) {
    if (edge == Edge::free) return std::nullopt;
    if (edge == Edge::pinned) return middle;
    return search();
}

StoreyMoments storeyMoments(const Panel& panel, const PlateField& f, int storey) {
    const int n = f.storeyCount();
    const StoreyRows rows{f.firstRowOfStorey[storey], f.firstRowOfStorey[storey + 1]};
    const double width = panel.width_m;
    const double height = f.storeyBottom_m(storey) - f.storeyTop_m(storey);
    // An intermediate slab holds the wall like a fixed edge as far as the search goes: the
    // continuous wall has a moment there.
    const Edge top = storey == 0 ? panel.top : Edge::fixed;
    const Edge bottom = storey == n - 1 ? panel.base : Edge::fixed;

    const StoreySamples samples(f, storey);
    StoreyMoments m;
    m.vertical.top = supportMoment(top, {0, width / 2, 0},
                                   [&] { return alongRow(f, samples, storey, rows.first, 0); });
    m.vertical.bottom = supportMoment(bottom, {0, width / 2, height}, [&] {
        return alongRow(f, samples, storey, rows.end - 1, 1);
    });
    m.horizontal.left = supportMoment(panel.left, {0, 0, height / 2},
                                      [&] { return downColumn(f, samples, storey, rows, 0, 0); });
    m.horizontal.right = supportMoment(panel.right, {0, width, height / 2}, [&] {
        return downColumn(f, samples, storey, rows, f.columns() - 1, 1);
    });

    std::vector<Patch> field;
    for (int r = rows.first; r < rows.end; ++r)
        for (int c = 0; c < f.columns(); ++c)
            field.push_back({c, r, false, false, 0, 0});
    const std::vector<Peak> spans =
        searchPeaks(f, samples, field, {kVerticalSigned, kHorizontalSigned});
    m.vertical.span = momentOf(f, storey, spans[0], true);
    m.horizontal.span = momentOf(f, storey, spans[1], false);
    return m;
}

double largestMagnitude(const std::vector<StoreyMoments>& storeys) {
    double largest = 0;
    for (const StoreyMoments& s : storeys)
        for (const auto* m : {&s.vertical.top, &s.vertical.span, &s.vertical.bottom,
                              &s.horizontal.left, &s.horizontal.span, &s.horizontal.right})
            if (*m) largest = std::max(largest, std::abs((*m)->M_kNm_per_m));
    return largest;
}

}  // namespace

std::vector<StoreyMoments> governingMoments(const Panel& panel, const PlateField& field) {
    std::vector<StoreyMoments> storeys;
    for (int s = 0; s < field.storeyCount(); ++s)
        storeys.push_back(storeyMoments(panel, field, s));
    const double least = kNoSpanMoment * largestMagnitude(storeys);
    for (StoreyMoments& s : storeys) {
        if (s.vertical.span->M_kNm_per_m <= least) s.vertical.span.reset();
        if (s.horizontal.span->M_kNm_per_m <= least) s.horizontal.span.reset();
    }
    return storeys;
}

}  // namespace wallcalc::plate::detail
