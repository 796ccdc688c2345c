#pragma once
// A batch of varied walls for measuring sheets: both modes, every case, grade and steel,
// elevations, thicknesses, covers, loads and spacings drawn from the ranges engineers
// type, each wall complete and its water level suited to its case, so that every row gets
// a sheet. The same seed gives the same file.
#include <cstddef>
#include <string>

namespace wallcalc::bench {

// The CSV text of `rows` walls under the session keys (name, mode, case, concrete, steel,
// h1 … qrf).
std::string wallsCsv(std::size_t rows, unsigned seed = 20240501);

}  // namespace wallcalc::bench
