#include "wallcalc/cli/csv.hpp"

#include <algorithm>
#include <array>

namespace wallcalc::cli {
namespace {

constexpr std::size_t kPiece = 64 * 1024;
constexpr std::array<char, 3> kSeparators = {',', ';', '\t'};

// The separator the first line of `text` holds most often outside quotes.
char separatorOf(std::string_view text) {
    std::array<std::size_t, kSeparators.size()> counts{};
    bool quoted = false;
    for (const char c : text) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (c == '\n') break;
        for (std::size_t i = 0; i < kSeparators.size(); ++i)
            counts[i] += c == kSeparators[i];
    }
    const auto most = std::max_element(counts.begin(), counts.end());  // the first of equals
    return kSeparators[static_cast<std::size_t>(most - counts.begin())];
}

}  // namespace

CsvReader::CsvReader(std::string_view text) : text_(text) {
    if (text_.starts_with(kUtf8Bom)) pos_ = kUtf8Bom.size();
    separator_ = separatorOf(text_.substr(pos_));
}

CsvReader::CsvReader(CsvSource source) : source_(std::move(source)) {
    // The first line whole (or its first piece, when it is longer), to find the separator.
    for (std::string more(kPiece, '\0');
         piece_.size() < kPiece && piece_.find('\n') == std::string::npos;) {
        const std::size_t got = source_(more.data(), more.size());
        if (got == 0) break;
        piece_.append(more, 0, got);
    }
    text_ = piece_;
    if (text_.starts_with(kUtf8Bom)) pos_ = kUtf8Bom.size();
    separator_ = separatorOf(text_.substr(pos_));
}

bool CsvReader::refill() {
    if (!source_) return false;
    piece_.resize(kPiece);
    piece_.resize(source_(piece_.data(), piece_.size()));
    text_ = piece_;
    pos_ = 0;
    return !piece_.empty();
}

int CsvReader::peek() {
    if (pos_ >= text_.size() && !refill()) return -1;
    return static_cast<unsigned char>(text_[pos_]);
}

int CsvReader::get() {
    const int c = peek();
    if (c >= 0) ++pos_;
    return c;
}

std::optional<CsvRecord> CsvReader::next() {
    if (!error_.empty() || peek() < 0) return std::nullopt;
    recordLine_ = lineNo_;
    CsvRecord record;
    std::string field;
    bool quoted = false;     // inside a quoted part of the field
    bool wasQuoted = false;  // the field began with a quote
    for (int c = get(); c >= 0; c = get()) {
        if (quoted) {
            if (c == '"') {
                if (peek() == '"') {
                    field += '"';
                    ++pos_;
                } else {
                    quoted = false;
                }
            } else {
                if (c == '\n') ++lineNo_;
                field += static_cast<char>(c);
            }
            continue;
        }
        if (c == '"' && field.empty() && !wasQuoted) {
            quoted = wasQuoted = true;
        } else if (c == separator_) {
            record.push_back(std::move(field));
            field.clear();
            wasQuoted = false;
        } else if (c == '\r' && peek() == '\n') {
            continue;  // the LF ends the record
        } else if (c == '\n') {
            ++lineNo_;
            record.push_back(std::move(field));
            return record;
        } else {
            field += static_cast<char>(c);  // a stray quote inside an unquoted field is kept
        }
    }
    if (quoted) {
        error_ = "第" + std::to_string(recordLine_) + "行开始的引号没有闭合";
        return std::nullopt;
    }
    record.push_back(std::move(field));
    return record;
}

std::string csvRecord(const CsvRecord& fields) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += ',';
        const std::string& f = fields[i];
        const bool quote = f.find_first_of(",\"\r\n") != std::string::npos ||
                           (!f.empty() && (f.front() == ' ' || f.back() == ' '));
        if (!quote) {
            out += f;
            continue;
        }
        out += '"';
        for (char c : f) {
            if (c == '"') out += '"';
            out += c;
        }
        out += '"';
    }
    out += "\r\n";
    return out;
}

}  // namespace wallcalc::cli
