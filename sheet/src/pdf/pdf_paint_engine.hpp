#pragma once
// The program's own PDF writer behind QPainter: the drawing code that paints the sheet in
// the window and on a printer paints it here, and this engine writes each operation
// straight into the page's content stream. It writes what the sheet draws: text, lines,
// rectangles, polygons, paths and ellipses with solid or dashed pens and solid brushes,
// under scaling and translation. Anything else drawn (pixmaps, gradients, clipping,
// transparency, rotation) is recorded as not written, for the tests to find, and left out.
#include <QBrush>
#include <QPaintEngine>
#include <QPen>
#include <QTransform>
#include <string>
#include <vector>

#include "pdf_fonts.hpp"
#include "pdf_objects.hpp"
#include "pdf_text.hpp"

namespace wallcalc::sheet::pdf {

// The page: its size in points and where the device's origin stands on it.
struct PageGeometry {
    double width = 0, height = 0;  // the medium, in points
    double left = 0, top = 0;      // the device's origin from the medium's top left, points
    double pointsPerPixel = 0.06;  // 72 / the device's resolution
};

class PdfPaintEngine final : public QPaintEngine {
  public:
    PdfPaintEngine(const Faces& faces, PageGeometry page);

    bool begin(QPaintDevice* device) override;
    bool end() override;
    void updateState(const QPaintEngineState& state) override;
    void drawPath(const QPainterPath& path) override;
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override;
    void drawLines(const QLineF* lines, int count) override;
    void drawRects(const QRectF* rects, int count) override;
    void drawEllipse(const QRectF& rect) override;
    void drawPoints(const QPointF* points, int count) override;
    void drawTextItem(const QPointF& at, const QTextItem& item) override;
    void drawPixmap(const QRectF& target, const QPixmap& pixmap, const QRectF& source) override;
    void drawImage(const QRectF& target, const QImage& image, const QRectF& source,
                   Qt::ImageConversionFlags flags) override;
    void drawTiledPixmap(const QRectF& target, const QPixmap& pixmap, const QPointF& at) override;
    Type type() const override { return QPaintEngine::User; }

    // Draws `text` with its baseline starting at `baseline` (in the painter's coordinates)
    // in the painter's font, pen and transformation as they stand, set by this engine's own
    // shaping: what QPainter::drawText would draw here, without Qt laying the text out first
    // only for this engine to set it again.
    void drawText(const QPainter& painter, const QPointF& baseline, const QString& text);

    // Ends the page and starts the next one.
    void newPage();
    // The whole file, once painting has ended; empty, and why in `failure`, when a font
    // could not be subset.
    std::string finish(const QString& title, std::string& failure);

    // Characters no face has, drawn as the missing glyph, in the order first met.
    const std::vector<char32_t>& missingCharacters() const { return missing_; }
    // What was drawn that this engine does not write, each named once.
    const std::vector<std::string>& notWritten() const { return notWritten_; }

  private:
    // What the page's content stream has set, so that only changes are written.
    struct Written {
        QRgb stroke = qRgb(0, 0, 0), fill = qRgb(0, 0, 0);
        double lineWidth = 1;
        int cap = 0, join = 0, renderMode = 0;
        double miterLimit = 10;
        std::string dash = "[]0";
        int font = 0;  // none
        double fontSize = 0;
    };
    struct Paint {
        bool stroke = false, fill = false;
    };

    void startPage();
    void endPage();
    void record(const char* what);
    bool drawable();
    QPointF mapped(const QPointF& p) const { return transform_.map(p); }
    double scale() const { return transform_.m11(); }
    void point(const QPointF& p, const char* op);
    void setStroke();
    void setFill(const QColor& colour);
    void setLineWidth(double width);
    Paint paintFor(bool closed);
    void paintPath(Paint paint, bool evenOdd);
    void flushLines();
    void beginText();
    void endText();
    QPointF moveTextTo(double x, double y);
    void textRun(const ShapedRun& run, QPointF origin, double size, bool makeBold);
    void drawShaped(const QPointF& origin, const QString& text, const QFont& font);

    const Faces& faces_;
    PageGeometry page_;
    PdfObjects objects_;
    DocumentFonts fonts_;
    int pagesId_ = 0, resourcesId_ = 0;
    std::vector<int> pageContents_;
    std::string content_;
    Written written_;
    QPen pen_;
    QBrush brush_;
    QTransform transform_;
    bool linesOpen_ = false;      // lines written whose stroke is still to come
    bool textObject_ = false;     // a text object begun (BT) and not yet ended
    bool textMatrixSet_ = false;  // its first line placed; later ones move from textLine_
    QPointF textLine_;            // where the last line of text started, device units
    std::string shown_;           // the line of text being written, kept for its storage
    bool clipping_ = false, opaqueBackground_ = false;
    double opacity_ = 1;
    QPainter::CompositionMode composition_ = QPainter::CompositionMode_SourceOver;
    QString textOf_;  // the text being drawn, which the shaped glyphs point into
    std::vector<char32_t> missing_;
    std::vector<std::string> notWritten_;
};

}  // namespace wallcalc::sheet::pdf
