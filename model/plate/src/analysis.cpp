#include "wallcalc/plate/analysis.hpp"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "governing.hpp"
#include "hermite.hpp"
#include "reactions.hpp"

namespace wallcalc::plate {

namespace {

// A governing moment's change is taken relative to itself, or to this share of the panel's
// largest governing moment where it is smaller: the small moments of a panel are designed
// by the minimum steel, and relative to themselves they need not settle as closely.
constexpr double kSmallestReference = 0.05;

PanelResult solveOnMesh(const Panel& panel, int level) {
    const detail::MeshLines lines = detail::meshLines(panel, level);
    const detail::PlateOperators ops = detail::plateOperators(panel, lines);
    const detail::HeldIndices held = detail::heldIndices(panel, lines);

    PanelResult result;
    result.field.xLines_m = lines.x_m;
    result.field.zLines_m = lines.z_m;
    result.field.firstRowOfStorey = lines.firstRowOfStorey;
    result.field.rigidity_kNm = ops.rigidity_kNm;
    result.field.poisson = panel.poisson;
    result.field.dof = detail::solveDeflections(ops, held, result.mesh.unknowns);

    result.mesh.level = level;
    result.mesh.across = result.field.columns();
    for (std::size_t s = 0; s + 1 < lines.firstRowOfStorey.size(); ++s)
        result.mesh.perStorey.push_back(lines.firstRowOfStorey[s + 1] - lines.firstRowOfStorey[s]);

    const auto moments = detail::governingMoments(panel, result.field);
    const auto reactions = detail::edgeReactions(lines, ops, held, result.field.dof);
    for (std::size_t s = 0; s < moments.size(); ++s)
        result.storeys.push_back({moments[s].vertical, moments[s].horizontal, reactions[s]});
    result.totalLoad_kN = panel.width_m * detail::loadBetween(0, lines.z_m.back(), panel.load);
    return result;
}

// Every governing moment of the panel in a fixed order, 0 where there is none.
std::vector<double> governingValues(const PanelResult& r) {
    std::vector<double> values;
    for (const StoreyResult& s : r.storeys)
        for (const auto* m : {&s.vertical.top, &s.vertical.span, &s.vertical.bottom,
                              &s.horizontal.left, &s.horizontal.span, &s.horizontal.right})
            values.push_back(*m ? (*m)->M_kNm_per_m : 0.0);
    return values;
}

// No mesh beyond this many node unknowns whatever is asked: its band of equations would take
// a few hundred megabytes.
constexpr int kMostUnknowns = 60000;

bool tooFine(const Panel& panel, int level, int most) {
    return detail::nodeUnknowns(detail::meshLines(panel, level)) > std::min(most, kMostUnknowns);
}

// The rate a governing moment converges at, the ratio of its last two changes, is taken
// between these: the element's recovered moments converge at second to third order, their
// changes shrinking 4 to 8 times a level. Where the last two changes differ in sign the
// coarser mesh was not yet converging steadily, and second order is assumed.
constexpr double kSlowestRate = 4;
constexpr double kFastestRate = 8;

double convergenceRate(double before, double last) {
    if (last == 0) return kFastestRate;
    if (before * last <= 0) return kSlowestRate;
    return std::clamp(before / last, kSlowestRate, kFastestRate);
}

// The change from the mesh before and the estimated change still to come, from the
// governing moments of the last three meshes.
struct Convergence {
    double change = 0;
    double remaining = 0;
};

Convergence convergence(const std::vector<double>& first, const std::vector<double>& second,
                        const std::vector<double>& third) {
    double largest = 0;
    for (double m : third)
        largest = std::max(largest, std::abs(m));
    Convergence c;
    if (largest == 0) return c;
    for (std::size_t i = 0; i < third.size(); ++i) {
        const double before = second[i] - first[i], last = third[i] - second[i];
        const double reference = std::max(std::abs(third[i]), kSmallestReference * largest);
        c.change = std::max(c.change, std::abs(last) / reference);
        c.remaining =
            std::max(c.remaining, std::abs(last) / (convergenceRate(before, last) - 1) / reference);
    }
    return c;
}

void rejectBadInput(const Panel& panel) {
    if (auto problem = checkPanel(panel)) throw PanelRejected(std::move(*problem));
}

}  // namespace

PanelResult analysePanelOnMesh(const Panel& panel, int level) {
    rejectBadInput(panel);
    if (level < 0 || level > 10 || tooFine(panel, level, kMostUnknowns))
        throw std::invalid_argument("no mesh of level " + std::to_string(level) +
                                    " for this panel: too fine or below 0");
    return solveOnMesh(panel, level);
}

PanelResult analysePanel(const Panel& panel, const PanelOptions& options) {
    rejectBadInput(panel);
    std::vector<std::vector<double>> governing;
    PanelResult result;
    for (int level = 0;; ++level) {
        if (level > 0 && tooFine(panel, level, options.maxUnknowns)) {
            if (governing.size() < 3) result.change = result.remaining = HUGE_VAL;
            return result;
        }
        result = solveOnMesh(panel, level);
        governing.push_back(governingValues(result));
        if (governing.size() < 3) continue;
        const std::size_t n = governing.size();
        const Convergence c = convergence(governing[n - 3], governing[n - 2], governing[n - 1]);
        result.change = c.change;
        result.remaining = c.remaining;
        if (c.remaining <= options.tolerance) {
            result.converged = true;
            return result;
        }
    }
}

}  // namespace wallcalc::plate
