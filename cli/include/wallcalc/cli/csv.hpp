#pragma once
// CSV as Excel reads and writes it (RFC 4180): fields separated by commas, a field in
// double quotes may hold commas, line breaks and doubled quotes; records end in CR LF or
// LF. A UTF-8 byte-order mark at the start is skipped on reading.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wallcalc::cli {

using CsvRecord = std::vector<std::string>;

class CsvReader {
  public:
    explicit CsvReader(std::string_view text);
    // The next record; empty at the end. A quote left open at the end of the text is
    // reported through error().
    std::optional<CsvRecord> next();
    const std::string& error() const { return error_; }
    // The line on which the last record returned began (1-based).
    std::size_t line() const { return recordLine_; }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t lineNo_ = 1;
    std::size_t recordLine_ = 0;
    std::string error_;
};

// One record, each field quoted when it holds a comma, a quote, a line break or blanks
// at its ends; ends in CR LF.
std::string csvRecord(const CsvRecord& fields);

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

}  // namespace wallcalc::cli
