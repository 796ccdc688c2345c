// Reading a line's literal text and its values into tokens.
#include <algorithm>
#include <array>

#include "line_setter.hpp"

namespace wallcalc::report::detail {
namespace {

constexpr UnitForm kUnits[] = {
    {"kNm", "kN·m", ""},    {"kN.m", "kN·m", ""},     {"kN·m", "kN·m", ""},   {"kN/m", "kN/m", ""},
    {"kN/m2", "kN/m", "2"}, {"kN/m3", "kN/m", "3"},   {"N/mm2", "N/mm", "2"}, {"mm2", "mm", "2"},
    {"m2", "m", "2"},       {"m3", "m", "3"},         {"mm", "mm", ""},       {"m", "m", ""},
    {"kN", "kN", ""},       {"kN·m/m", "kN·m/m", ""},
};

// One character of UTF-8 text: its code and its length in bytes.
struct Character {
    char32_t code = 0;
    std::size_t length = 1;
};

Character characterAt(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[i + k]); };
    const unsigned char lead = byte(0);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (i + length > text.size()) return {lead, 1};
    char32_t code = length == 1   ? lead
                    : length == 2 ? lead & 0x1F
                    : length == 3 ? lead & 0x0F
                                  : lead & 0x07;
    for (std::size_t k = 1; k < length; ++k)
        code = code << 6 | (byte(k) & 0x3F);
    return {code, length};
}

bool isLatin(char32_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool isGreek(char32_t c) {
    return c >= 0x0391 && c <= 0x03C9;
}
bool isDigit(char32_t c) {
    return c >= '0' && c <= '9';
}
bool isLetter(char32_t c) {
    return isLatin(c) || isGreek(c);
}

// The end of the digits of a number from `i`: digits, and points each followed by a digit
// (a clause number such as 9.1.7 stays one token).
std::size_t numberEnd(std::string_view text, std::size_t i) {
    while (i < text.size()) {
        if (isDigit(static_cast<unsigned char>(text[i]))) {
            ++i;
        } else if (text[i] == '.' && i + 1 < text.size() &&
                   isDigit(static_cast<unsigned char>(text[i + 1]))) {
            ++i;
        } else {
            break;
        }
    }
    return i;
}

// The end of a name from `i`: letters, digits and primes, and ",min" after "As" (a comma
// followed directly by a Latin letter continues the name).
std::size_t nameEnd(std::string_view text, std::size_t i) {
    while (i < text.size()) {
        const Character c = characterAt(text, i);
        const bool continues = c.code == ',' && i + 1 < text.size() &&
                               isLatin(static_cast<unsigned char>(text[i + 1]));
        if (!isLetter(c.code) && !isDigit(c.code) && c.code != '\'' && !continues) break;
        i += c.length;
    }
    return i;
}

// The letters (and digits) of a bare unit from `i`: "mm" of "1000mm".
std::size_t lettersEnd(std::string_view text, std::size_t i) {
    while (i < text.size() && (isLatin(static_cast<unsigned char>(text[i])) ||
                               isDigit(static_cast<unsigned char>(text[i]))))
        ++i;
    return i;
}

bool allDigits(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s) {
        if (!isDigit(static_cast<unsigned char>(c))) return false;
    }
    return true;
}

// The longest name of a quantity, in letters (Wmax); a longer run of letters is a word.
constexpr std::size_t kLongestName = 4;

// Words set upright though they read as names: codes, functions, the steel and concrete
// grades (HRB400, C30), and a word typed where a number belongs ("thirty").
bool upright(std::string_view name) {
    // EI the bending stiffness, dx and dt of an integral, ΣR a sum of reactions: as written.
    for (std::string_view word : {"GB", "JGJ", "max", "min", "EI", "dx", "dt", "ΣR"}) {
        if (name == word) return true;
    }
    if (name.size() > kLongestName &&
        std::all_of(name.begin(), name.end(), [](char c) { return isLatin(c); })) {
        return true;
    }
    for (std::string_view grade : {"HPB", "HRBF", "HRB", "RRB", "CRB"}) {
        if (name.starts_with(grade)) return allDigits(name.substr(grade.size()));
    }
    return name.size() == 3 && name[0] == 'C' && allDigits(name.substr(1));
}

// A code's designation from `i` ("GB 50010-2010", "GB/T 50476-2019"): one word, never
// broken; its length, or 0.
std::size_t codeDesignation(std::string_view text, std::size_t i) {
    std::size_t k = i;
    for (std::string_view prefix : {"GB/T ", "GB ", "JGJ "}) {
        if (text.substr(i, prefix.size()) == prefix) {
            k = i + prefix.size();
            break;
        }
    }
    if (k == i) return 0;
    const std::size_t number = numberEnd(text, k);
    if (number == k || number >= text.size() || text[number] != '-') return 0;
    const std::size_t year = numberEnd(text, number + 1);
    return year == number + 5 ? year - i : 0;
}

// A unit in brackets from `i` ("(kNm)", "（mm2）"): its token and length, or length 0.
std::size_t bracketedUnit(std::string_view text, std::size_t i, Token& unit) {
    constexpr std::array<std::string_view, 2> kOpen = {"(", "（"};
    constexpr std::array<std::string_view, 2> kClose = {")", "）"};
    for (std::string_view open : kOpen) {
        if (text.substr(i, open.size()) != open) continue;
        const std::size_t from = i + open.size();
        for (std::string_view close : kClose) {
            const std::size_t end = text.find(close, from);
            // The longest unit's bytes: "kN·m/m" (the middle dot takes two).
            if (end == std::string_view::npos || end - from > 7) continue;
            if (const UnitForm* u = unitNamed(text.substr(from, end - from))) {
                unit = token(Tok::Unit, std::string(u->key));
                unit.open = open;
                unit.close = close;
                return end + close.size() - i;
            }
        }
    }
    return 0;
}

