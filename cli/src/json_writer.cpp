#include "json_writer.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <nlohmann/json.hpp>

namespace wallcalc::cli {
namespace {

// The bytes of a text are read eight at a time as a word whose lowest byte comes first.
static_assert(std::endian::native == std::endian::little);

using Json = nlohmann::ordered_json;

// What a byte starts: a byte copied as it stands, one to escape, a UTF-8 character of two
// to four bytes, or a byte no well-formed character starts with.
enum ByteKind : std::uint8_t { kPlain, kEscaped, kTwo, kThree, kFour, kInvalid };

struct Lead {
    ByteKind kind = kPlain;
    // The range of a character's second byte (Unicode 3.9, table 3-7: no overlong form,
    // no surrogate, nothing above U+10FFFF).
    unsigned char low = 0x80, high = 0xBF;
};

constexpr std::array<Lead, 256> kLeads = [] {
    std::array<Lead, 256> t{};
    for (int b = 0; b < 0x20; ++b)
        t[b].kind = kEscaped;
    t['"'].kind = kEscaped;
    t['\\'].kind = kEscaped;
    for (int b = 0x80; b < 0x100; ++b)
        t[b].kind = kInvalid;
    for (int b = 0xC2; b <= 0xDF; ++b)
        t[b].kind = kTwo;
    for (int b = 0xE0; b <= 0xEF; ++b)
        t[b].kind = kThree;
    for (int b = 0xF0; b <= 0xF4; ++b)
        t[b].kind = kFour;
    t[0xE0].low = 0xA0;
    t[0xED].high = 0x9F;
    t[0xF0].low = 0x90;
    t[0xF4].high = 0x8F;
    return t;
}();

constexpr std::uint64_t kOnes = 0x0101010101010101, kHigh = 0x8080808080808080;

// Of the eight bytes of `word` (the first in the lowest byte), the high bit of each that JSON
// escapes: below 0x20, 0x22 or 0x5C (bytes at or above 0x80 stand as they are). A flag may
// be set wrongly only above a byte rightly flagged (a borrow runs on), so the lowest flag
// is always that of the first such byte.
std::uint64_t toEscape(std::uint64_t word) {
    const auto zeroIn = [](std::uint64_t v) { return (v - kOnes) & ~v; };
    const std::uint64_t belowSpace = (word - kOnes * 0x20) & ~word;
    return (belowSpace | zeroIn(word ^ (kOnes * '"')) | zeroIn(word ^ (kOnes * '\\'))) & kHigh;
}

std::uint64_t wordAt(const unsigned char* p) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

// Whether the text is well-formed UTF-8: ASCII passed eight bytes at a time, each other
// character checked against its lead byte's row of the table above.
bool isUtf8(std::string_view s) {
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    const auto* const end = p + s.size();
    while (p < end) {
        if (end - p >= 8 && (wordAt(p) & kHigh) == 0) {
            p += 8;
            continue;
        }
        if (*p < 0x80) {
            ++p;
            continue;
        }
        const Lead& lead = kLeads[*p];
        const auto length = static_cast<std::ptrdiff_t>(lead.kind);  // kTwo … kFour: 2 … 4
        if (lead.kind == kInvalid || end - p < length || p[1] < lead.low || p[1] > lead.high)
            return false;
        for (std::ptrdiff_t k = 2; k < length; ++k) {
            if ((p[k] & 0xC0) != 0x80) return false;
        }
        p += length;
    }
    return true;
}

// A byte JSON escapes: \" \\ \b \t \n \f \r, the other control characters as \u00xx.
char* writeEscapedByte(char* w, unsigned char c) {
    char letter = 0;
    switch (c) {
        case '"':
        case '\\':
            letter = static_cast<char>(c);
            break;
        case '\b':
            letter = 'b';
            break;
        case '\t':
            letter = 't';
            break;
        case '\n':
            letter = 'n';
            break;
        case '\f':
            letter = 'f';
            break;
        case '\r':
            letter = 'r';
            break;
        default: {
            constexpr char kHex[] = "0123456789abcdef";
            const char u[] = {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 0xF]};
            std::memcpy(w, u, sizeof u);
            return w + sizeof u;
        }
    }
    w[0] = '\\';
    w[1] = letter;
    return w + 2;
}

// Writes the escaped text (well-formed UTF-8) at `w`, which has room for six bytes a byte
// of the text and eight more, and returns where it ends. Eight bytes at a time are copied
// whole; only a byte to escape breaks the run.
char* writeEscaped(char* w, std::string_view s) {
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    const auto* const end = p + s.size();
    while (p < end) {
        if (end - p >= 8) {
            const std::uint64_t word = wordAt(p);
            std::memcpy(w, &word, sizeof word);
            const std::uint64_t flags = toEscape(word);
            if (flags == 0) {
                p += 8;
                w += 8;
                continue;
            }
            const int plain = std::countr_zero(flags) / 8;
            p += plain;
            w += plain;
        } else if (kLeads[*p].kind != kEscaped) {
            *w++ = static_cast<char>(*p++);
            continue;
        }
        w = writeEscapedByte(w, *p++);
    }
    return w;
}

// Room to write a text in, kept from one text to the next.
char* room(std::size_t size) {
    WALLCALC_PER_THREAD std::unique_ptr<char[]> buffer;
    WALLCALC_PER_THREAD std::size_t capacity = 0;
    if (size > capacity) {
        capacity = std::max(size, 2 * capacity);
        // Left unset (new char[], not make_unique): every byte used is written first; the
        // web module's library lacks make_unique_for_overwrite.
        buffer.reset(new char[capacity]);
    }
    return buffer.get();
}

}  // namespace

void appendJsonString(std::string& out, std::string_view s) {
    if (!isUtf8(s)) {
        out += Json(std::string(s)).dump(-1, ' ', false, Json::error_handler_t::replace);
        return;
    }
    char* const first = room(6 * s.size() + 16);
    char* w = first;
    *w++ = '"';
    w = writeEscaped(w, s);
    *w++ = '"';
    out.append(first, static_cast<std::size_t>(w - first));
}

void appendJsonNumber(std::string& out, double value) {
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    // The library's own conversion (Grisu2), which its dump() writes numbers with.
    std::array<char, 64> digits;
    const char* last =
        nlohmann::detail::to_chars(digits.data(), digits.data() + digits.size(), value);
    out.append(digits.data(), static_cast<std::size_t>(last - digits.data()));
}

}  // namespace wallcalc::cli
