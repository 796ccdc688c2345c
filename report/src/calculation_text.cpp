#include "wallcalc/report/calculation_text.hpp"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <deque>
#include <vector>

#include "line_setter.hpp"
#include "line_tables.hpp"
#include "wallcalc/report/number_text.hpp"
#include "wallcalc/report/typeset.hpp"

namespace wallcalc::report {
namespace {

constexpr std::string_view kSlotNames[kSlotCount] = {
    "h1",       "h2",      "h3",       "h4",      "h5",       "c1",      "TRZ",      "FJHZ",
    "fxxs",     "ss",      "Wmax",     "L",       "a",        "b",       "q11",      "q12",
    "q21",      "q22",     "q31",      "q32",     "q42",      "q52",     "Qrf",      "MB11",
    "MB12",     "MB21",    "MB22",     "MB31",    "MB32",     "MB42",    "MB52",     "MBk",
    "MB",       "Fc",      "Fy",       "h0",      "alfas",    "kese",    "Text7",    "d",
    "Aas",      "Rte",     "Csk",      "Ftk",     "Fai",      "deq",     "W",        "Text9",
    "q13",      "MB13",    "gammaG",   "gammaQ",  "psiq",     "MG",      "MQ",       "Mq",
    "beta1",    "epsCu",   "Es",       "xib",     "Ft",       "fyo",     "civilMin", "Asmin",
    "compare",  "governs", "cs",       "deqe",    "nu",       "gamma0",  "alpha1",   "fc",
    "dh0",      "crackH0", "RteBound", "RteUsed", "FaiBound", "FaiUsed", "csBound",  "passNote",
    "Wcompare",
};

constexpr Slot kNoSlot = Slot::Count;

// Literal text is copied in blocks of this many characters, and a number's text takes at
// most kNumberTextRoom: the copies may run past a piece's end (into the next piece, or the
// padding after the last), and the buffer keeps room for that.
constexpr std::size_t kBlock = 16;
constexpr std::string_view kLineBreak = "\r\n";

// A line as literal pieces, each followed by the value of a slot (or by nothing), and the
// most room it takes in the buffer apart from texts typed into boxes.
struct Piece {
    std::string_view literal;
    Slot slot = kNoSlot;
};
struct Line {
    std::vector<Piece> pieces;
    std::size_t room = 0;
};
using Lines = std::vector<Line>;

Slot slotNamed(std::string_view name) {
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        if (kSlotNames[i] == name) return static_cast<Slot>(i);
    }
    return kNoSlot;
}

// A literal piece kept for the whole run of the program, with kBlock characters of
// padding behind it, so that a block copy never reads outside what it was kept in.
std::string_view keptWithPadding(std::string_view text) {
    static std::deque<std::string> kept;  // its strings never move
    std::string& copy = kept.emplace_back(text);
    copy.append(kBlock, '\0');
    return {copy.data(), text.size()};
}

Line compile(std::string_view text) {
    Line line;
    line.room = kLineBreak.size() + kBlock;  // the line break before it
    const auto add = [&line](std::string_view literal, Slot slot) {
        line.pieces.push_back({keptWithPadding(literal), slot});
        line.room += literal.size() + kBlock + (slot == kNoSlot ? 0 : kNumberTextRoom);
    };
    while (true) {
        const auto open = text.find('{');
        if (open == std::string_view::npos) {
            add(text, kNoSlot);
            return line;
        }
        const auto close = text.find('}', open);
        const Slot slot = slotNamed(text.substr(open + 1, close - open - 1));
        // A name no slot has stays in the text as written, where a test sees it.
        add(text.substr(0, slot == kNoSlot ? close + 1 : open), slot);
        text.remove_prefix(close + 1);
    }
}

Lines compile(std::span<const std::string_view> texts) {
    Lines lines;
    for (auto text : texts)
        lines.push_back(compile(text));
    return lines;
}

// A row's line in the mode: the ordinary one, or the civil-defence one (kSame: as the
// ordinary one); kAbsent where the mode has none.
std::string_view inMode(const tables::LoadLine& row, Mode mode) {
    if (mode == Mode::Ordinary) return row.ordinary;
    return row.civilDefence == tables::kSame ? row.ordinary : row.civilDefence;
}

constexpr std::size_t kBases = 2, kModes = 2, kCases = 3;
constexpr Basis kAllBases[] = {Basis::Gb2002, Basis::Gb2010};

// Every table, split into pieces once; the tables are constants, and so is this.
struct CompiledTables {
    Lines load[kBases][kModes][kCases];
    Lines codes[kModes];  // the 2010 text's first line
    Lines design[kBases][kModes];
    Lines pass[kBases];
    Lines notMet[kBases];
    Lines noTension[kBases];
    Lines notes[kBases];
    Lines heading[kBases];
    Lines result = compile(tables::crackResult());
    Lines civilDefence = compile(tables::civilDefenceClosing());
    Lines noBar = compile(tables::noBarClosing());
    std::string_view lineBreak = keptWithPadding(kLineBreak);

