#pragma once
// Panels the plate tests share.
#include <cmath>
#include <optional>
#include <vector>

#include "wallcalc/plate/analysis.hpp"

namespace platetest {

using namespace wallcalc::plate;

// A panel with the given supports, storeys of the given heights (m) 250 mm thick, no load.
inline Panel panelOf(double width_m, std::vector<double> heights_m, Edge left, Edge right, Edge top,
                     Edge base) {
    Panel p;
    p.width_m = width_m;
    p.left = left;
    p.right = right;
    p.top = top;
    p.base = base;
    for (double h : heights_m)
        p.storeys.push_back({h, 250});
    return p;
}

inline double heightOf(const Panel& p) {
    double h = 0;
    for (const PanelStorey& s : p.storeys)
        h += s.height_m;
    return h;
}

// The six governing moments of each storey in a fixed order, 0 where there is none.
inline std::vector<double> governing(const PanelResult& r) {
    std::vector<double> values;
    for (const StoreyResult& s : r.storeys)
        for (const auto* m : {&s.vertical.top, &s.vertical.span, &s.vertical.bottom,
                              &s.horizontal.left, &s.horizontal.span, &s.horizontal.right})
            values.push_back(*m ? (*m)->M_kNm_per_m : 0.0);
    return values;
}

}  // namespace platetest
