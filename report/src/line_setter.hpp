#pragma once
// Setting one line: its literal pieces are read into tokens (words, quantities' names,
// numbers, operators, brackets, units), each value of a slot becomes a number token of its
// own, and the tokens are then set as runs (typeset.hpp).
#include <string>
#include <string_view>
#include <vector>

#include "wallcalc/report/typeset.hpp"

namespace wallcalc::report::detail {

enum class Tok : std::uint8_t {
    Word,    // prose, punctuation, words set upright (GB 50010-2010, HRB400, max)
    Space,   // one blank
    Name,    // a quantity: q12, αs, As,min, h0'
    Number,  // digits with their point, and a sign when it is a value's
    Op,      // = + - * < > ≤ ≥ and the comma of a list
    Times,   // an "x" written for ×
    Slash,   // a quotient
    Caret,   // a power: the exponent follows
    Open,    // (
    Close,   // )
    At,      // the @ of bars
    Unit,    // a unit: bare after a number (1000mm) or in brackets ((kNm), （mm）)
};

struct Token {
    Tok kind = Tok::Word;
    std::string text;       // as written; a unit's key
    bool value = false;     // a number substituted from a slot
    std::string_view open;  // a unit's brackets, when it stands in them
    std::string_view close;
};

inline Token token(Tok kind, std::string text, bool value = false) {
    Token t;
    t.kind = kind;
    t.text = std::move(text);
    t.value = value;
    return t;
}

// Reads literal text into tokens, appended to `out`.
void readLiteral(std::string_view text, std::vector<Token>& out);
// A value of a slot as tokens: a number (with a power of ten where its text has an exponent),
// or a text read as literal text.
void readValue(const Value& value, std::vector<Token>& out);

// A unit as it is set: "kN·m", or "mm" with the power "2".
struct UnitForm {
    std::string_view key;
    std::string_view base;
    std::string_view power;
};
const UnitForm* unitNamed(std::string_view key);

// Sets the tokens of a line.
TypesetLine setTokens(const std::vector<Token>& tokens, const Notation& notation);

// Collects the pieces of one line and sets them.
class LineSetter {
  public:
    explicit LineSetter(const Notation& notation) : notation_(notation) {}
    void literal(std::string_view text) { readLiteral(text, tokens_); }
    void value(const Value& value) { readValue(value, tokens_); }
    TypesetLine finish() { return setTokens(tokens_, notation_); }

  private:
    const Notation& notation_;
    std::vector<Token> tokens_;
};

}  // namespace wallcalc::report::detail