    CompiledTables() {
        for (Basis basis : kAllBases) {
            const auto b = static_cast<std::size_t>(basis);
            pass[b] = compile(tables::crackPass(basis));
            notMet[b] = compile(tables::crackNotMet(basis));
            noTension[b] = compile(tables::crackNoTension(basis));
            notes[b] = compile(tables::crackNotes(basis));
            heading[b] = compile(tables::crackHeading(basis));
        }
        for (Mode mode : {Mode::Ordinary, Mode::CivilDefence}) {
            const auto m = static_cast<std::size_t>(mode);
            codes[m].push_back(compile(inMode(tables::codesLine(), mode)));
            for (Basis basis : kAllBases) {
                for (const auto& row : tables::designLines(basis))
                    design[static_cast<std::size_t>(basis)][m].push_back(
                        compile(inMode(row, mode)));
            }
            for (Case c : {Case::A, Case::B, Case::C}) {
                const auto k = static_cast<std::size_t>(c);
                for (const auto& row : tables::loadLines(c)) {
                    const std::string_view line = inMode(row, mode);
                    if (line == tables::kAbsent) continue;
                    load[0][m][k].push_back(compile(line));
                    if (!row.only2002) load[1][m][k].push_back(compile(line));
                }
                for (const auto& row : tables::loadClosing2010(c)) {
                    const std::string_view line = inMode(row, mode);
                    if (line != tables::kAbsent) load[1][m][k].push_back(compile(line));
                }
            }
        }
    }
};

const CompiledTables& compiled() {
    static const CompiledTables tables;
    return tables;
}

// The pieces of a text, in order; an empty line comes before section 2 and section 3.
struct Layout {
    struct Part {
        const Lines* lines;
        bool newSection;
    };
    std::array<Part, 8> parts{};
    int count = 0;
    void add(const Lines& lines, bool newSection = false) { parts[count++] = {&lines, newSection}; }
};

Layout layout(Basis basis, Mode mode, Case c, CrackSection crack) {
    const auto& t = compiled();
    const auto b = static_cast<std::size_t>(basis);
    const auto m = static_cast<std::size_t>(mode);
    Layout l;
    if (basis == Basis::Gb2010) l.add(t.codes[m]);
    l.add(t.load[b][m][static_cast<std::size_t>(c)]);
    l.add(t.design[b][m], true);
    switch (crack) {
        case CrackSection::Checked:
            l.add(t.heading[b], true), l.add(t.pass[b]), l.add(t.result), l.add(t.notes[b]);
            break;
        case CrackSection::LimitNotReached:
            l.add(t.heading[b], true), l.add(t.pass[b]), l.add(t.notMet[b]), l.add(t.notes[b]);
            break;
        case CrackSection::NoTension:
            l.add(t.heading[b], true), l.add(t.noTension[b]), l.add(t.result), l.add(t.notes[b]);
            break;
        case CrackSection::CivilDefence:
            l.add(t.civilDefence, true);
            break;
        case CrackSection::NoBarFits:
            l.add(t.noBar, true);
            break;
    }
    return l;
}

// The calculation text as it is written: a buffer that grows by doubling. A line makes
// room for all it can write at its start; its literal pieces and repeated numbers are then
// copied in fixed-size blocks with no further check (a press writes some 250 pieces, and a
// copy of a counted length costs more than the text it copies).
class TextBuffer {
  public:
    explicit TextBuffer(std::string& text) : text_(text) {
        if (text_.size() < 4096) text_.resize(4096);
    }

    void makeRoom(std::size_t length) {
        if (text_.size() - size_ < length) text_.resize(std::max(2 * text_.size(), size_ + length));
    }
    // A compiled literal, within the room made for its line.
    void putLiteral(std::string_view piece) {
        char* to = text_.data() + size_;
        for (std::size_t i = 0; i < piece.size(); i += kBlock)
            std::memcpy(to + i, piece.data() + i, kBlock);
        size_ += piece.size();
    }
    // A text typed into a box: of any length, so with room made for it and for what its
    // line may still write.
    void putTyped(std::string_view text, std::size_t lineRoom) {
        makeRoom(text.size() + lineRoom);
        std::memcpy(text_.data() + size_, text.data(), text.size());
        size_ += text.size();
    }
    // A number written earlier, from `position`, written again at the end (within the
    // room made for its line; the blocks read behind the number stay within the text).
    void repeat(std::size_t position, std::size_t length) {
        char* to = text_.data() + size_;
        const char* from = text_.data() + position;
        for (std::size_t i = 0; i < length; i += kBlock)
            std::memmove(to + i, from + i, kBlock);
        size_ += length;
    }
    // Where a number's text goes, then the end its writer returns.
    char* numberAt() { return text_.data() + size_; }
    void numberEndsAt(const char* end) { size_ = static_cast<std::size_t>(end - text_.data()); }

