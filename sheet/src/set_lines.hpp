#pragma once
// Typeset lines (report/typeset.hpp) on the sheet: each run placed along a baseline in the
// body face, indices and powers smaller and lowered or raised, a fraction smaller with its
// rule on the axis of the line's operators; a line too long for its room broken where the
// formula moves on (after "="), else after another operator or a blank in prose, and only
// where nothing else fits between any two pieces of a term.
#include <QFont>
#include <QPointF>
#include <QString>
#include <vector>

#include "wallcalc/report/typeset.hpp"

class QPainter;

namespace wallcalc::sheet {

class SheetStyle;

enum class SetSize : std::uint8_t { Body, Script, Fraction, FractionScript };

// One piece of a set line: a text in one of the sizes, placed from the start of the line
// and its baseline (dy below it), or the rule of a fraction (`rule` long).
struct SetPiece {
    QString text;
    SetSize size = SetSize::Body;
    qreal x = 0;
    qreal dy = 0;
    qreal rule = 0;
};

struct SetLine {
    std::vector<SetPiece> pieces;
    qreal width = 0;
    bool tall = false;  // holds a fraction: the line needs more height
};

// The faces of the sizes, from the sheet's style.
struct SetFonts {
    explicit SetFonts(const SheetStyle& style);
    const QFont& font(SetSize size) const;
    QFont body, script, fraction, fractionScript;
};

// `line` broken to `firstWidth`, its continuations to `nextWidth`.
std::vector<SetLine> setLine(const report::TypesetLine& line, const SetFonts& fonts,
                             qreal firstWidth, qreal nextWidth);

// A plain text in the body face, as one set line.
SetLine plainLine(const QString& text, const SetFonts& fonts);

// Paints `line` with its start at `origin` on the baseline.
void paintSetLine(QPainter& p, QPointF origin, const SetLine& line, const SetFonts& fonts);

// How much higher than a plain line a tall one is set (in the sheet's units), the extra
// half above the baseline and half below.
qreal tallExtra(const SetFonts& fonts);

}  // namespace wallcalc::sheet
