#include "wallcalc/plate/analysis.hpp"

#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>
#include <string>

#include "governing.hpp"
#include "hermite.hpp"
#include "reactions.hpp"
#include "solve.hpp"

namespace wallcalc::plate {

namespace {

// A governing moment's change is taken relative to itself, or to this share of the panel's
// largest governing moment where it is smaller: the small moments of a panel are designed
// by the minimum steel, and relative to themselves they need not settle as closely.
constexpr double kSmallestReference = 0.05;

// A mesh of the panel with its equations factorised: results under the panel's own load
// and under any other load uniform along the width, each from the one factorisation.
class MeshSolution {
  public:
    MeshSolution(const Panel& panel, int level, bool mirror)
        : panel_(panel),
          level_(level),
          lines_(detail::meshLines(panel, level)),
          held_(detail::heldIndices(panel, lines_)),
          solver_(detail::plateOperators(panel, lines_), lines_, held_,
                  mirror && panel.left == panel.right) {}

    PanelResult under(const std::vector<LoadPiece>& load) const {
        Panel loaded = panel_;
        loaded.load = load;
        const detail::PlateOperators ops = detail::plateOperators(loaded, lines_);
        PanelResult result;
        result.field.xLines_m = lines_.x_m;
        result.field.zLines_m = lines_.z_m;
        result.field.firstRowOfStorey = lines_.firstRowOfStorey;
        result.field.rigidity_kNm = ops.rigidity_kNm;
        result.field.poisson = loaded.poisson;
        result.field.dof = solver_.deflections(ops.depth.load);

        result.mesh.level = level_;
        result.mesh.refinement = detail::refinementOf(level_);
        result.mesh.across = result.field.columns();
        result.mesh.unknowns = solver_.unknowns();
        const auto& rows = lines_.firstRowOfStorey;
        for (std::size_t s = 0; s + 1 < rows.size(); ++s)
            result.mesh.perStorey.push_back(rows[s + 1] - rows[s]);

        const auto moments = detail::governingMoments(loaded, result.field);
        const auto reactions = detail::edgeReactions(lines_, ops, held_, result.field.dof);
        for (std::size_t s = 0; s < moments.size(); ++s)
            result.storeys.push_back({moments[s].vertical, moments[s].horizontal, reactions[s]});
        result.totalLoad_kN = loaded.width_m * detail::loadBetween(0, lines_.z_m.back(), load);
        return result;
    }

