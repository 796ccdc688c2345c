#include "wallcalc/cli/input_text.hpp"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <string_view>

#include "wallcalc/cli/texts.hpp"
#include "wallcalc/engine/utf8.hpp"

namespace wallcalc::cli {
namespace {

constexpr std::size_t kPiece = 64 * 1024;
constexpr std::size_t kLongestUtf8Character = 4;
const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

// How far a read-through got: whether every byte belonged to the encoding, and if not,
// on which line the first byte that does not stands.
struct ReadThrough {
    bool whole = true;
    std::size_t badLine = 0;
    std::string readError;
};

std::size_t linesIn(std::string_view bytes) {
    return static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
}

// What a check made of one piece of the file: how many bytes it took as whole characters,
// and where the first byte that belongs to no character stands (npos: none).
struct PieceCheck {
    std::size_t used = 0;
    std::size_t bad = std::string_view::npos;
};

// Reads the whole file piece by piece through `check`; the bytes a check leaves (a
// character cut by the end of a piece) go in front of the next piece.
template <typename Check>
ReadThrough readThrough(std::FILE* file, Check check) {
    ReadThrough result;
    std::string piece;
    std::size_t lines = 0;
    for (;;) {
        const std::size_t carried = piece.size();
        piece.resize(carried + kPiece);
        const std::size_t got = std::fread(piece.data() + carried, 1, kPiece, file);
        piece.resize(carried + got);
        const PieceCheck checked = check(std::string_view(piece), got == 0);
        if (checked.bad != std::string_view::npos) {
            result.whole = false;
            result.badLine = lines + linesIn(std::string_view(piece).substr(0, checked.bad)) + 1;
            return result;
        }
        lines += linesIn(std::string_view(piece).substr(0, checked.used));
        piece.erase(0, checked.used);
        if (got == 0) break;
    }
    if (std::ferror(file)) result.readError = fileErrorReason(errno);
    return result;
}

PieceCheck checkUtf8(std::string_view piece, bool atEnd) {
    std::size_t i = 0;
    while (i < piece.size()) {
        if (static_cast<unsigned char>(piece[i]) < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = utf8CharacterLength(piece, i);
        if (length > 0) {
            i += length;
        } else if (!atEnd && piece.size() - i < kLongestUtf8Character) {
            break;  // perhaps cut by the end of the piece
        } else {
            return {i, i};
        }
    }
    return {i};
}

// Runs the piece through the GB18030 converter, keeping nothing of what it gives.
PieceCheck checkGb18030(iconv_t converter, std::string_view piece, bool atEnd) {
    std::string scratch(2 * kPiece, '\0');
    char* in = const_cast<char*>(piece.data());  // iconv reads its input, never writes it
    std::size_t inLeft = piece.size();
    while (inLeft > 0) {
        char* out = scratch.data();
        std::size_t outLeft = scratch.size();
        if (iconv(converter, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1) ||
            errno == E2BIG) {
            continue;
        }
        if (errno == EINVAL && !atEnd) break;  // a character goes on in the next piece
        return {piece.size() - inLeft, piece.size() - inLeft};
    }
    return {piece.size() - inLeft};
}

}  // namespace

bool isUtf8(std::string_view bytes) {
    return checkUtf8(bytes, true).bad == std::string_view::npos;
}

std::string neitherUtf8NorGb18030(std::string_view name, std::size_t line) {
    return inQuotes(name) + "既不是UTF-8也不是GB18030（GBK）编码的文本：第" + std::to_string(line) +
           "行有无法识别的字节。请在Excel中另存为“CSV UTF-8(逗号分隔)”";
}

std::variant<std::unique_ptr<InputText>, std::string> InputText::open(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return "无法读取" + inQuotes(path) + "：" + fileErrorReason(EISDIR);
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return "无法打开" + inQuotes(path) + "：" + fileErrorReason(errno);
    const auto size = std::filesystem::file_size(path, ec);
    const auto fail = [&](const std::string& why) {
        std::fclose(file);
        return why;
    };

    const ReadThrough utf8 = readThrough(file, checkUtf8);
    if (!utf8.readError.empty()) return fail("无法读取" + inQuotes(path) + "：" + utf8.readError);
    Encoding encoding = Encoding::Utf8;
    if (!utf8.whole) {
        const iconv_t converter = iconv_open("UTF-8", "GB18030");
        if (converter == kNoConverter) {
            return fail(inQuotes(path) + "不是UTF-8编码的文本，而本系统没有GB18030的转换器");
        }
        std::rewind(file);
        const ReadThrough gb = readThrough(file, [converter](std::string_view piece, bool atEnd) {
            return checkGb18030(converter, piece, atEnd);
        });
        iconv_close(converter);
        if (!gb.readError.empty()) return fail("无法读取" + inQuotes(path) + "：" + gb.readError);
        if (!gb.whole) {
            return fail(neitherUtf8NorGb18030(path, gb.badLine));
        }
        encoding = Encoding::Gb18030;
    }
    std::rewind(file);
    return std::unique_ptr<InputText>(new InputText(file, path, encoding, ec ? 0 : size));
}

InputText::InputText(std::FILE* file, std::string path, Encoding encoding, std::uint64_t size)
    : file_(file), path_(std::move(path)), encoding_(encoding), fileSize_(size) {
    if (encoding_ == Encoding::Gb18030) converter_ = iconv_open("UTF-8", "GB18030");
}

InputText::~InputText() {
    if (converter_ != nullptr) iconv_close(static_cast<iconv_t>(converter_));
    std::fclose(file_);
}

std::size_t InputText::readRaw(char* buffer, std::size_t size) {
    const std::size_t got = std::fread(buffer, 1, size, file_);
    bytesRead_ += got;
    if (got == 0 && std::ferror(file_)) {
        error_ = "读取" + inQuotes(path_) + "时出错：" + fileErrorReason(errno);
    }
    return got;
}

std::size_t InputText::read(char* buffer, std::size_t size) {
    if (!error_.empty()) return 0;
    if (converter_ == nullptr) return readRaw(buffer, size);
    std::size_t written = 0;
    while (written == 0) {
        std::size_t got = 0;
        if (pending_.size() < kPiece) {
            const std::size_t carried = pending_.size();
            pending_.resize(carried + kPiece);
            got = readRaw(pending_.data() + carried, kPiece);
            pending_.resize(carried + got);
        }
        if (pending_.empty() || !error_.empty()) return 0;
        char* in = pending_.data();
        std::size_t inLeft = pending_.size();
        char* out = buffer;
        std::size_t outLeft = size;
        const std::size_t converted =
            iconv(static_cast<iconv_t>(converter_), &in, &inLeft, &out, &outLeft);
        const int why = errno;
        written = size - outLeft;
        pending_.erase(0, pending_.size() - inLeft);
        // E2BIG: the buffer is full; EINVAL: a character goes on in the next piece.
        const bool refused = converted == static_cast<std::size_t>(-1) &&
                             (why == EILSEQ || (why == EINVAL && got == 0));
        if (refused) {
            error_ = inQuotes(path_) + "在读入时已不再是GB18030编码的文本";
            return written;
        }
    }
    return written;
}

}  // namespace wallcalc::cli
