#include "pdf_objects.hpp"

#include <libdeflate.h>

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cmath>
#include <memory>

namespace wallcalc::sheet::pdf {
namespace {

// libdeflate's level for the sheets' streams (its scale runs from 1 to 12), chosen by
// measurement over the sheets of the benchmark (docs/benchmarks.md).
std::atomic<int> level{6};

struct CompressorFree {
    void operator()(libdeflate_compressor* c) const { libdeflate_free_compressor(c); }
};

constexpr long long kPowersOfTen[] = {1, 10, 100, 1000, 10000, 100000, 1000000};

char hexDigit(unsigned value) {
    return "0123456789ABCDEF"[value & 0xF];
}

}  // namespace

void appendInteger(std::string& out, long long value) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

void appendNumber(std::string& out, double value, int decimals) {
    const long long scale = kPowersOfTen[decimals];
    long long scaled = std::llround(value * static_cast<double>(scale));
    if (scaled < 0) {
        out += '-';
        scaled = -scaled;
    }
    appendInteger(out, scaled / scale);
    long long fraction = scaled % scale;
    if (fraction == 0) return;
    int digits = decimals;
    while (fraction % 10 == 0) {
        fraction /= 10;
        --digits;
    }
    out += '.';
    const std::size_t at = out.size();
    out.append(static_cast<std::size_t>(digits), '0');
    for (std::size_t i = at + static_cast<std::size_t>(digits); fraction > 0; fraction /= 10)
        out[--i] = static_cast<char>('0' + fraction % 10);
}

void appendTextString(std::string& out, std::u16string_view text) {
    out += "<FEFF";
    for (const char16_t unit : text) {
        for (int shift = 12; shift >= 0; shift -= 4)
            out += hexDigit(static_cast<unsigned>(unit) >> shift);
    }
    out += '>';
}

void appendName(std::string& out, std::string_view name) {
    out += '/';
    for (const char c : name) {
        // Regular characters only (ISO 32000-1 §7.3.5): no blanks, delimiters or '#'.
        if (c > ' ' && c < 0x7F &&
            std::string_view("()<>[]{}/%#").find(c) == std::string_view::npos)
            out += c;
    }
}

void setDeflateLevel(int to) {
    level = std::clamp(to, 1, 12);
}

int deflateLevel() {
    return level;
}

std::string deflated(std::string_view data) {
    thread_local std::unique_ptr<libdeflate_compressor, CompressorFree> compressor;
    thread_local int compressorLevel = 0;
    if (compressorLevel != level) {
        compressorLevel = level;
        compressor.reset(libdeflate_alloc_compressor(compressorLevel));
    }
    std::string out(libdeflate_zlib_compress_bound(compressor.get(), data.size()), '\0');
    const std::size_t size = libdeflate_zlib_compress(compressor.get(), data.data(), data.size(),
                                                      out.data(), out.size());
    out.resize(size);
    return out;
}

PdfObjects::PdfObjects() : offsets_(1, 0) {
    file_.reserve(64 * 1024);
    // The header, and a comment of bytes above 127 that marks the file as binary.
    file_ += "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
}

int PdfObjects::reserve() {
    offsets_.push_back(0);
    return static_cast<int>(offsets_.size() - 1);
}

std::string& PdfObjects::begin(int id) {
    offsets_[static_cast<std::size_t>(id)] = file_.size();
    appendInteger(file_, id);
    file_ += " 0 obj\n";
    return file_;
}

void PdfObjects::end() {
    file_ += "\nendobj\n";
}

void PdfObjects::stream(int id, std::string_view dictionary, std::string_view data, bool compress) {
    if (compress) {
        compressedStream(id, dictionary, deflated(data));
        return;
    }
    write(id, dictionary, data, false);
}

void PdfObjects::compressedStream(int id, std::string_view dictionary, std::string_view packed) {
    write(id, dictionary, packed, true);
}

void PdfObjects::write(int id, std::string_view dictionary, std::string_view body, bool compress) {
    std::string& out = begin(id);
    out += "<<";
    out += dictionary;
    out += "/Length ";
    appendInteger(out, static_cast<long long>(body.size()));
    if (compress) out += "/Filter/FlateDecode";
    out += ">>\nstream\n";
    out += body;
    out += "\nendstream";
    end();
}

std::string PdfObjects::finish(int catalog, int info) {
    const std::size_t xref = file_.size();
    file_ += "xref\n0 ";
    appendInteger(file_, static_cast<long long>(offsets_.size()));
    file_ += "\n0000000000 65535 f \n";
    char entry[21];
    for (std::size_t id = 1; id < offsets_.size(); ++id) {
        // Ten digits of offset, five of generation, "n" and a two-byte end of line.
        std::size_t offset = offsets_[id];
        for (int i = 9; i >= 0; --i, offset /= 10)
            entry[i] = static_cast<char>('0' + offset % 10);
        std::string_view tail = " 00000 n \n";
        std::copy(tail.begin(), tail.end(), entry + 10);
        file_.append(entry, 20);
    }
    file_ += "trailer\n<</Size ";
    appendInteger(file_, static_cast<long long>(offsets_.size()));
    file_ += "/Root ";
    appendInteger(file_, catalog);
    file_ += " 0 R/Info ";
    appendInteger(file_, info);
    file_ += " 0 R>>\nstartxref\n";
    appendInteger(file_, static_cast<long long>(xref));
    file_ += "\n%%EOF\n";
    return std::move(file_);
}

}  // namespace wallcalc::sheet::pdf
