// libFuzzer target: a fuzz input is a script of window events (press_script.hpp) run on
// one window, so that a press also meets whatever the presses before it left behind.
// After every press the invariants of press_invariants.hpp are checked; a broken one
// is printed with the script that broke it, and the run aborts so libFuzzer keeps it.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "script_run.hpp"

namespace {

using namespace wallcalc::fuzz;

constexpr std::size_t kMaxPresses = 16;

[[noreturn]] void reportBroken(const std::vector<Event>& events, const ScriptFailure& failure) {
    std::fprintf(stderr, "\n== invariant broken at event %zu of the script:\n", failure.event + 1);
    for (const auto& line : failure.broken)
        std::fprintf(stderr, "  - %s\n", line.c_str());
    std::fprintf(stderr, "== script:\n");
    for (std::size_t i = 0; i <= failure.event; ++i) {
        std::fprintf(stderr, "%s\n", scriptLine(events[i]).c_str());
    }
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view script(reinterpret_cast<const char*>(data), size);
    const std::vector<Event> events = parseScript(script, kMaxPresses);
    if (const auto failure = runScript(events)) reportBroken(events, *failure);
    return 0;
}
