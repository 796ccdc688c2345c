#include "pdf_paint_engine.hpp"

#include <QDateTime>
#include <QPainter>
#include <QPainterPath>
#include <QTextItem>
#include <algorithm>
#include <cmath>

namespace wallcalc::sheet::pdf {
namespace {

// Positions in the content stream to a whole device pixel (1/600 inch at the sheets' 600
// pixels to the inch, 0.04 mm, finer than any printer places a line); line widths, dashes
// and text sizes to a tenth of one.
constexpr int kPositionPlaces = 0;
constexpr int kPlaces = 1;
// A glyph more than this off the place the widths put it is moved there (device units).
constexpr double kGlyphSlack = 0.01;
// The control points of a quarter ellipse drawn as one cubic Bézier curve.
constexpr double kKappa = 0.5522847498;

void appendColour(std::string& out, QRgb rgb, const char* op) {
    for (const int c : {qRed(rgb), qGreen(rgb), qBlue(rgb)}) {
        appendNumber(out, c / 255.0, 3);
        out += ' ';
    }
    out += op;
}

int capOf(Qt::PenCapStyle cap) {
    return cap == Qt::FlatCap ? 0 : cap == Qt::RoundCap ? 1 : 2;
}

int joinOf(Qt::PenJoinStyle join) {
    return join == Qt::RoundJoin ? 1 : join == Qt::BevelJoin ? 2 : 0;
}

// A CID as the two bytes of a literal string: parentheses and backslashes escaped, and the
// ends of line, which a reader would take as a line end of the file.
void appendCid(std::string& out, unsigned cid) {
    for (const unsigned byte : {(cid >> 8) & 0xFF, cid & 0xFF}) {
        switch (byte) {
            case '(':
            case ')':
            case '\\':
                out += '\\';
                out += static_cast<char>(byte);
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            default:
                out += static_cast<char>(byte);
        }
    }
}

}  // namespace

PdfPaintEngine::PdfPaintEngine(const Faces& faces, PageGeometry page)
    : QPaintEngine(QPaintEngine::AllFeatures), faces_(faces), page_(page) {}

bool PdfPaintEngine::begin(QPaintDevice*) {
    if (pagesId_ == 0) {
        pagesId_ = objects_.reserve();
        resourcesId_ = objects_.reserve();
        startPage();
    }
    setActive(true);
    return true;
}

bool PdfPaintEngine::end() {
    setActive(false);
    return true;
}

void PdfPaintEngine::record(const char* what) {
    if (std::find(notWritten_.begin(), notWritten_.end(), what) == notWritten_.end())
        notWritten_.emplace_back(what);
}

void PdfPaintEngine::updateState(const QPaintEngineState& state) {
    const DirtyFlags dirty = state.state();
    // The lines gathered so far are stroked as they were drawn, before anything changes.
    if (dirty & (DirtyPen | DirtyTransform | DirtyClipPath | DirtyClipRegion | DirtyClipEnabled |
                 DirtyOpacity | DirtyCompositionMode | DirtyBackgroundMode)) {
        flushLines();
    }
    if (dirty & DirtyPen) pen_ = state.pen();
    if (dirty & DirtyBrush) brush_ = state.brush();
    if (dirty & DirtyTransform) transform_ = state.transform();
    if (dirty & (DirtyClipPath | DirtyClipRegion)) clipping_ = state.clipOperation() != Qt::NoClip;
    if (dirty & DirtyClipEnabled) clipping_ = state.isClipEnabled();
    if (dirty & DirtyOpacity) opacity_ = state.opacity();
    if (dirty & DirtyCompositionMode) composition_ = state.compositionMode();
    if (dirty & DirtyBackgroundMode) opaqueBackground_ = state.backgroundMode() == Qt::OpaqueMode;
}

// Whether what is about to be drawn can be written as the painter's state asks; what
// cannot is recorded (and drawn as if it were not asked for).
bool PdfPaintEngine::drawable() {
    if (clipping_) record("clipping");
    if (opacity_ < 1) record("opacity");
    if (composition_ != QPainter::CompositionMode_SourceOver) record("composition mode");
    if (opaqueBackground_) record("opaque background");
    if (transform_.type() > QTransform::TxScale || transform_.m11() <= 0 ||
        std::abs(transform_.m11() - transform_.m22()) > 1e-9 * transform_.m11()) {
        record("transformation other than scaling alike in both directions and translation");
        return false;
    }
    return true;
}

void PdfPaintEngine::startPage() {
    content_.clear();
    written_ = Written();
    // The device's units onto the page's points, y downwards from the device's origin.
    const double s = page_.pointsPerPixel;
    appendNumber(content_, s, 6);
    content_ += " 0 0 ";
    appendNumber(content_, -s, 6);
    content_ += ' ';
    appendNumber(content_, page_.left, 4);
    content_ += ' ';
    appendNumber(content_, page_.height - page_.top, 4);
    content_ += " cm\n";
}

void PdfPaintEngine::endPage() {
    endText();
    flushLines();
    const int id = objects_.reserve();
    objects_.stream(id, {}, content_);
    pageContents_.push_back(id);
}

void PdfPaintEngine::newPage() {
    endPage();
    startPage();
}

void PdfPaintEngine::point(const QPointF& p, const char* op) {
    const QPointF d = mapped(p);
    appendNumber(content_, d.x(), kPositionPlaces);
    content_ += ' ';
    appendNumber(content_, d.y(), kPositionPlaces);
    content_ += ' ';
    content_ += op;
    content_ += '\n';
}

void PdfPaintEngine::setLineWidth(double width) {
    if (width == written_.lineWidth) return;
    appendNumber(content_, width, kPlaces);
    content_ += " w\n";
    written_.lineWidth = width;
}

void PdfPaintEngine::setFill(const QColor& colour) {
    if (colour.alpha() != 255) record("translucent colour");
    const QRgb rgb = colour.rgb();
    if (rgb == written_.fill) return;
    appendColour(content_, rgb, "rg\n");
    written_.fill = rgb;
}

// The pen's colour, width, ends, joins and dashes, as far as they are not set already.
void PdfPaintEngine::setStroke() {
    const QColor colour = pen_.color();
    if (pen_.brush().style() != Qt::SolidPattern) record("pen with a pattern or gradient");
    if (colour.alpha() != 255) record("translucent colour");
    if (colour.rgb() != written_.stroke) {
        appendColour(content_, colour.rgb(), "RG\n");
        written_.stroke = colour.rgb();
    }
    // A cosmetic pen is as wide on every device whatever the scale; width 0 is the
    // thinnest line the device draws.
    const double width = pen_.isCosmetic() ? pen_.widthF() : pen_.widthF() * scale();
    setLineWidth(width);
    const int cap = capOf(pen_.capStyle());
    if (cap != written_.cap) {
        appendInteger(content_, cap);
        content_ += " J\n";
        written_.cap = cap;
    }
    const int join = joinOf(pen_.joinStyle());
    if (join != written_.join) {
        appendInteger(content_, join);
        content_ += " j\n";
        written_.join = join;
    }
    if (join == 0 && pen_.miterLimit() != written_.miterLimit) {
        appendNumber(content_, pen_.miterLimit(), kPlaces);
        content_ += " M\n";
        written_.miterLimit = pen_.miterLimit();
    }
    // Qt gives dashes in pen widths; a pen of width 0 counts as one unit wide.
    std::string dash = "[";
    if (pen_.style() != Qt::SolidLine) {
        const double unit = width > 0.001 ? width : 1;
        for (const qreal length : pen_.dashPattern()) {
            if (dash.size() > 1) dash += ' ';
            appendNumber(dash, std::max(length * unit, 0.001), kPlaces);
        }
    }
    dash += ']';
    appendNumber(dash, pen_.style() != Qt::SolidLine ? pen_.dashOffset() * width : 0, kPlaces);
    if (dash != written_.dash) {
        content_ += dash;
        content_ += " d\n";
        written_.dash = std::move(dash);
    }
}

// Sets what the path about to be written is painted with (PDF allows no change of the
// graphics state within a path) and returns how to paint it.
PdfPaintEngine::Paint PdfPaintEngine::paintFor(bool closed) {
    endText();
    flushLines();
    Paint paint;
    paint.stroke = pen_.style() != Qt::NoPen;
    paint.fill = closed && brush_.style() != Qt::NoBrush;
    if (paint.fill && brush_.style() != Qt::SolidPattern) {
        record("brush with a pattern or gradient");
        paint.fill = false;
    }
    if (paint.fill) setFill(brush_.color());
    if (paint.stroke) setStroke();
    return paint;
}

// Paints the path just written as `paint` says.
void PdfPaintEngine::paintPath(Paint paint, bool evenOdd) {
    if (paint.stroke && paint.fill) {
        content_ += evenOdd ? "B*\n" : "B\n";
    } else if (paint.fill) {
        content_ += evenOdd ? "f*\n" : "f\n";
    } else if (paint.stroke) {
        content_ += "S\n";
    } else {
        content_ += "n\n";
    }
}

// Lines drawn one after the other with the same pen are stroked as one path.
void PdfPaintEngine::flushLines() {
    if (!linesOpen_) return;
    content_ += "S\n";
    linesOpen_ = false;
}

void PdfPaintEngine::drawPath(const QPainterPath& path) {
    if (!drawable() || path.isEmpty()) return;
    const Paint paint = paintFor(true);
    QPointF start;
    int sinceStart = 0;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element& e = path.elementAt(i);
        const QPointF at(e.x, e.y);
        switch (e.type) {
            case QPainterPath::MoveToElement:
                if (sinceStart > 1 && QPointF(path.elementAt(i - 1)) == start) content_ += "h\n";
                point(at, "m");
                start = at;
                sinceStart = 0;
                break;
            case QPainterPath::LineToElement:
                point(at, "l");
                ++sinceStart;
                break;
            case QPainterPath::CurveToElement: {
                const QPointF c2(path.elementAt(i + 1)), to(path.elementAt(i + 2));
                for (const QPointF& p : {at, c2}) {
                    const QPointF d = mapped(p);
                    appendNumber(content_, d.x(), kPositionPlaces);
                    content_ += ' ';
                    appendNumber(content_, d.y(), kPositionPlaces);
                    content_ += ' ';
                }
                point(to, "c");
                i += 2;
                sinceStart += 3;
                break;
            }
            case QPainterPath::CurveToDataElement:
                break;
        }
    }
    const int last = path.elementCount() - 1;
    if (sinceStart > 1 && QPointF(path.elementAt(last)) == start) content_ += "h\n";
    paintPath(paint, path.fillRule() == Qt::OddEvenFill);
}

