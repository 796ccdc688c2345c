#pragma once
// Storage of one value per thread: WALLCALC_PER_THREAD, defined by the build (thread_local,
// or static in the threadless WebAssembly).
#include <optional>
#include <tuple>

namespace wallcalc::detail {

// What `make` gives for `args`, made anew only when the last call on this thread had other
// arguments: a press asks for some results twice running with the same ones (its own
// design of the base, then the supplementary design's of the same face). `make` must give
// equal results for equal arguments.
template <auto make, typename... Args>
auto madeOnce(const Args&... args) {
    using Result = decltype(make(args...));
    struct Last {
        std::tuple<Args...> args;
        Result result;
    };
    WALLCALC_PER_THREAD std::optional<Last> last;
    if (!last || last->args != std::tie(args...)) last = Last{{args...}, make(args...)};
    return last->result;
}

}  // namespace wallcalc::detail
