#include "text_painting.hpp"

#include <QPainter>

#include "pdf/pdf_paint_engine.hpp"

namespace wallcalc::sheet {

void paintText(QPainter& painter, QPointF baseline, const QString& text) {
    // Qt's layout of a text before the PDF writer sets it again was a third of a sheet's time.
    if (auto* pdf = dynamic_cast<pdf::PdfPaintEngine*>(painter.paintEngine())) {
        pdf->drawText(painter, baseline, text);
        return;
    }
    painter.drawText(baseline, text);
}

}  // namespace wallcalc::sheet
