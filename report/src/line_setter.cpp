// Setting a line's tokens as runs: operators as a checker writes them, names with their
// indices lowered, powers raised, quotients of single terms as fractions, negative values
// in substitutions bracketed, units and bars in one form.
#include <optional>

#include "line_setter.hpp"

namespace wallcalc::report::detail {
namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);
constexpr std::string_view kMinus = "−";  // U+2212

// A leading "-" as the minus sign.
std::string signed_(std::string_view number) {
    if (number.starts_with('-')) return std::string(kMinus) + std::string(number.substr(1));
    return std::string(number);
}

std::string operatorText(std::string_view op) {
    if (op == "*") return "×";
    if (op == "-") return std::string(kMinus);
    return std::string(op);
}

// An operator of arithmetic: a value beside it in a substitution is an operand.
bool arithmetic(const Token* t) {
    if (t == nullptr) return false;
    if (t->kind == Tok::Times || t->kind == Tok::Slash || t->kind == Tok::Caret) return true;
    return t->kind == Tok::Op &&
           (t->text == "+" || t->text == "-" || t->text == "*" || t->text == "×" || t->text == "÷");
}

std::size_t characterLength(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text.front());
    return lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
}

// Bars already written with their grade's symbol: "C14", "Φ14", "CR14".
bool symbolAndDiameter(std::string_view name) {
    const std::size_t digits = name.find_first_of("0123456789");
    if (digits == std::string_view::npos || digits == 0) return false;
    return name.find_first_not_of("0123456789", digits) == std::string_view::npos;
}

class Setter {
  public:
    Setter(const std::vector<Token>& tokens, const Notation& notation)
        : tokens_(tokens), notation_(notation) {}

    TypesetLine set() {
        indentation();
        while (i_ < tokens_.size())
            step();
        return {merged()};
    }

  private:
    // The token `k` places on from the current one, blanks skipped; null past the end.
    const Token* ahead(std::size_t from) const {
        for (std::size_t k = from; k < tokens_.size(); ++k) {
            if (tokens_[k].kind != Tok::Space) return &tokens_[k];
        }
        return nullptr;
    }
    std::size_t nextSolid(std::size_t from) const {
        while (from < tokens_.size() && tokens_[from].kind == Tok::Space)
            ++from;
        return from;
    }

    void indentation() {
        std::string blanks;
        while (i_ < tokens_.size() && tokens_[i_].kind == Tok::Space) {
            blanks += ' ';
            ++i_;
        }
        if (!blanks.empty()) add({blanks});
    }

    void add(Run run) {
        items_.emplace_back(std::move(run));
        atom_ = kNone;
        group_ = false;
    }

    void step() {
        const Token& t = tokens_[i_];
        switch (t.kind) {
            case Tok::Space:
                space();
                return;
            case Tok::Word:
                add({t.text});
                break;
            case Tok::Name:
                if (bars()) return;
                name(t.text);
                break;
            case Tok::Number:
                if (bars()) return;
                number(t);
                break;
            case Tok::Op:
                add({operatorText(t.text), Role::Operator});
                if (t.text == ",") add({" "});  // a list's comma, with a blank after it
                break;
            case Tok::Times:
                add({"×", Role::Operator});
                break;
            case Tok::Slash:
                quotient();
                return;
            case Tok::Caret:
                power();
                return;
            case Tok::Open:
                add({"("});
                groups_.push_back({items_.size() - 1, false});
                break;
            case Tok::Close:
                close();
                break;
            case Tok::At:
                add({"@"});
                break;
            case Tok::Unit:
                unit(t);
                break;
        }
        previous_ = &t;
        ++i_;
    }

    // A blank is kept between two words or numbers, and before a unit in brackets (which
    // gets one whether written or not, as a comma does after it); it is dropped beside an
    // operator or a bracket and at the end of the line.
    void space() {
        const Token* next = ahead(i_);
        ++i_;
        if (next == nullptr || previous_ == nullptr || next->kind == Tok::Unit) return;
        const auto wordy = [](const Token* t) {
            return t->kind == Tok::Word || t->kind == Tok::Name || t->kind == Tok::Number;
        };
        if (wordy(previous_) && wordy(next)) add({" "});
    }

    void name(std::string_view text) {
        const std::size_t start = items_.size();
        bool prime = text.ends_with('\'');
        if (prime) text.remove_suffix(1);
        const std::size_t base = characterLength(text);
        add({std::string(text.substr(0, base)), Role::Name});
        if (text.size() > base) add({std::string(text.substr(base)), Role::Name, Script::Sub});
        if (prime) add({"′", Role::Name});
        atom_ = start;
    }

    void number(const Token& t) {
        const std::size_t start = items_.size();
        const bool negative = t.value && t.text.starts_with('-');
        const bool operand = arithmetic(previous_) || arithmetic(ahead(i_ + 1));
        if (negative && operand) {
            add({"("});
            add({signed_(t.text), Role::Number});
            add({")"});
            if (!groups_.empty()) groups_.back().bracketed = true;
        } else {
            add({signed_(t.text), Role::Number});
        }
        atom_ = start;
    }

    // Bars: a diameter, "@", a spacing and "(mm)" or nothing, set as C14@100.
    bool bars() {
        const Token& d = tokens_[i_];
        if (i_ + 1 >= tokens_.size() || tokens_[i_ + 1].kind != Tok::At) return false;
        const std::size_t s = nextSolid(i_ + 2);
        if (s >= tokens_.size() || tokens_[s].kind != Tok::Number) return false;
        const bool symbolled = d.kind == Tok::Name;
        if (symbolled && !symbolAndDiameter(d.text)) return false;
        const std::string symbol = symbolled ? std::string() : std::string(notation_.barSymbol);
        add({symbol + d.text + "@" + tokens_[s].text, Role::Bars});
        i_ = s + 1;
        const std::size_t after = nextSolid(i_);
        if (after < tokens_.size() && tokens_[after].kind == Tok::Unit &&
            tokens_[after].text == "mm") {
            i_ = after + 1;
        }
        previous_ = &tokens_[s];
        return true;
    }