  private:
    const Panel& panel_;
    int level_;
    detail::MeshLines lines_;
    detail::HeldIndices held_;
    detail::DeflectionSolver solver_;
};

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

constexpr int kFirstLevel = 1;

// The unknowns solved for: those of the panel's half where its sides are equal.
bool tooFine(const Panel& panel, int level, int most, bool mirror) {
    const int unknowns = detail::nodeUnknowns(detail::meshLines(panel, level));
    const int solved = mirror && panel.left == panel.right ? unknowns / 2 : unknowns;
    return solved > std::min(most, kMostUnknowns);
}

// The order p a governing moment converges at (its error shrinking as hᵖ, h the element
// size), from its last two changes, is taken between these: the element's recovered moments
// converge at second to third order. Where the last two changes differ in sign the coarser
// meshes were not yet converging steadily, and second order is assumed.
constexpr double kSlowestOrder = 2;
constexpr double kFastestOrder = 3;

// Meshes split each coarsest element into a, b and c (a < b < c): with the error C·hᵖ the
// changes are C·(a⁻ᵖ − b⁻ᵖ) and C·(b⁻ᵖ − c⁻ᵖ), whose ratio grows with p.
double changeRatio(double p, double a, double b, double c) {
    return (std::pow(a, -p) - std::pow(b, -p)) / (std::pow(b, -p) - std::pow(c, -p));
}

double convergenceOrder(double before, double last, const double (&split)[3]) {
    const auto [a, b, c] = split;
    if (last == 0) return kFastestOrder;
    if (before * last <= 0) return kSlowestOrder;
    const double ratio = before / last;
    double low = kSlowestOrder, high = kFastestOrder;
    if (ratio <= changeRatio(low, a, b, c)) return low;
    if (ratio >= changeRatio(high, a, b, c)) return high;
    for (int i = 0; i < 40; ++i) {
        const double mid = (low + high) / 2;
        (changeRatio(mid, a, b, c) < ratio ? low : high) = mid;
    }
    return (low + high) / 2;
}

// The change from the mesh before and the estimated change still to come, from the
// governing moments of the last three meshes: the error left on the last mesh is
// C·c⁻ᵖ = last change / ((c/b)ᵖ − 1).
struct Convergence {
    double change = 0;
    double remaining = 0;
};

Convergence convergence(const std::vector<double>& first, const std::vector<double>& second,
                        const std::vector<double>& third, const double (&split)[3]) {
    double largest = 0;
    for (double m : third)
        largest = std::max(largest, std::abs(m));
    Convergence c;
    if (largest == 0) return c;
    for (std::size_t i = 0; i < third.size(); ++i) {
        const double before = second[i] - first[i], last = third[i] - second[i];
        const double reference = std::max(std::abs(third[i]), kSmallestReference * largest);
        const double p = convergenceOrder(before, last, split);
        c.change = std::max(c.change, std::abs(last) / reference);
        c.remaining = std::max(c.remaining,
                               std::abs(last) / (std::pow(split[2] / split[1], p) - 1) / reference);
    }
    return c;
}

void rejectBadInput(const Panel& panel) {
    if (auto problem = checkPanel(panel)) throw PanelRejected(std::move(*problem));
}

// Another load on the panel, refused as the panel's own would be.
const std::vector<LoadPiece>& checkedLoad(const Panel& panel, const std::vector<LoadPiece>& load) {
    Panel loaded = panel;
    loaded.load = load;
    rejectBadInput(loaded);
    return load;
}

void checkLevel(const Panel& panel, int level, const PanelOptions& options) {
    if (level < 0 || level >= detail::kLevels ||
        tooFine(panel, level, kMostUnknowns, options.mirrorEqualSides))
        throw std::invalid_argument("no mesh of level " + std::to_string(level) +
                                    " for this panel: too fine or below 0");
}

}  // namespace

PanelResult analysePanelOnMesh(const Panel& panel, int level, const PanelOptions& options) {
    rejectBadInput(panel);
    checkLevel(panel, level, options);
    return MeshSolution(panel, level, options.mirrorEqualSides).under(panel.load);
}

std::vector<PanelResult> analysePanelOnMesh(const Panel& panel, int level,
                                            const std::vector<std::vector<LoadPiece>>& loads,
                                            const PanelOptions& options) {
    rejectBadInput(panel);
    checkLevel(panel, level, options);
    const MeshSolution mesh(panel, level, options.mirrorEqualSides);
    std::vector<PanelResult> results;
    for (const auto& load : loads)
        results.push_back(mesh.under(checkedLoad(panel, load)));
    return results;
}

PanelResult analysePanel(const Panel& panel, const PanelOptions& options) {
    return std::move(analysePanelUnder(panel, {}, options).front());
}

std::vector<PanelResult> analysePanelUnder(const Panel& panel,
                                           const std::vector<std::vector<LoadPiece>>& others,
                                           const PanelOptions& options) {
    rejectBadInput(panel);
    for (const auto& load : others)
        checkedLoad(panel, load);
    std::vector<std::vector<double>> governing;
    std::unique_ptr<MeshSolution> mesh;
    PanelResult result;
    // Level 0 is too coarse for the rate of convergence to show; the first three meshes
    // split its elements in 2, 3 and 4.
    for (int level = kFirstLevel;; ++level) {
        if (level >= detail::kLevels ||
            (level > kFirstLevel &&
             tooFine(panel, level, options.maxUnknowns, options.mirrorEqualSides))) {
            if (governing.size() < 3) result.change = result.remaining = HUGE_VAL;
            break;
        }
        mesh.reset();  // the coarser mesh's band is freed before the finer one is made
        mesh = std::make_unique<MeshSolution>(panel, level, options.mirrorEqualSides);
        result = mesh->under(panel.load);
        governing.push_back(governingValues(result));
        if (governing.size() < 3) continue;
        const std::size_t n = governing.size();
        const double split[3] = {static_cast<double>(detail::refinementOf(level - 2)),
                                 static_cast<double>(detail::refinementOf(level - 1)),
                                 static_cast<double>(detail::refinementOf(level))};
        const Convergence c =
            convergence(governing[n - 3], governing[n - 2], governing[n - 1], split);
        result.change = c.change;
        result.remaining = c.remaining;
        if (c.remaining <= options.tolerance) {
            result.converged = true;
            break;
        }
    }
    std::vector<PanelResult> results;
    results.push_back(std::move(result));
    for (const auto& load : others) {
        PanelResult r = mesh->under(load);
        r.change = results.front().change;
        r.remaining = results.front().remaining;
        r.converged = results.front().converged;
        results.push_back(std::move(r));
    }
    return results;
}

int meshRefinement(int level) {
    if (level < 0 || level >= detail::kLevels)
        throw std::invalid_argument("no mesh of level " + std::to_string(level));
    return detail::refinementOf(level);
}

}  // namespace wallcalc::plate
