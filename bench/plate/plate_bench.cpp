// A three-storey basement wall panel analysed as a plate until its governing moments settle:
// the whole analysis (meshes, solutions, governing moments, reactions) as the wall model's
// page would run it on each change of an input.
#include <benchmark/benchmark.h>

#include <string>

#include "wallcalc/plate/analysis.hpp"

namespace {

using namespace wallcalc::plate;

// Storeys of 3.6, 4.2 and 4.5 m, 300/300/350 mm thick, pinned at the roof slab and fixed at the
// base. The pressure of a soil with K0 = 0.5, γ = 18 and γsat = 20 kN/m³, water 3 m below the
// top (γw = 10) and a surcharge of 10 kN/m²: 0.5·10 + 0.5·18·z above the water, then
// 0.5·(10 + 18·3 + 10·(z − 3)) + 10·(z − 3) below it.
Panel threeStoreys(double width_m, Edge left, Edge right) {
    Panel p;
    p.width_m = width_m;
    p.left = left;
    p.right = right;
    p.top = Edge::pinned;
    p.base = Edge::fixed;
    p.storeys = {{3.6, 300}, {4.2, 300}, {4.5, 350}};
    p.load = {{0, 3, 5, 32}, {3, 12.3, 32, 32 + 15 * 9.3}};
    return p;
}

const Edge kSides[][2] = {{Edge::fixed, Edge::fixed},
                          {Edge::pinned, Edge::pinned},
                          {Edge::fixed, Edge::pinned},
                          {Edge::free, Edge::fixed}};
const char* const kSideNames[] = {"fixed-fixed", "pinned-pinned", "fixed-pinned", "free-fixed"};

// Arguments: width in dm, the side supports (index into kSides).
void BM_ThreeStoreyPanel(benchmark::State& state) {
    const int sides = static_cast<int>(state.range(1));
    const Panel panel = threeStoreys(state.range(0) / 10.0, kSides[sides][0], kSides[sides][1]);
    PanelResult result;
    for (auto _ : state) {
        result = analysePanel(panel);
        benchmark::DoNotOptimize(result.storeys.data());
    }
    state.counters["level"] = result.mesh.level;
    state.counters["unknowns"] = result.mesh.unknowns;
    state.counters["remaining%"] = 100 * result.remaining;
    state.SetLabel(std::to_string(state.range(0) / 10.0).substr(0, 3) + " m " + kSideNames[sides] +
                   (result.converged ? "" : " NOT CONVERGED"));
}
BENCHMARK(BM_ThreeStoreyPanel)
    ->ArgsProduct({{60, 72, 80}, {0, 1, 2, 3}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
