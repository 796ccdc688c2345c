#pragma once
// The lines of a session or a model batch: a file's, or standard input's for "-".
#include <fstream>
#include <optional>
#include <string>

namespace wallcalc::cli {

class LineInput {
  public:
    // Opens `path`. Where it cannot be read, `refusal()` is the exit status, the reason
    // already said on standard error.
    explicit LineInput(const std::string& path);

    std::optional<int> refusal() const { return refusal_; }

    // The next line without its line end (LF or CR LF); false after the last.
    bool next(std::string& line);

    // The lines read so far.
    std::size_t number() const { return number_; }

    // Whether more of the input is already read ahead, waiting to be answered.
    bool readAhead() const;

    // The exit status when reading failed partway (said on standard error), none when
    // every line was read.
    std::optional<int> readFailure() const;

  private:
    std::string path_;
    std::ifstream file_;
    std::istream* in_;
    std::optional<int> refusal_;
    std::size_t number_ = 0;
};

}  // namespace wallcalc::cli
