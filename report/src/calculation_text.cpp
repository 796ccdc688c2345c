#include "wallcalc/report/calculation_text.hpp"

#include <vector>

#include "line_tables.hpp"
#include "wallcalc/report/number_text.hpp"

namespace wallcalc::report {
namespace {

constexpr std::string_view kSlotNames[kSlotCount] = {
    "h1",   "h2",  "h3",  "h4",   "h5",   "c1",   "TRZ",   "FJHZ",  "fxxs",  "ss",
    "Wmax", "L",   "a",   "b",    "q11",  "q12",  "q21",   "q22",   "q31",   "q32",
    "q42",  "q52", "Qrf", "MB11", "MB12", "MB21", "MB22",  "MB31",  "MB32",  "MB42",
    "MB52", "MBk", "MB",  "Fc",   "Fy",   "h0",   "alfas", "kese",  "Text7", "d",
    "Aas",  "Rte", "Csk", "Ftk",  "Fai",  "deq",  "W",     "Text9", "q13",   "MB13",
};

constexpr Slot kNoSlot = Slot::Count;

// A line as literal pieces, each followed by the value of a slot (or by nothing).
struct Piece {
    std::string_view literal;
    Slot slot = kNoSlot;
};
using Line = std::vector<Piece>;
using Lines = std::vector<Line>;

Slot slotNamed(std::string_view name) {
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        if (kSlotNames[i] == name) return static_cast<Slot>(i);
    }
    return kNoSlot;
}

Line compile(std::string_view text) {
    Line line;
    while (true) {
        const auto open = text.find('{');
        if (open == std::string_view::npos) {
            line.push_back({text, kNoSlot});
            return line;
        }
        const auto close = text.find('}', open);
        const Slot slot = slotNamed(text.substr(open + 1, close - open - 1));
        // A name no slot has stays in the text as written, where a test sees it.
        line.push_back({text.substr(0, slot == kNoSlot ? close + 1 : open), slot});
        text.remove_prefix(close + 1);
    }
}

Lines compile(std::span<const std::string_view> texts) {
    Lines lines;
    for (auto text : texts)
        lines.push_back(compile(text));
    return lines;
}

// Every table, split into pieces once; the tables are constants, and so is this.
struct CompiledTables {
    Lines load[2][3];
    Lines design = compile(tables::designLines());
    Lines heading = compile(tables::crackHeading());
    Lines pass = compile(tables::crackPass());
    Lines result = compile(tables::crackResult());
    Lines notMet = compile(tables::crackNotMet());
    Lines noTension = compile(tables::crackNoTension());
    Lines notes = compile(tables::crackNotes());
    Lines civilDefence = compile(tables::civilDefenceClosing());
    Lines noBar = compile(tables::noBarClosing());

    CompiledTables() {
        for (Case c : {Case::A, Case::B, Case::C}) {
            for (const auto& row : tables::loadLines(c)) {
                const auto idx = static_cast<std::size_t>(c);
                if (row.ordinary != tables::kAbsent) load[0][idx].push_back(compile(row.ordinary));
                const auto civil =
                    row.civilDefence == tables::kSame ? row.ordinary : row.civilDefence;
                if (civil != tables::kAbsent) load[1][idx].push_back(compile(civil));
            }
        }
    }
};

const CompiledTables& compiled() {
    static const CompiledTables tables;
    return tables;
}

// The sections of a text, in order, with an empty line between sections 1, 2 and 3.
struct Layout {
    const Lines* parts[6] = {};
    int count = 0;
    void add(const Lines& lines) { parts[count++] = &lines; }
};

Layout layout(Mode mode, Case c, CrackSection crack) {
    const auto& t = compiled();
    Layout l;
    l.add(t.load[mode == Mode::CivilDefence][static_cast<std::size_t>(c)]);
    l.add(t.design);
    switch (crack) {
        case CrackSection::Checked:
            l.add(t.heading), l.add(t.pass), l.add(t.result), l.add(t.notes);
            break;
        case CrackSection::LimitNotReached:
            l.add(t.heading), l.add(t.pass), l.add(t.notMet), l.add(t.notes);
            break;
        case CrackSection::NoTension:
            l.add(t.heading), l.add(t.noTension), l.add(t.result), l.add(t.notes);
            break;
        case CrackSection::CivilDefence:
            l.add(t.civilDefence);
            break;
        case CrackSection::NoBarFits:
            l.add(t.noBar);
            break;
    }
    return l;
}

// Writes each number once and copies its text where it recurs (L, MBk …); texts typed
// into boxes are appended straight from their views. A number's text is remembered by
// where it stands in the calculation text, so no string is made for it.
class ValueTexts {
  public:
    explicit ValueTexts(const Values& values) : values_(values) {}

    void append(std::string& out, Slot slot) {
        const Value& value = values_[slot];
        if (const auto* text = std::get_if<std::string_view>(&value)) {
            out += *text;
            return;
        }
        Written& written = written_[static_cast<std::size_t>(slot)];
        if (written.length != kNotWritten) {
            out.append(out, written.position, written.length);
            return;
        }
        written.position = out.size();
        if (const auto* single = std::get_if<float>(&value)) appendSingle(out, *single);
        if (const auto* dbl = std::get_if<double>(&value)) appendDouble(out, *dbl);
        if (const auto* whole = std::get_if<long long>(&value)) appendWhole(out, *whole);
        written.length = out.size() - written.position;
    }

  private:
    static constexpr std::size_t kNotWritten = static_cast<std::size_t>(-1);
    struct Written {
        std::size_t position = 0;
        std::size_t length = kNotWritten;
    };

    const Values& values_;
    std::array<Written, kSlotCount> written_{};
};

}  // namespace

std::string_view slotName(Slot slot) {
    return slot == Slot::Count ? std::string_view{} : kSlotNames[static_cast<std::size_t>(slot)];
}

int lineCount(Mode mode, Case c, CrackSection crack) {
    const Layout l = layout(mode, c, crack);
    int lines = 0;
    for (int i = 0; i < l.count; ++i)
        lines += static_cast<int>(l.parts[i]->size());
    return lines + 2;  // the empty lines after sections 1 and 2
}

std::string calculationText(Mode mode, Case c, CrackSection crack, const Values& values) {
    const Layout l = layout(mode, c, crack);
    ValueTexts texts(values);
    std::string out;
    out.reserve(4096);
    bool first = true;
    for (int i = 0; i < l.count; ++i) {
        if (i == 1 || i == 2) out += "\r\n";  // empty line closing sections 1 and 2
        for (const Line& line : *l.parts[i]) {
            if (!first) out += "\r\n";
            first = false;
            for (const Piece& piece : line) {
                out += piece.literal;
                if (piece.slot != kNoSlot) texts.append(out, piece.slot);
            }
        }
    }
    return out;
}

}  // namespace wallcalc::report
