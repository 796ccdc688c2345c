#pragma once
// How the sheet and its figures draw a text: through the program's own PDF writer, which
// sets the text itself, when the painter paints a PDF; through QPainter (which lays the
// text out) on the screen and on a printer.
#include <QPointF>
#include <QString>

class QPainter;

namespace wallcalc::sheet {

// Draws `text` in the painter's font and pen with its baseline starting at `baseline`, as
// QPainter::drawText(baseline, text) does.
void paintText(QPainter& painter, QPointF baseline, const QString& text);

}  // namespace wallcalc::sheet