    // The next single term from `k` (a name or a number, and its power) set as runs; the
    // token after it, or kNone when none stands there.
    std::size_t term(std::size_t k, std::vector<Run>& runs) {
        if (k >= tokens_.size()) return kNone;
        const Token& t = tokens_[k];
        if (t.kind != Tok::Name && t.kind != Tok::Number) return kNone;
        if (k + 1 < tokens_.size() && tokens_[k + 1].kind == Tok::At) return kNone;
        if (t.kind == Tok::Number && t.value && t.text.starts_with('-')) return kNone;
        Setter inner(tokens_, notation_);
        inner.i_ = k;
        inner.previous_ = nullptr;
        inner.step();
        if (inner.i_ < tokens_.size() && tokens_[inner.i_].kind == Tok::Caret) inner.power();
        for (Item& item : inner.items_)
            runs.push_back(std::get<Run>(std::move(item)));
        return inner.i_;
    }

    // A quotient: of two single terms a fraction, of anything else ÷.
    void quotient() {
        const Token& slash = tokens_[i_];
        std::vector<Run> under;
        const std::size_t after = atom_ != kNone && !group_ ? term(i_ + 1, under) : kNone;
        bool single = after != kNone;
        for (std::size_t k = atom_; single && k < items_.size(); ++k)
            single = std::holds_alternative<Run>(items_[k]);
        if (!single) {
            add({"÷", Role::Operator});
            previous_ = &slash;
            ++i_;
            return;
        }
        Fraction f;
        for (std::size_t k = atom_; k < items_.size(); ++k)
            f.over.push_back(std::get<Run>(std::move(items_[k])));
        items_.resize(atom_);
        f.under = std::move(under);
        items_.emplace_back(std::move(f));
        atom_ = items_.size() - 1;
        group_ = false;
        previous_ = &tokens_[after - 1];
        i_ = after;
    }

    // A power: raised after its term; a square root where the power of a bracket is 0.5,
    // and 1/4 for 0.25 as the code writes βh.
    void power() {
        const Token& caret = tokens_[i_];
        std::size_t k = i_ + 1;
        std::string exponent;
        if (k < tokens_.size() && tokens_[k].kind == Tok::Op && tokens_[k].text == "-") {
            exponent = std::string(kMinus);
            ++k;
        }
        if (k >= tokens_.size() || tokens_[k].kind != Tok::Number) {
            add({"^"});  // a caret with no power after it stays as written
            previous_ = &caret;
            ++i_;
            return;
        }
        exponent += signed_(tokens_[k].text);
        const std::size_t atom = atom_;
        const bool group = group_;
        if (exponent == "0.5" && group) {
            items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(atom),
                          Item{Run{"√", Role::Operator}});
        } else {
            if (exponent == "0.25") exponent = "1/4";
            items_.emplace_back(Run{exponent, Role::Number, Script::Super});
        }
        // The term with its power is still a term.
        atom_ = atom;
        group_ = group;
        previous_ = &tokens_[k];
        i_ = k + 1;
    }

    void close() {
        add({")"});
        if (groups_.empty()) return;
        const auto [open, bracketed] = groups_.back();
        groups_.pop_back();
        if (bracketed) {
            std::get<Run>(items_[open]).text = "[";
            std::get<Run>(items_.back()).text = "]";
        }
        atom_ = open;
        group_ = true;
    }

    // A unit in half-width brackets after a value stands a blank apart ("8.1 (kN/m)");
    // after a name it is a label's ("h₁(m)").
    void unit(const Token& t) {
        const UnitForm* u = unitNamed(t.text);
        const bool halfWidth = t.open == "(";
        if (halfWidth && previous_ != nullptr &&
            (previous_->kind == Tok::Number || previous_->kind == Tok::Close)) {
            add({" "});
        }
        if (!t.open.empty()) add({std::string(t.open)});
        add({std::string(u->base), Role::Unit});
        if (!u->power.empty()) add({std::string(u->power), Role::Unit, Script::Super});
        if (!t.close.empty()) add({std::string(t.close)});
    }

    // Runs of one role and script side by side are one run; operators stay apart, each a
    // place to break.
    std::vector<Item> merged() {
        std::vector<Item> out;
        for (Item& item : items_) {
            Run* run = std::get_if<Run>(&item);
            Run* last = out.empty() ? nullptr : std::get_if<Run>(&out.back());
            if (run != nullptr && last != nullptr && run->role == last->role &&
                run->script == last->script && run->role != Role::Operator &&
                run->role != Role::Bars) {
                last->text += run->text;
            } else {
                out.push_back(std::move(item));
            }
        }
        return out;
    }

    struct Group {
        std::size_t open;
        bool bracketed;  // holds a bracketed negative value: set in [ ]
    };

    const std::vector<Token>& tokens_;
    const Notation& notation_;
    std::size_t i_ = 0;
    std::vector<Item> items_;
    std::vector<Group> groups_;
    std::size_t atom_ = kNone;  // where the last term set begins, if the last thing set is one
    bool group_ = false;        // and that term is a bracket
    const Token* previous_ = nullptr;
};

}  // namespace

TypesetLine setTokens(const std::vector<Token>& tokens, const Notation& notation) {
    return Setter(tokens, notation).set();
}

}  // namespace wallcalc::report::detail
