#include "set_lines.hpp"

#include <QPainter>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <array>
#include <optional>

#include "qt_text.hpp"
#include "sheet_style.hpp"
#include "text_painting.hpp"

namespace wallcalc::sheet {
namespace {

using report::Role;
using report::Run;
using report::Script;

// Where a line may break after a piece, from the best place to none.
enum class Break : std::uint8_t { Never, Anywhere, Term, Step };

// The least part of a line: a character of prose, an operator, a name, a number, a unit, an
// index or a power, a fraction; its pieces placed from its own left.
struct Atom {
    std::vector<SetPiece> pieces;
    qreal width = 0;
    Break after = Break::Anywhere;
    bool script = false;   // an index or a power: kept with what it belongs to
    bool closing = false;  // a closing bracket or punctuation: kept with what it closes
    bool blank = false;    // dropped at the start of a continuation
    bool opening = false;  // a blank or an opening bracket: may stand before a unit
    bool unit = false;     // a unit: kept with the number before it
    bool tall = false;
};

qreal pixels(const QFont& font) {
    return font.pixelSize();
}

// The powers 2 and 3 (mm², h₀²) as the face's own ² and ³, which read back and copy as such;
// other powers are set smaller and raised.
std::optional<QString> ownSuperscript(const std::string& text) {
    if (text == "2") return QStringLiteral("²");
    if (text == "3") return QStringLiteral("³");
    return std::nullopt;
}

Break afterProse(QStringView g) {
    static const QString terms = QStringLiteral(" ,，、：:;；");
    static const QString opening = QStringLiteral("(（[【");
    if (g.size() == 1 && terms.contains(g.front())) return Break::Term;
    if (g.size() == 1 && opening.contains(g.front())) return Break::Never;
    return Break::Anywhere;
}

bool closingProse(QStringView g) {
    static const QString closing = QStringLiteral(")）]】,，、。：:;；");
    return g.size() == 1 && closing.contains(g.front());
}

class Atoms {
  public:
    explicit Atoms(const SetFonts& fonts)
        : fonts_(fonts),
          measures_{SheetStyle::measure(fonts.body), SheetStyle::measure(fonts.script),
                    SheetStyle::measure(fonts.fraction),
                    SheetStyle::measure(fonts.fractionScript)} {}

    std::vector<Atom> of(const report::TypesetLine& line) {
        for (const report::Item& item : line.items) {
            if (const Run* run = std::get_if<Run>(&item)) {
                add(*run);
            } else {
                fraction(std::get<report::Fraction>(item));
            }
        }
        // Nothing breaks a term from its index or power, nor a bracket from what it closes,
        // nor a number from its unit ("372 (mm)").
        for (std::size_t i = 0; i + 1 < atoms_.size(); ++i) {
            if (atoms_[i + 1].script || atoms_[i + 1].closing) atoms_[i].after = Break::Never;
        }
        for (std::size_t i = 1; i < atoms_.size(); ++i) {
            if (!atoms_[i].unit) continue;
            for (std::size_t k = i; k-- > 0;) {
                atoms_[k].after = Break::Never;
                if (!atoms_[k].opening) break;
            }
        }
        return std::move(atoms_);
    }

  private:
    qreal advance(SetSize size, const QString& text) const {
        return measures_[static_cast<std::size_t>(size)](text);
    }

    // A run as pieces from x = 0 at the given sizes; its width.
    qreal place(const Run& run, SetSize base, SetSize small, std::vector<SetPiece>& out,
                qreal x) const {
        const qreal px = pixels(fonts_.font(base));
        if (run.script == Script::Base) {
            const QString text = qs(run.text);
            out.push_back({text, base, x, 0, 0});
            return advance(base, text);
        }
        if (run.script == Script::Super) {
            if (const auto own = ownSuperscript(run.text)) {
                out.push_back({*own, base, x, 0, 0});
                return advance(base, *own);
            }
        }
        const QString text = qs(run.text);
        const qreal dy = run.script == Script::Super ? -0.38 * px : 0.2 * px;
        out.push_back({text, small, x, dy, 0});
        return advance(small, text);
    }

    void add(const Run& run) {
        if (run.script == Script::Base && run.role == Role::Text) {
            prose(qs(run.text));
            return;
        }
        Atom a;
        a.width = place(run, SetSize::Body, SetSize::Script, a.pieces, 0);
        a.script = run.script != Script::Base;
        a.unit = run.role == Role::Unit && run.script == Script::Base;
        if (run.role == Role::Operator) a.after = run.text == "=" ? Break::Step : Break::Term;
        atoms_.push_back(std::move(a));
    }

