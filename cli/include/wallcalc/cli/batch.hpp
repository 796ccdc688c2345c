#pragma once
// Many walls at once: one wall per CSV row, each computed as in a freshly opened window
// with that row's inputs, so that no row depends on another.
#include <functional>
#include <string>
#include <string_view>

#include "wallcalc/cli/csv.hpp"
#include "wallcalc/engine/press.hpp"

namespace wallcalc::cli {

// A completed row, for whoever writes its calculation sheet: the row number (1-based,
// header not counted), its "name" cell (empty when absent) and the press.
using CompletedRow =
    std::function<void(std::size_t row, std::string_view name, const PressResult& press)>;
using Progress = std::function<void(std::size_t done, std::size_t total)>;

struct BatchResult {
    std::string csv;    // UTF-8 with a byte-order mark: the input columns and the results
    std::string error;  // why the batch could not run at all (a bad header); empty otherwise
    std::size_t rows = 0;
    std::size_t completed = 0;
    std::size_t ended = 0;
    std::size_t bad = 0;
};

BatchResult runBatch(std::string_view inputCsv, const CompletedRow& onCompleted = {},
                     const Progress& progress = {});

}  // namespace wallcalc::cli