void push(std::vector<Token>& out, Tok kind, std::string_view text) {
    // Prose is kept in one token as far as it goes.
    if (kind == Tok::Word && !out.empty() && out.back().kind == Tok::Word) {
        out.back().text += text;
        return;
    }
    out.push_back(token(kind, std::string(text)));
}

Tok operatorKind(char32_t c) {
    switch (c) {
        case '=':
        case '+':
        case '-':
        case '*':
        case '<':
        case '>':
        case ',':
        case U'≤':
        case U'≥':
        case U'×':
        case U'÷':
            return Tok::Op;
        case '/':
            return Tok::Slash;
        case '^':
            return Tok::Caret;
        case '(':
            return Tok::Open;
        case ')':
            return Tok::Close;
        case '@':
            return Tok::At;
        case ' ':
            return Tok::Space;
        default:
            return Tok::Word;
    }
}

// A name, a word set upright, a bare unit or the "x" written for ×, from `i`; the end.
std::size_t readName(std::string_view text, std::size_t i, std::vector<Token>& out) {
    const bool afterNumber = !out.empty() && out.back().kind == Tok::Number;
    if (afterNumber) {
        const std::size_t end = lettersEnd(text, i);
        if (const UnitForm* u = unitNamed(text.substr(i, end - i))) {
            out.push_back(token(Tok::Unit, std::string(u->key)));
            return end;
        }
    }
    if (const std::size_t code = codeDesignation(text, i)) {
        push(out, Tok::Word, text.substr(i, code));
        return i + code;
    }
    const std::size_t end = nameEnd(text, i);
    const std::string_view name = text.substr(i, end - i);
    if (name == "x" && afterNumber) {
        out.push_back(token(Tok::Times, "×"));
    } else if (upright(name)) {
        push(out, Tok::Word, name);
    } else {
        out.push_back(token(Tok::Name, std::string(name)));
    }
    return end;
}

}  // namespace

const UnitForm* unitNamed(std::string_view key) {
    for (const UnitForm& u : kUnits) {
        if (u.key == key) return &u;
    }
    return nullptr;
}

void readLiteral(std::string_view text, std::vector<Token>& out) {
    std::size_t i = 0;
    while (i < text.size()) {
        const Character c = characterAt(text, i);
        Token unit;
        if (const std::size_t length = bracketedUnit(text, i, unit)) {
            out.push_back(std::move(unit));
            i += length;
        } else if (isDigit(c.code)) {
            const std::size_t end = numberEnd(text, i);
            out.push_back(token(Tok::Number, std::string(text.substr(i, end - i))));
            i = end;
        } else if (isLetter(c.code)) {
            i = readName(text, i, out);
        } else {
            push(out, operatorKind(c.code), text.substr(i, c.length));
            i += c.length;
        }
    }
}

namespace {

// A typed number: blanks around it, a sign, digits with a point, an exponent.
bool typedNumber(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
    const std::size_t e = text.find_first_of("eE");
    std::string_view mantissa = text.substr(0, e);
    const std::size_t point = mantissa.find('.');
    const std::string_view whole = mantissa.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : mantissa.substr(point + 1);
    if (whole.empty() && fraction.empty()) return false;
    if ((!whole.empty() && !allDigits(whole)) || (!fraction.empty() && !allDigits(fraction)))
        return false;
    if (e == std::string_view::npos) return true;
    std::string_view power = text.substr(e + 1);
    if (!power.empty() && (power.front() == '-' || power.front() == '+')) power.remove_prefix(1);
    return allDigits(power);
}

// A number's text as tokens: "1.234568E+07" as 1.234568 × 10 to the power 7.
void readNumber(std::string_view text, std::vector<Token>& out) {
    const std::size_t e = text.find_first_of("eE");
    out.push_back(token(Tok::Number, std::string(text.substr(0, e)), true));
    if (e == std::string_view::npos) return;
    std::string_view digits = text.substr(e + 1);
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+'))
        digits.remove_prefix(1);
    while (digits.size() > 1 && digits.front() == '0')
        digits.remove_prefix(1);
    out.push_back(token(Tok::Op, "*"));
    out.push_back(token(Tok::Number, "10"));
    out.push_back(token(Tok::Caret, "^"));
    out.push_back(token(Tok::Number, (negative ? "-" : "") + std::string(digits)));
}

}  // namespace

void readValue(const Value& value, std::vector<Token>& out) {
    if (std::holds_alternative<std::monostate>(value)) return;
    if (const auto* text = std::get_if<std::string_view>(&value)) {
        if (!typedNumber(*text)) {
            readLiteral(*text, out);
            return;
        }
        std::string_view typed = *text;
        while (!typed.empty() && typed.front() == ' ')
            typed.remove_prefix(1);
        while (!typed.empty() && typed.back() == ' ')
            typed.remove_suffix(1);
        readNumber(typed, out);
        return;
    }
    readNumber(typesetNumber(value), out);
}

}  // namespace wallcalc::report::detail