    // Prose character by character (grapheme by grapheme).
    void prose(const QString& text) {
        QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
        qsizetype start = 0;
        for (qsizetype end = finder.toNextBoundary(); end > 0; end = finder.toNextBoundary()) {
            const QString g = text.mid(start, end - start);
            Atom a;
            a.width = advance(SetSize::Body, g);
            a.pieces.push_back({g, SetSize::Body, 0, 0, 0});
            a.after = afterProse(g);
            a.closing = closingProse(g);
            a.blank = g == QStringLiteral(" ");
            a.opening = a.blank || g == QStringLiteral("(") || g == QStringLiteral("（");
            atoms_.push_back(std::move(a));
            start = end;
        }
    }

    qreal runsWidth(const std::vector<Run>& runs) const {
        std::vector<SetPiece> scratch;
        qreal x = 0;
        for (const Run& r : runs)
            x += place(r, SetSize::Fraction, SetSize::FractionScript, scratch, x);
        return x;
    }

    // A fraction: numerator and denominator centred over and under a rule on the axis of
    // the line (where "=" and "−" stand).
    void fraction(const report::Fraction& f) {
        const qreal body = pixels(fonts_.body);
        const qreal small = pixels(fonts_.fraction);
        const qreal pad = 0.12 * body;
        const qreal axis = 0.3 * body;
        const qreal gap = 0.12 * small;
        const qreal over = runsWidth(f.over);
        const qreal under = runsWidth(f.under);
        const qreal inner = std::max(over, under);
        const bool overIndexed = std::any_of(f.over.begin(), f.over.end(),
                                             [](const Run& r) { return r.script == Script::Sub; });
        const qreal overBaseline = -axis - gap - (overIndexed ? 0.2 * small : 0.02 * small);
        const qreal underBaseline = -axis + gap + 0.75 * small;
        Atom a;
        a.width = inner + 2 * pad;
        a.tall = true;
        qreal x = pad + (inner - over) / 2;
        for (const Run& r : f.over)
            x += place(r, SetSize::Fraction, SetSize::FractionScript, a.pieces, x);
        for (std::size_t k = 0; k < a.pieces.size(); ++k)
            a.pieces[k].dy += overBaseline;
        const std::size_t overPieces = a.pieces.size();
        x = pad + (inner - under) / 2;
        for (const Run& r : f.under)
            x += place(r, SetSize::Fraction, SetSize::FractionScript, a.pieces, x);
        for (std::size_t k = overPieces; k < a.pieces.size(); ++k)
            a.pieces[k].dy += underBaseline;
        a.pieces.push_back({QString(), SetSize::Body, pad * 0.5, -axis, inner + pad});
        atoms_.push_back(std::move(a));
    }

