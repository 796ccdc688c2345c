// One press of "计算" (calculation, result boxes and calculation text) for each mode and
// case, and the number text the result boxes and the text are written with.
#include <benchmark/benchmark.h>

#include "wallcalc/engine/window_model.hpp"
#include "wallcalc/report/number_text.hpp"

namespace {

using namespace wallcalc;

// Arguments: mode (0 ordinary, 1 civil-defence) and case (0 A, 1 B, 2 C). The default
// inputs fit case A; B and C get the water levels of their worked examples.
WindowModel windowFor(int mode, int loadCase) {
    WindowModel window;
    if (mode == 0) {
        window.clickOrdinary();
    } else {
        window.clickCivilDefence();
        window.type(Box::Text20, "50");
    }
    window.select(List::Combo3, loadCase);
    if (loadCase == 1) window.type(Box::Text2, "-3.5");
    if (loadCase == 2) window.type(Box::Text2, "-7");
    return window;
}

void BM_Press(benchmark::State& state) {
    WindowModel window =
        windowFor(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    if (!window.pressCompute().completed()) state.SkipWithError("the press did not complete");
    for (auto _ : state) {
        benchmark::DoNotOptimize(window.pressCompute());
        benchmark::DoNotOptimize(window.boxText(Box::Text12).data());
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(std::string(state.range(0) == 0 ? "ordinary" : "civil-defence") + " case " +
                   "ABC"[state.range(1)]);
}
// The warm-up keeps the first case measured from paying for the processor's clock
// ramp and the first touches of the code.
BENCHMARK(BM_Press)
    ->ArgsProduct({{0, 1}, {0, 1, 2}})
    ->ArgNames({"mode", "case"})
    ->MinWarmUpTime(0.2);

// A press that ends at once: the cost of the host and the driver's frame alone.
void BM_PressEndingAtItsFirstInput(benchmark::State& state) {
    WindowModel window = windowFor(0, 0);
    window.type(Box::Text4, "abc");
    for (auto _ : state) {
        benchmark::DoNotOptimize(window.pressCompute());
    }
}
BENCHMARK(BM_PressEndingAtItsFirstInput);

void BM_SingleText(benchmark::State& state) {
    const float values[] = {106.067f, 2602.286f, 0.165f, 1.234568e7f, 0.0f, -38.044f};
    std::string out;
    for (auto _ : state) {
        out.clear();
        for (const float v : values)
            report::appendSingle(out, v);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * std::size(values));
}
BENCHMARK(BM_SingleText);

void BM_DoubleText(benchmark::State& state) {
    const double values[] = {3.8499999999999996, 8.100000000000001, 1.0 / 3, 7.2, 38.5, -4.4};
    std::string out;
    for (auto _ : state) {
        out.clear();
        for (const double v : values)
            report::appendDouble(out, v);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * std::size(values));
}
BENCHMARK(BM_DoubleText);

}  // namespace
