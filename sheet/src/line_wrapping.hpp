#pragma once
// Long lines of the calculation text on a page of fixed width. A line such as that of
// Wmax runs to more than a hundred characters; on the sheet it is broken where the
// formula moves on (after an "="), else after a blank or an operator, else between any
// two characters, and never cut short.
#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>

namespace wallcalc::sheet {

// The advance of a text (one character, one grapheme cluster) in the sheet's font.
using Advance = std::function<qreal(QStringView text)>;

// Breaks `line` into pieces, the first no wider than `firstWidth` and every later one no
// wider than `nextWidth` (less, when the continuation is indented). A single character
// wider than its room becomes a piece of its own. The pieces joined give `line` back;
// blanks are kept where they stand.
QStringList wrapLine(const QString& line, qreal firstWidth, qreal nextWidth,
                     const Advance& advance);

}  // namespace wallcalc::sheet
