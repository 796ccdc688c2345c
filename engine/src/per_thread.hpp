#pragma once
// Storage of one value per thread, where the build has threads (the calculation sheets are
// written on every core). The web edition's WebAssembly is built without threads, and its
// linker refuses thread-local storage there: one value is all it needs.
#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
#define WALLCALC_PER_THREAD static
#else
#define WALLCALC_PER_THREAD thread_local
#endif
