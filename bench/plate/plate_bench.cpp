// A three-storey basement wall panel analysed as a plate until its governing moments settle:
// the whole analysis (meshes, solutions, governing moments, reactions) as the wall model's
// page would run it on each change of an input, for every way its edges can be held.
#include <benchmark/benchmark.h>

#include <string>

#include "wallcalc/plate/analysis.hpp"

namespace {

using namespace wallcalc::plate;

// Storeys of 3.9, 3.6 and 4.2 m, 300/300/400 mm thick. The pressure of a soil with K0 = 0.5,
// γ = 18 and γsat = 20 kN/m³, water 3 m below the top (γw = 10) and a surcharge of 10 kN/m²:
// 0.5·10 + 0.5·18·z above the water, then 0.5·(10 + 18·3 + 10·(z − 3)) + 10·(z − 3) below it.
Panel threeStoreys(double width_m, Edge left, Edge right, Edge top, Edge base) {
    Panel p;
    p.width_m = width_m;
    p.left = left;
    p.right = right;
    p.top = top;
    p.base = base;
    p.storeys = {{3.9, 300}, {3.6, 300}, {4.2, 400}};
    p.load = {{0, 3, 5, 32}, {3, 11.7, 32, 32 + 15 * 8.7}};
    return p;
}

constexpr Edge kEdges[] = {Edge::fixed, Edge::pinned, Edge::free};
// The base is fixed or pinned, never free.
constexpr int kBaseEdges = 2;

char letter(Edge e) {
    return e == Edge::fixed ? 'F' : e == Edge::pinned ? 'P' : 'R';
}

// Arguments: the width in dm, then the left, right, top and base edges (indices into kEdges).
// The label names the edges left, right, top, base: F fixed, P pinned, R free.
void BM_ThreeStoreyPanel(benchmark::State& state) {
    const Edge left = kEdges[state.range(1)], right = kEdges[state.range(2)];
    const Edge top = kEdges[state.range(3)], base = kEdges[state.range(4)];
    const Panel panel = threeStoreys(state.range(0) / 10.0, left, right, top, base);
    PanelResult result;
    for (auto _ : state) {
        result = analysePanel(panel);
        benchmark::DoNotOptimize(result.storeys.data());
    }
    state.counters["level"] = result.mesh.level;
    state.counters["unknowns"] = result.mesh.unknowns;
    state.counters["remaining%"] = 100 * result.remaining;
    state.SetLabel(std::to_string(state.range(0) / 10.0).substr(0, 3) + " m " +
                   std::string{letter(left), letter(right), letter(top), letter(base)} +
                   (result.converged ? "" : " NOT CONVERGED"));
}
BENCHMARK(BM_ThreeStoreyPanel)
    ->ArgsProduct({{60, 80}, {0, 1, 2}, {0, 1, 2}, {0, 1, 2}, {0, kBaseEdges - 1}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
