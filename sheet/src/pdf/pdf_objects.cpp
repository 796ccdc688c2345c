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

PdfObjects::PdfObjects() : places_(1) {
    file_.reserve(64 * 1024);
    // The header, and a comment of bytes above 127 that marks the file as binary.
    file_ += "%PDF-1.5\n%\xE2\xE3\xCF\xD3\n";
}

int PdfObjects::reserve() {
    places_.emplace_back();
    return static_cast<int>(places_.size() - 1);
}

std::string& PdfObjects::begin(int id) {
    packedAt_.emplace_back(id, packed_.size());
    return packed_;
}

void PdfObjects::end() {
    packed_ += '\n';
}

std::string& PdfObjects::beginInFile(int id) {
    places_[static_cast<std::size_t>(id)].offset = file_.size();
    appendInteger(file_, id);
    file_ += " 0 obj\n";
    return file_;
}

void PdfObjects::endInFile() {
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
    std::string& out = beginInFile(id);
    out += "<<";
    out += dictionary;
    out += "/Length ";
    appendInteger(out, static_cast<long long>(body.size()));
    if (compress) out += "/Filter/FlateDecode";
    out += ">>\nstream\n";
    out += body;
    out += "\nendstream";
    endInFile();
}

// The object stream: the number and offset of each object, then the objects.
void PdfObjects::writeObjectStream() {
    const int id = reserve();
    std::string numbers;
    for (std::size_t i = 0; i < packedAt_.size(); ++i) {
        const auto [object, offset] = packedAt_[i];
        places_[static_cast<std::size_t>(object)] = {0, id, static_cast<int>(i)};
        appendInteger(numbers, object);
        numbers += ' ';
        appendInteger(numbers, static_cast<long long>(offset));
        numbers += ' ';
    }
    std::string dictionary = "/Type/ObjStm/N ";
    appendInteger(dictionary, static_cast<long long>(packedAt_.size()));
    dictionary += "/First ";
    appendInteger(dictionary, static_cast<long long>(numbers.size()));
    stream(id, dictionary, numbers + packed_);
}

// The cross-reference stream: for each object its kind (0 free, 1 in the file, 2 in the
// object stream) in one byte, its offset or its object stream in four, and its generation
// or its index in that stream in two.
void PdfObjects::writeCrossReferences(int catalog, int info) {
    const int id = reserve();
    places_[static_cast<std::size_t>(id)].offset = file_.size();
    std::string table;
    table.reserve(places_.size() * 7);
    const auto put = [&table](int kind, std::size_t second, unsigned third) {
        table += static_cast<char>(kind);
        for (int shift = 24; shift >= 0; shift -= 8)
            table += static_cast<char>((second >> shift) & 0xFF);
        table += static_cast<char>((third >> 8) & 0xFF);
        table += static_cast<char>(third & 0xFF);
    };
    put(0, 0, 0xFFFF);  // object 0, the head of the free list
    for (std::size_t object = 1; object < places_.size(); ++object) {
        const Place& p = places_[object];
        if (p.stream != 0) {
            put(2, static_cast<std::size_t>(p.stream), static_cast<unsigned>(p.index));
        } else {
            put(1, p.offset, 0);
        }
    }
    std::string dictionary = "/Type/XRef/Size ";
    appendInteger(dictionary, static_cast<long long>(places_.size()));
    dictionary += "/W[1 4 2]/Root ";
    appendInteger(dictionary, catalog);
    dictionary += " 0 R/Info ";
    appendInteger(dictionary, info);
    dictionary += " 0 R";
    stream(id, dictionary, table);
}

std::string PdfObjects::finish(int catalog, int info) {
    if (!packedAt_.empty()) writeObjectStream();
    const std::size_t xref = file_.size();
    writeCrossReferences(catalog, info);
    file_ += "startxref\n";
    appendInteger(file_, static_cast<long long>(xref));
    file_ += "\n%%EOF\n";
    return std::move(file_);
}

}  // namespace wallcalc::sheet::pdf
