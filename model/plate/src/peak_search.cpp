#include "peak_search.hpp"

#include <algorithm>
#include <cmath>

namespace wallcalc::plate::detail {

double Measure::operator()(const PlateMoments& m) const {
    const double value = vertical ? m.vertical_kNm_per_m : m.horizontal_kNm_per_m;
    return magnitude ? std::abs(value) : value;
}

namespace {

// How many of the best patches are refined.
constexpr std::size_t kRefined = 6;
// The compass search starts at a quarter element and stops below this step (in s, t).
constexpr double kSmallestStep = 1e-6;
constexpr int kMostSteps = 200;

struct Candidate {
    double score;
    const Patch* patch;
    ElementPoint at;
};

// The sample indices (0, 1, 2 for ½-steps) a patch spans in one direction.
struct SampleRange {
    int first, last;
};
SampleRange samplesOf(bool held, double at) {
    if (!held) return {0, 2};
    const int i = at < 0.5 ? 0 : 2;
    return {i, i};
}

// The best sample of every patch for every measure: best[measure][patch].
std::vector<std::vector<Candidate>> sampleAll(const StoreySamples& samples,
                                              const std::vector<Patch>& patches,
                                              const std::vector<Measure>& measures) {
    std::vector<std::vector<Candidate>> best(measures.size());
    for (const Patch& patch : patches) {
        for (auto& list : best)
            list.push_back({-HUGE_VAL, &patch, {}});
        const SampleRange across = samplesOf(patch.holdS, patch.s);
        const SampleRange down = samplesOf(patch.holdT, patch.t);
        for (int i = across.first; i <= across.last; ++i) {
            for (int j = down.first; j <= down.last; ++j) {
                const PlateMoments& m = samples.at(patch.column, patch.row, i, j);
                for (std::size_t k = 0; k < measures.size(); ++k) {
                    const double score = measures[k](m);
                    if (score > best[k].back().score)
                        best[k].back() = {
                            score, &patch, {patch.column, patch.row, i / 2.0, j / 2.0}};
                }
            }
        }
    }
    return best;
}

// Compass search from a sample within its patch: step along s and t (those not held) while
// the measure grows, halving the step where it does not.
Candidate refine(const PlateField& field, const Measure& measure, Candidate c) {
    double step = 0.25;
    for (int n = 0; n < kMostSteps && step > kSmallestStep; ++n) {
        bool moved = false;
        for (int direction = 0; direction < 4; ++direction) {
            const bool alongS = direction < 2;
            if (alongS ? c.patch->holdS : c.patch->holdT) continue;
            ElementPoint next = c.at;
            double& coordinate = alongS ? next.s : next.t;
            coordinate = std::clamp(coordinate + (direction % 2 ? -step : step), 0.0, 1.0);
            const double score = measure(momentsIn(field, next));
            if (score > c.score) {
                c = {score, c.patch, next};
                moved = true;
            }
        }
        if (!moved) step /= 2;
    }
    return c;
}

}  // namespace

std::vector<Peak> searchPeaks(const PlateField& field, const StoreySamples& samples,
                              const std::vector<Patch>& patches,
                              const std::vector<Measure>& measures) {
    std::vector<std::vector<Candidate>> best = sampleAll(samples, patches, measures);
    std::vector<Peak> peaks;
    for (std::size_t k = 0; k < measures.size(); ++k) {
        std::vector<Candidate>& list = best[k];
        const std::size_t refined = std::min(kRefined, list.size());
        std::partial_sort(list.begin(), list.begin() + static_cast<std::ptrdiff_t>(refined),
                          list.end(),
                          [](const Candidate& a, const Candidate& b) { return a.score > b.score; });
        Candidate top = refine(field, measures[k], list[0]);
        for (std::size_t i = 1; i < refined; ++i) {
            const Candidate c = refine(field, measures[k], list[i]);
            if (c.score > top.score) top = c;
        }
        peaks.push_back({top.score, top.at, momentsIn(field, top.at)});
    }
    return peaks;
}

}  // namespace wallcalc::plate::detail