void PdfPaintEngine::drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) {
    if (!drawable() || count < 2) return;
    const bool closed = mode != PolylineMode;
    const Paint paint = paintFor(closed);
    point(points[0], "m");
    for (int i = 1; i < count; ++i)
        point(points[i], "l");
    if (closed) content_ += "h\n";
    paintPath(paint, mode == OddEvenMode);
}

void PdfPaintEngine::drawLines(const QLineF* lines, int count) {
    if (!drawable() || pen_.style() == Qt::NoPen || count <= 0) return;
    endText();
    if (!linesOpen_) {
        setStroke();
        linesOpen_ = true;
    }
    for (int i = 0; i < count; ++i) {
        point(lines[i].p1(), "m");
        point(lines[i].p2(), "l");
    }
}

void PdfPaintEngine::drawRects(const QRectF* rects, int count) {
    if (!drawable() || count <= 0) return;
    const Paint paint = paintFor(true);
    for (int i = 0; i < count; ++i) {
        // The corners rounded, not the sizes: rectangles side by side (the cells of a
        // table, the bands of a map) keep their common edge.
        const QRectF r = transform_.mapRect(rects[i]);
        const double left = std::round(r.left()), top = std::round(r.top());
        for (const double v :
             {left, top, std::round(r.right()) - left, std::round(r.bottom()) - top}) {
            appendNumber(content_, v, kPositionPlaces);
            content_ += ' ';
        }
        content_ += "re\n";
    }
    paintPath(paint, false);
}

