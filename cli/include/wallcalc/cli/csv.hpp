#pragma once
// CSV as Excel reads and writes it (RFC 4180): fields separated by commas (or, as Excel
// writes them in some countries, by semicolons or tabs), a field in double quotes may
// hold separators, line breaks and doubled quotes; records end in CR LF or LF. A UTF-8
// byte-order mark at the start is skipped on reading. The text is read piece by piece,
// so that a file of any length is read in little memory.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wallcalc::cli {

using CsvRecord = std::vector<std::string>;

// Hands out the next piece of the text (up to `size` bytes); 0 at the end.
using CsvSource = std::function<std::size_t(char* buffer, std::size_t size)>;

class CsvReader {
  public:
    // A text at hand, or read piece by piece. The separator is the one of ',', ';' and tab
    // that the first line holds most often outside quotes (a comma when it holds none).
    explicit CsvReader(std::string_view text);
    explicit CsvReader(CsvSource source);

    // The next record; empty at the end. A quote left open at the end of the text is
    // reported through error().
    std::optional<CsvRecord> next();
    const std::string& error() const { return error_; }
    // The line on which the last record returned began (1-based).
    std::size_t line() const { return recordLine_; }
    char separator() const { return separator_; }

  private:
    // The next character, or -1 at the end of the text.
    int peek();
    int get();
    bool refill();

    CsvSource source_;
    std::string piece_;      // the piece read last, when the text comes piece by piece
    std::string_view text_;  // what is at hand: the whole text, or piece_
    std::size_t pos_ = 0;
    char separator_ = ',';
    std::size_t lineNo_ = 1;
    std::size_t recordLine_ = 0;
    std::string error_;
};

// One record, each field quoted when it holds a comma, a quote, a line break or blanks
// at its ends; ends in CR LF.
std::string csvRecord(const CsvRecord& fields);

inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

}  // namespace wallcalc::cli
