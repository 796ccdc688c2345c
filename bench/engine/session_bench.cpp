// Session throughput: JSON lines in, one press each, JSON lines out. In process through
// sessionLine, and end to end through `wallcalc-cli --session FILE`.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "wallcalc/cli/session.hpp"

namespace {

using namespace wallcalc;

// Every mode and case in turn, each line changing the inputs the case needs.
const std::vector<std::string>& sessionLines() {
    static const std::vector<std::string> lines = {
        R"({"mode":"ordinary","case":"A","h2":"-1.35","h5":"350"})",
        R"({"mode":"ordinary","case":"B","h2":"-3.5","concrete":"C30"})",
        R"({"mode":"ordinary","case":"C","h2":"-7","steel":"HRB335"})",
        R"({"mode":"civil-defence","case":"A","h2":"-1.35","qrf":"50"})",
        R"({"mode":"civil-defence","case":"B","h2":"-3.45","qrf":"50","concrete":"C15"})",
        R"({"mode":"civil-defence","case":"C","h2":"-7","qrf":"50","steel":"HPB235"})",
    };
    return lines;
}

void BM_SessionLine(benchmark::State& state) {
    WindowModel window;
    const auto& lines = sessionLines();
    std::size_t i = 0;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string out = cli::sessionLine(window, lines[i]);
        bytes += out.size();
        benchmark::DoNotOptimize(out.data());
        i = (i + 1) % lines.size();
    }
    state.SetItemsProcessed(state.iterations());
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_SessionLine);

// The whole program: start-up, reading, pressing, writing JSON, flushing each line.
void BM_CliSession(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    const auto dir = std::filesystem::temp_directory_path();
    const auto input = dir / ("wallcalc_bench_session_" + std::to_string(count) + ".jsonl");
    {
        std::ofstream out(input, std::ios::binary);
        for (std::size_t i = 0; i < count; ++i)
            out << sessionLines()[i % 6] << '\n';
    }
    const std::string command =
        std::string(WALLCALC_CLI) + " --session " + input.string() + " > /dev/null";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) state.SkipWithError("wallcalc-cli failed");
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(count));
    std::filesystem::remove(input);
}
BENCHMARK(BM_CliSession)->Arg(20000)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
