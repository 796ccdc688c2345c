#pragma once
// A batch of walls from a CSV file in the page: the command line's own batch (the same
// reading of the file, rows and columns, the same results CSV byte for byte), run a few
// rows at a time so that the page can show its progress between steps.
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "wallcalc/cli/batch.hpp"
#include "wallcalc/cli/csv.hpp"

namespace wallcalc::web {

class WebBatch {
  public:
    // Starts on the file's text, already UTF-8 (the page decodes a GB18030 file): reads
    // the header and writes the output's. {"lines": lines in the file} or {"error": why
    // the header is not understood}.
    std::string start(std::string text);
    // Computes up to `rows` more rows: {"rows": rows computed so far, "line": the line
    // read last, "done": whether the file is read to its end}.
    std::string step(std::size_t rows);
    // Ends the batch: {"summary": the command line's summary, "unchosen": what rows that
    // ended at the civil-defence reminder lack (empty for none), "stopped": why reading
    // stopped before the end of the file (empty when it did not)}.
    std::string finish();
    // The results CSV, whole once finish() has run: UTF-8 with a byte-order mark, CR LF.
    const std::string& results() const { return results_; }
    // Lets go of the file and the results.
    void clear();

  private:
    std::string text_;
    std::string results_;
    std::optional<cli::CsvReader> reader_;
    std::unique_ptr<cli::BatchRun> run_;
};

}  // namespace wallcalc::web