    std::size_t size() const { return size_; }
    std::string_view text() const { return {text_.data(), size_}; }

  private:
    std::string& text_;
    std::size_t size_ = 0;
};

// Writes each number once and copies its text where it recurs (L, MBk …); texts typed
// into boxes are copied straight from their views. A number's text is remembered by
// where it stands in the calculation text, so no string is made for it.
class ValueTexts {
  public:
    explicit ValueTexts(const Values& values) : values_(values) {}

    void append(TextBuffer& out, Slot slot, std::size_t lineRoom) {
        const Value& value = values_[slot];
        if (const auto* text = std::get_if<std::string_view>(&value)) {
            out.putTyped(*text, lineRoom);
            return;
        }
        Written& written = written_[static_cast<std::size_t>(slot)];
        if (written.length != kNotWritten) {
            out.repeat(written.position, written.length);
            return;
        }
        written.position = static_cast<std::uint32_t>(out.size());
        out.numberEndsAt(writeNumber(out.numberAt(), value));
        written.length = static_cast<std::uint32_t>(out.size() - written.position);
    }

  private:
    static constexpr std::uint32_t kNotWritten = static_cast<std::uint32_t>(-1);
    struct Written {
        std::uint32_t position = 0;
        std::uint32_t length = kNotWritten;
    };

    const Values& values_;
    std::array<Written, kSlotCount> written_{};
};

}  // namespace

char* writeNumber(char* at, const Value& value) {
    if (const auto* single = std::get_if<float>(&value)) return writeSingle(at, *single);
    if (const auto* dbl = std::get_if<double>(&value)) return writeDouble(at, *dbl);
    if (const auto* whole = std::get_if<long long>(&value)) return writeWhole(at, *whole);
    return at;
}

std::string_view slotName(Slot slot) {
    return slot == Slot::Count ? std::string_view{} : kSlotNames[static_cast<std::size_t>(slot)];
}

int lineCount(Basis basis, Mode mode, Case c, CrackSection crack) {
    const Layout l = layout(basis, mode, c, crack);
    int lines = 0;
    for (int i = 0; i < l.count; ++i) {
        lines += static_cast<int>(l.parts[i].lines->size()) + (l.parts[i].newSection ? 1 : 0);
    }
    return lines;
}

std::string calculationText(Basis basis, Mode mode, Case c, CrackSection crack,
                            const Values& values) {
    std::string text;
    text.resize(writeCalculationText(text, basis, mode, c, crack, values).size());
    return text;
}

std::string_view writeCalculationText(std::string& buffer, Basis basis, Mode mode, Case c,
                                      CrackSection crack, const Values& values) {
    const Layout l = layout(basis, mode, c, crack);
    const std::string_view lineBreak = compiled().lineBreak;
    ValueTexts texts(values);
    TextBuffer out(buffer);
    bool first = true;
    for (int i = 0; i < l.count; ++i) {
        if (l.parts[i].newSection) {
            out.makeRoom(lineBreak.size() + kBlock);
            out.putLiteral(lineBreak);  // the empty line before a section
        }
        for (const Line& line : *l.parts[i].lines) {
            out.makeRoom(line.room);
            if (!first) out.putLiteral(lineBreak);
            first = false;
            for (const Piece& piece : line.pieces) {
                out.putLiteral(piece.literal);
                if (piece.slot != kNoSlot) texts.append(out, piece.slot, line.room);
            }
        }
    }
    return out.text();
}

// The same lines as writeCalculationText writes, each set from its literal pieces and the
// values of its slots.
TypesetText typesetCalculation(Basis basis, Mode mode, Case c, CrackSection crack,
                               const Values& values, const Notation& notation) {
    const Layout l = layout(basis, mode, c, crack);
    TypesetText out;
    for (int i = 0; i < l.count; ++i) {
        if (l.parts[i].newSection) out.emplace_back();
        for (const Line& line : *l.parts[i].lines) {
            detail::LineSetter setter(notation);
            for (const Piece& piece : line.pieces) {
                setter.literal(piece.literal);
                if (piece.slot != kNoSlot) setter.value(values[piece.slot]);
            }
            out.push_back(setter.finish());
        }
    }
    return out;
}

}  // namespace wallcalc::report
