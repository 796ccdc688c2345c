#pragma once
// A paint device whose pages become a PDF file, written by the program's own engine
// (pdf_paint_engine.hpp). Its pixels are the given resolution's; its origin is the top left
// of the page layout's paintable area, as on a QPdfWriter or a QPrinter.
#include <QPageLayout>
#include <QPaintDevice>
#include <memory>
#include <string>
#include <vector>

#include "pdf_faces.hpp"

namespace wallcalc::sheet::pdf {

class PdfPaintEngine;

class PdfDevice final : public QPaintDevice {
  public:
    PdfDevice(const Faces& faces, const QPageLayout& layout, int dpi);
    ~PdfDevice() override;

    QPaintEngine* paintEngine() const override;
    // Ends the page being painted and starts the next; only while a painter is active.
    bool newPage();
    // The whole file once the painter has ended, titled `title`; empty, and why in
    // `failure`, when it could not be made.
    std::string finish(const QString& title, std::string& failure);

    const std::vector<char32_t>& missingCharacters() const;
    const std::vector<std::string>& notWritten() const;

  protected:
    int metric(PaintDeviceMetric metric) const override;

  private:
    QRect paintPixels_;
    QSizeF paintMillimetres_;
    int dpi_;
    std::unique_ptr<PdfPaintEngine> engine_;
};

}  // namespace wallcalc::sheet::pdf
