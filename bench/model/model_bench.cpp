// The wall model from its inputs to the member forces of every combination: the checks of
// the inputs, the loads and the four analyses, for one to five storeys; and a whole press
// (the checks, the analyses and the design of every storey with its verdict), which for
// three storeys should take no more than 20 µs; and a press of a two-way panel.
#include <benchmark/benchmark.h>

#include "wallcalc/model/model_press.hpp"
#include "wallcalc/model/wall_analysis.hpp"

namespace {

using namespace wallcalc::model;

// Storeys of 3.6 m under a ground 0.3 m below the top, the water inside the second storey.
WallModel wallOf(std::size_t storeys) {
    WallModel m;
    m.ground = 0;
    m.water = -5;
    m.waterQuasi = -6;
    m.gammaSat = 20;
    for (std::size_t j = 0; j <= storeys; ++j)
        m.slabs.push_back(0.3 - 3.6 * static_cast<double>(j));
    for (std::size_t i = 0; i < storeys; ++i)
        m.storeys.push_back({300 + 50 * static_cast<double>(i), 50, 30, 30});
    m.concrete = "C30";
    m.steel = "HRB400";
    m.spacing = 150;
    m.mode = "civil-defence";
    return m;
}

void BM_AnalyseWall(benchmark::State& state) {
    const WallModel m = wallOf(static_cast<std::size_t>(state.range(0)));
    if (!analyseWall(m)) state.SkipWithError("the model has a problem");
    for (auto _ : state) {
        benchmark::DoNotOptimize(analyseWall(m));
    }
    state.SetLabel(std::to_string(state.range(0)) + " storeys");
}
BENCHMARK(BM_AnalyseWall)->DenseRange(1, 5)->MinWarmUpTime(0.2);

// A whole press, in civil-defence works (each section designed twice) and in ordinary ones.
void BM_PressModel(benchmark::State& state) {
    WallModel m = wallOf(static_cast<std::size_t>(state.range(0)));
    if (state.range(1) == 0) m.mode = "ordinary";
    if (!pressModel(m).completed()) state.SkipWithError("the model has a problem");
    for (auto _ : state) {
        benchmark::DoNotOptimize(pressModel(m));
    }
    state.SetLabel(std::to_string(state.range(0)) + " storeys, " +
                   (state.range(1) == 0 ? "ordinary" : "civil-defence"));
}
BENCHMARK(BM_PressModel)
    ->ArgsProduct({{1, 3, 5}, {0, 1}})
    ->MinWarmUpTime(0.2)
    ->Unit(benchmark::kMicrosecond);

// A whole press of a panel 6 m wide, fixed on the left and pinned on the right: the plate
// refined until its moments settle under the characteristic combination, the design
// combinations on that mesh, and the design both ways. Three storeys should take no more
// than 50 ms, so that the page follows the typing.
void BM_PressPanel(benchmark::State& state) {
    WallModel m = wallOf(static_cast<std::size_t>(state.range(0)));
    m.panel = Panel{6, "fixed", "pinned"};
    if (state.range(1) == 0) m.mode = "ordinary";
    if (!pressModel(m).completed()) state.SkipWithError("the model has a problem");
    for (auto _ : state) {
        benchmark::DoNotOptimize(pressModel(m));
    }
    state.SetLabel(std::to_string(state.range(0)) + " storeys, " +
                   (state.range(1) == 0 ? "ordinary" : "civil-defence"));
}
BENCHMARK(BM_PressPanel)->ArgsProduct({{1, 3}, {0, 1}})->Unit(benchmark::kMillisecond);

// Its parts for three storeys: the checks of the inputs and the loads.
void BM_Problems(benchmark::State& state) {
    const WallModel m = wallOf(3);
    for (auto _ : state) {
        benchmark::DoNotOptimize(problems(m));
    }
}
BENCHMARK(BM_Problems);

void BM_ModelLoads(benchmark::State& state) {
    const WallModel m = wallOf(3);
    for (auto _ : state) {
        benchmark::DoNotOptimize(modelLoads(m));
    }
}
BENCHMARK(BM_ModelLoads);

}  // namespace