void PdfPaintEngine::drawEllipse(const QRectF& rect) {
    const QPointF c = rect.center();
    const double rx = rect.width() / 2, ry = rect.height() / 2;
    QPainterPath path(QPointF(c.x() + rx, c.y()));
    path.cubicTo(c.x() + rx, c.y() + ry * kKappa, c.x() + rx * kKappa, c.y() + ry, c.x(),
                 c.y() + ry);
    path.cubicTo(c.x() - rx * kKappa, c.y() + ry, c.x() - rx, c.y() + ry * kKappa, c.x() - rx,
                 c.y());
    path.cubicTo(c.x() - rx, c.y() - ry * kKappa, c.x() - rx * kKappa, c.y() - ry, c.x(),
                 c.y() - ry);
    path.cubicTo(c.x() + rx * kKappa, c.y() - ry, c.x() + rx, c.y() - ry * kKappa, c.x() + rx,
                 c.y());
    drawPath(path);
}

void PdfPaintEngine::drawPoints(const QPointF*, int) {
    record("points");
}

void PdfPaintEngine::drawPixmap(const QRectF&, const QPixmap&, const QRectF&) {
    record("pixmap");
}

void PdfPaintEngine::drawImage(const QRectF&, const QImage&, const QRectF&,
                               Qt::ImageConversionFlags) {
    record("image");
}