    const SetFonts& fonts_;
    std::array<Advance, 4> measures_;  // of each size, in the order of SetSize
    std::vector<Atom> atoms_;
};

// An atom of one text wider than the narrower room (a number of hundreds of digits) split
// into its characters, each a place to break.
std::vector<Atom> splitWide(std::vector<Atom> atoms, const SetFonts& fonts, qreal room) {
    std::vector<Atom> out;
    for (Atom& a : atoms) {
        if (a.width <= room || a.pieces.size() != 1 || a.pieces[0].rule > 0) {
            out.push_back(std::move(a));
            continue;
        }
        const SetPiece piece = a.pieces[0];
        const QFont& font = fonts.font(piece.size);
        QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, piece.text);
        qsizetype start = 0;
        for (qsizetype end = finder.toNextBoundary(); end > 0; end = finder.toNextBoundary()) {
            Atom part;
            SetPiece p = piece;
            p.text = piece.text.mid(start, end - start);
            p.x = 0;
            part.width = SheetStyle::advance(font, p.text);
            part.pieces.push_back(std::move(p));
            part.script = a.script;
            out.push_back(std::move(part));
            start = end;
        }
        out.back().after = a.after;
    }
    return out;
}

// Atoms [from, to) as one line; pieces of the body face side by side drawn as one text.
SetLine lineOf(const std::vector<Atom>& atoms, std::size_t from, std::size_t to) {
    SetLine line;
    qreal x = 0;
    for (std::size_t i = from; i < to; ++i) {
        for (const SetPiece& piece : atoms[i].pieces) {
            SetPiece placed = piece;
            placed.x += x;
            SetPiece* last = line.pieces.empty() ? nullptr : &line.pieces.back();
            const bool joins = last != nullptr && last->size == SetSize::Body &&
                               placed.size == SetSize::Body && last->dy == 0 && placed.dy == 0 &&
                               last->rule == 0 && placed.rule == 0;
            if (joins) {
                last->text += placed.text;
            } else {
                line.pieces.push_back(std::move(placed));
            }
        }
        x += atoms[i].width;
        line.tall = line.tall || atoms[i].tall;
    }
    line.width = x;
    return line;
}

// The atom to end a line with, from `from` within `room`: after "=" where the line is at
// least half full, else after another operator or a blank, else after any piece that may
// end a line, else after as many as fit (at least one).
std::size_t lastOfLine(const std::vector<Atom>& atoms, std::size_t from, qreal room) {
    std::size_t fits = from;
    qreal right = atoms[from].width;
    std::vector<qreal> rights{right};
    while (fits + 1 < atoms.size() && right + atoms[fits + 1].width <= room) {
        right += atoms[++fits].width;
        rights.push_back(right);
    }
    for (Break kind : {Break::Step, Break::Term}) {
        for (std::size_t i = fits + 1; i-- > from;) {
            if (atoms[i].after == kind && rights[i - from] >= room / 2) return i;
        }
    }
    for (std::size_t i = fits + 1; i-- > from;) {
        if (atoms[i].after != Break::Never) return i;
    }
    return fits;
}

}  // namespace

SetFonts::SetFonts(const SheetStyle& style)
    : body(style.body),
      script(sheetFont(7)),
      fraction(sheetFont(8)),
      fractionScript(sheetFont(6)) {}

const QFont& SetFonts::font(SetSize size) const {
    switch (size) {
        case SetSize::Script:
            return script;
        case SetSize::Fraction:
            return fraction;
        case SetSize::FractionScript:
            return fractionScript;
        case SetSize::Body:
            break;
    }
    return body;
}

std::vector<SetLine> setLine(const report::TypesetLine& line, const SetFonts& fonts,
                             qreal firstWidth, qreal nextWidth) {
    const std::vector<Atom> atoms =
        splitWide(Atoms(fonts).of(line), fonts, std::min(firstWidth, nextWidth));
    std::vector<SetLine> lines;
    std::size_t from = 0;
    qreal room = firstWidth;
    qreal rest = 0;  // the width of the atoms from `from` on
    for (const Atom& a : atoms)
        rest += a.width;
    while (from < atoms.size()) {
        if (!lines.empty()) {
            while (from < atoms.size() && atoms[from].blank)
                rest -= atoms[from++].width;
            if (from == atoms.size()) break;
        }
        if (rest <= room) {
            lines.push_back(lineOf(atoms, from, atoms.size()));
            break;
        }
        const std::size_t last = lastOfLine(atoms, from, room);
        lines.push_back(lineOf(atoms, from, last + 1));
        rest -= lines.back().width;
        from = last + 1;
        room = nextWidth;
    }
    if (lines.empty()) lines.emplace_back();
    return lines;
}

SetLine plainLine(const QString& text, const SetFonts& fonts) {
    SetLine line;
    line.width = SheetStyle::advance(fonts.body, text);
    if (!text.isEmpty()) line.pieces.push_back({text, SetSize::Body, 0, 0, 0});
    return line;
}

void paintSetLine(QPainter& p, QPointF origin, const SetLine& line, const SetFonts& fonts) {
    std::optional<SetSize> current;
    for (const SetPiece& piece : line.pieces) {
        const QPointF at = origin + QPointF(piece.x, piece.dy);
        if (piece.rule > 0) {
            p.save();
            p.setPen(QPen(Qt::black, pixels(fonts.body) * 0.05));
            p.drawLine(at, at + QPointF(piece.rule, 0));
            p.restore();
            continue;
        }
        if (current != piece.size) {
            p.setFont(fonts.font(piece.size));
            current = piece.size;
        }
        paintText(p, at, piece.text);
    }
}

qreal tallExtra(const SetFonts& fonts) {
    return 0.7 * pixels(fonts.body);
}

}  // namespace wallcalc::sheet
