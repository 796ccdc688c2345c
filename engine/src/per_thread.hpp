#pragma once
// Storage of one value per thread, where the build has threads (the calculation sheets are
// written on every core). The web edition's WebAssembly is built without threads, and its
// linker refuses thread-local storage there: one value is all it needs.
#include <optional>
#include <tuple>

#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
#define WALLCALC_PER_THREAD static
#else
#define WALLCALC_PER_THREAD thread_local
#endif

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
