#include "pdf_device.hpp"

#include <climits>

#include "pdf_paint_engine.hpp"

namespace wallcalc::sheet::pdf {
namespace {

// The medium in points and the paintable area's corner on it, as QPdfWriter places them
// (whole points for the medium, whole pixels for the area).
PageGeometry geometryOf(const QPageLayout& layout, int dpi) {
    const QRect full = layout.fullRectPoints();
    const QRect paint = layout.paintRectPixels(dpi);
    const double perPixel = 72.0 / dpi;
    return {static_cast<double>(full.width()), static_cast<double>(full.height()),
            paint.left() * perPixel, paint.top() * perPixel, perPixel};
}

}  // namespace

PdfDevice::PdfDevice(const Faces& faces, const QPageLayout& layout, int dpi)
    : paintPixels_(layout.paintRectPixels(dpi)),
      paintMillimetres_(layout.paintRect(QPageLayout::Millimeter).size()),
      dpi_(dpi),
      engine_(std::make_unique<PdfPaintEngine>(faces, geometryOf(layout, dpi))) {}

PdfDevice::~PdfDevice() = default;

QPaintEngine* PdfDevice::paintEngine() const {
    return engine_.get();
}

bool PdfDevice::newPage() {
    if (!engine_->isActive()) return false;
    engine_->newPage();
    return true;
}

std::string PdfDevice::finish(const QString& title, std::string& failure) {
    return engine_->finish(title, failure);
}

const std::vector<char32_t>& PdfDevice::missingCharacters() const {
    return engine_->missingCharacters();
}

const std::vector<std::string>& PdfDevice::notWritten() const {
    return engine_->notWritten();
}

int PdfDevice::metric(PaintDeviceMetric metric) const {
    switch (metric) {
        case PdmWidth:
            return paintPixels_.width();
        case PdmHeight:
            return paintPixels_.height();
        case PdmWidthMM:
            return qRound(paintMillimetres_.width());
        case PdmHeightMM:
            return qRound(paintMillimetres_.height());
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return dpi_;
        case PdmNumColors:
            return INT_MAX;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
    }
    return 0;
}

}  // namespace wallcalc::sheet::pdf