void PdfPaintEngine::drawTiledPixmap(const QRectF&, const QPixmap&, const QPointF&) {
    record("tiled pixmap");
}

// Texts drawn one after the other stand in one text object: only a path ends it (colours and
// line widths may change within it).
void PdfPaintEngine::beginText() {
    if (textObject_) return;
    content_ += "BT\n";
    textObject_ = true;
    textMatrixSet_ = false;
}

void PdfPaintEngine::endText() {
    if (!textObject_) return;
    content_ += "ET\n";
    textObject_ = false;
}

// Starts a line of text at (x, y) in device units, rounded to whole units: the first line of
// a text object by its text matrix (y downwards, as the page's), every later one by its
// offset from the line before. Returns where the line starts.
QPointF PdfPaintEngine::moveTextTo(double x, double y) {
    const QPointF at(std::round(x), std::round(y));
    if (!textMatrixSet_) {
        content_ += "1 0 0 -1 ";
        appendNumber(content_, at.x(), kPositionPlaces);
        content_ += ' ';
        appendNumber(content_, at.y(), kPositionPlaces);
        content_ += " Tm\n";
        textMatrixSet_ = true;
    } else {
        // Td moves in the text's space, whose y runs up the page.
        appendNumber(content_, at.x() - textLine_.x(), kPositionPlaces);
        content_ += ' ';
        appendNumber(content_, textLine_.y() - at.y(), kPositionPlaces);
        content_ += " Td\n";
    }
    textLine_ = at;
    return at;
}

// One run of glyphs of one face: its font, where it starts, and its glyphs with the
// adjustments that put each where the shaping placed it (kerning, for one). A line without
// adjustments is shown as one string (Tj), one with them as an array (TJ).
void PdfPaintEngine::textRun(const ShapedRun& run, QPointF origin, double size, bool makeBold) {
    const Face& face = *run.face;
    const int renderMode = makeBold && !face.bold ? 2 : 0;
    if (renderMode == 2) {
        // A bold made of the regular face: the outline stroked as well as filled, each side
        // by a quarter of the face's underline (Qt moves a second copy by half of it).
        setLineWidth(face.lineThickness / 1000 * size * 0.5);
        if (written_.stroke != written_.fill) {
            appendColour(content_, written_.fill, "RG\n");
            written_.stroke = written_.fill;
        }
    }
    if (renderMode != written_.renderMode) {
        appendInteger(content_, renderMode);
        content_ += " Tr\n";
        written_.renderMode = renderMode;
    }
    std::string& shown = shown_;  // the open line's strings and adjustments
    shown.clear();
    bool open = false;  // a line started and not yet shown
    bool adjusted = false;
    bool inString = false;
    double pen = 0;
    double line = 0;  // the baseline of the open text line (a mark may sit above it)
    const auto show = [&] {
        if (inString) shown += ')';
        if (adjusted) {
            content_ += '[';
            content_ += shown;
            content_ += "]TJ\n";
        } else {
            content_ += shown;
            content_ += "Tj\n";
        }
        shown.clear();
        adjusted = inString = false;
    };
    const QString& text = textOf_;
    for (const ShapedGlyph& g : run.glyphs) {
        // A control character (a tab typed into a name) takes its room and draws nothing.
        if (g.glyph == 0 && g.count == 1 && text[g.first].category() == QChar::Other_Control)
            continue;
        const std::u16string_view chars(reinterpret_cast<const char16_t*>(text.utf16()) + g.first,
                                        static_cast<std::size_t>(g.count));
        const DocumentFonts::Use use = fonts_.use(face, g.glyph, chars);
        const double x = origin.x() + g.x * size;
        const double y = origin.y() - g.y * size;
        const bool newFont = written_.font != use.font || written_.fontSize != size;
        if (newFont || !open || y != line) {
            if (open) show();
            if (newFont) {
                // The text state lasts from one text object to the next.
                content_ += "/F";
                appendInteger(content_, use.font);
                content_ += ' ';
                appendNumber(content_, size, kPlaces);
                content_ += " Tf\n";
                written_.font = use.font;
                written_.fontSize = size;
            }
            pen = moveTextTo(x, y).x();
            open = true;
            line = y;
        }
        if (const double units = std::round((pen - x) * 1000 / size * 100) / 100;
            std::abs(x - pen) > kGlyphSlack && units != 0) {
            // TJ moves left by a thousandth of the text size for each unit.
            if (inString) shown += ')';
            inString = false;
            appendNumber(shown, units, 2);
            adjusted = true;
            pen -= units * size / 1000;
        }
        if (!inString) shown += '(';
        inString = true;
        appendCid(shown, use.cid);
        pen += use.width * size / 1000;
    }
    if (open) show();
}

