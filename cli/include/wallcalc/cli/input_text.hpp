#pragma once
// A text file as it comes from Excel: UTF-8 (with or without the byte-order mark) or, as
// Excel writes "CSV" on Chinese Windows, GB18030 (of which GBK is a part). The file is
// read through once to tell which (UTF-8 when every byte of it is well-formed UTF-8,
// otherwise GB18030 when the system's converter reads it all), then handed out piece by
// piece as UTF-8, so that a file of any length is read in little memory.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <variant>

namespace wallcalc::cli {

enum class Encoding { Utf8, Gb18030 };

// Whether every byte of `bytes` belongs to a well-formed UTF-8 character: the test that
// tells a file read as UTF-8 from one read as GB18030. The web page asks it too.
bool isUtf8(std::string_view bytes);

// Why a file that is neither UTF-8 nor GB18030 is refused: the file's name in quotes, the
// line of the first byte that belongs to no character, and what to do in Excel.
std::string neitherUtf8NorGb18030(std::string_view name, std::size_t line);

class InputText {
  public:
    // The file, or why it cannot be read (in Chinese, naming the file).
    static std::variant<std::unique_ptr<InputText>, std::string> open(const std::string& path);
    ~InputText();
    InputText(const InputText&) = delete;
    InputText& operator=(const InputText&) = delete;

    // Up to `size` bytes of the text as UTF-8; 0 at the end or on an error.
    std::size_t read(char* buffer, std::size_t size);

    Encoding encoding() const { return encoding_; }
    std::uint64_t fileSize() const { return fileSize_; }
    std::uint64_t bytesRead() const { return bytesRead_; }
    // Why reading stopped before the end; empty when it did not.
    const std::string& error() const { return error_; }

  private:
    InputText(std::FILE* file, std::string path, Encoding encoding, std::uint64_t size);
    std::size_t readRaw(char* buffer, std::size_t size);

    std::FILE* file_;
    std::string path_;
    Encoding encoding_;
    std::uint64_t fileSize_;
    std::uint64_t bytesRead_ = 0;
    void* converter_ = nullptr;  // iconv_t, GB18030 → UTF-8
    std::string pending_;        // raw bytes of a character cut at the end of a piece
    std::string error_;
};

}  // namespace wallcalc::cli
