#include "wallcalc/cli/csv.hpp"

namespace wallcalc::cli {

CsvReader::CsvReader(std::string_view text) : text_(text) {
    if (text_.substr(0, kUtf8Bom.size()) == kUtf8Bom) pos_ = kUtf8Bom.size();
}

std::optional<CsvRecord> CsvReader::next() {
    if (pos_ >= text_.size() || !error_.empty()) return std::nullopt;
    recordLine_ = lineNo_;
    CsvRecord record;
    std::string field;
    bool quoted = false;     // inside a quoted part of the field
    bool wasQuoted = false;  // the field began with a quote
    while (pos_ < text_.size()) {
        const char c = text_[pos_++];
        if (quoted) {
            if (c == '"') {
                if (pos_ < text_.size() && text_[pos_] == '"') {
                    field += '"';
                    ++pos_;
                } else {
                    quoted = false;
                }
            } else {
                if (c == '\n') ++lineNo_;
                field += c;
            }
            continue;
        }
        if (c == '"' && field.empty() && !wasQuoted) {
            quoted = wasQuoted = true;
        } else if (c == ',') {
            record.push_back(std::move(field));
            field.clear();
            wasQuoted = false;
        } else if (c == '\r' && pos_ < text_.size() && text_[pos_] == '\n') {
            continue;  // the LF ends the record
        } else if (c == '\n') {
            ++lineNo_;
            record.push_back(std::move(field));
            return record;
        } else {
            field += c;  // a stray quote inside an unquoted field is kept as it is
        }
    }
    if (quoted) {
        error_ =
            "a quoted field opened on line " + std::to_string(recordLine_) + " is never closed";
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