void PdfPaintEngine::drawTextItem(const QPointF& at, const QTextItem& item) {
    if (!drawable() || pen_.style() == Qt::NoPen) return;
    // The origin where Qt's layout puts it: on its grid of 1/64 of the painter's unit.
    drawShaped(QPointF(std::round(at.x() * 64) / 64, std::round(at.y() * 64) / 64), item.text(),
               item.font());
}

void PdfPaintEngine::drawText(const QPainter& painter, const QPointF& baseline,
                              const QString& text) {
    if (text.isEmpty()) return;
    // The painter's state as it stands now: it sends its changes only before the next thing
    // it draws itself.
    flushLines();
    pen_ = painter.pen();
    transform_ = painter.combinedTransform();
    clipping_ = painter.hasClipping();
    opacity_ = painter.opacity();
    composition_ = painter.compositionMode();
    opaqueBackground_ = painter.backgroundMode() == Qt::OpaqueMode;
    if (!drawable() || pen_.style() == Qt::NoPen) return;
    drawShaped(baseline, text, painter.font());
}

void PdfPaintEngine::drawShaped(const QPointF& origin, const QString& text, const QFont& font) {
    textOf_ = text;
    // Set as the face has it: upright, its own spacing.
    if (font.style() != QFont::StyleNormal) record("italic or oblique text");
    const qreal unchanged = font.letterSpacingType() == QFont::PercentageSpacing ? 100 : 0;
    if ((font.letterSpacing() != 0 && font.letterSpacing() != unchanged) || font.wordSpacing() != 0)
        record("letter or word spacing");
    const double pixels = font.pixelSize() > 0
                              ? font.pixelSize()
                              : font.pointSizeF() * paintDevice()->logicalDpiY() / 72;
    const ShapedText& shaped = shapedText(textOf_, faces_);
    for (const char32_t c : shaped.missing) {
        if (std::find(missing_.begin(), missing_.end(), c) == missing_.end()) missing_.push_back(c);
    }
    if (shaped.runs.empty()) return;
    flushLines();
    beginText();
    setFill(pen_.color());
    const double size = pixels * scale();
    // The first glyph on a whole device unit, the others placed from it as shaped.
    const QPointF start = mapped(origin);
    const QPointF at(std::round(start.x()), std::round(start.y()));
    for (const ShapedRun& run : shaped.runs)
        textRun(run, at, size, font.weight() >= QFont::Bold);
}

std::string PdfPaintEngine::finish(const QString& title, std::string& failure) {
    if (pagesId_ == 0) begin(nullptr);  // nothing was painted: one empty page
    endPage();
    const std::string fontEntries = fonts_.write(objects_, failure);
    if (!failure.empty()) return {};
    std::string& resources = objects_.begin(resourcesId_);
    resources += "<</Font<<" + fontEntries + ">>>>";
    objects_.end();

    std::string kids;
    for (const int content : pageContents_) {
        const int id = objects_.reserve();
        std::string& out = objects_.begin(id);
        out += "<</Type/Page/Parent ";
        appendInteger(out, pagesId_);
        out += " 0 R/MediaBox[0 0 ";
        appendNumber(out, page_.width, 3);
        out += ' ';
        appendNumber(out, page_.height, 3);
        out += "]/Resources ";
        appendInteger(out, resourcesId_);
        out += " 0 R/Contents ";
        appendInteger(out, content);
        out += " 0 R>>";
        objects_.end();
        appendInteger(kids, id);
        kids += " 0 R ";
    }
    std::string& pages = objects_.begin(pagesId_);
    pages += "<</Type/Pages/Kids[" + kids + "]/Count ";
    appendInteger(pages, static_cast<long long>(pageContents_.size()));
    pages += ">>";
    objects_.end();

    const int catalog = objects_.reserve();
    objects_.begin(catalog) += "<</Type/Catalog/Pages " + std::to_string(pagesId_) + " 0 R>>";
    objects_.end();
    const int info = objects_.reserve();
    std::string& out = objects_.beginInFile(info);
    out += "<</Title";
    appendTextString(out, std::u16string_view(reinterpret_cast<const char16_t*>(title.utf16()),
                                              static_cast<std::size_t>(title.size())));
    out += "/Creator(wallcalc)/Producer(wallcalc)/CreationDate(D:";
    out += QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddHHmmss")).toStdString();
    out += "Z)>>";
    objects_.endInFile();
    return objects_.finish(catalog, info);
}

}  // namespace wallcalc::sheet::pdf
