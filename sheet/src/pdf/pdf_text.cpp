#include "pdf_text.hpp"

#include <hb.h>

#include <QHash>
#include <algorithm>
#include <memory>

namespace wallcalc::sheet::pdf {
namespace {

struct BufferFree {
    void operator()(hb_buffer_t* b) const { hb_buffer_destroy(b); }
};

hb_buffer_t* threadBuffer() {
    thread_local const std::unique_ptr<hb_buffer_t, BufferFree> buffer(hb_buffer_create());
    return buffer.get();
}

// Shapes text[start, end) in `face`, its glyphs placed from `pen` (ems) on; returns the
// pen after them.
double shapeRun(QStringView text, qsizetype start, qsizetype end, const Face& face, double pen,
                std::vector<ShapedRun>& runs) {
    hb_buffer_t* buffer = threadBuffer();
    hb_buffer_clear_contents(buffer);
    hb_buffer_add_utf16(buffer, reinterpret_cast<const std::uint16_t*>(text.utf16()),
                        static_cast<int>(text.size()), static_cast<unsigned>(start),
                        static_cast<int>(end - start));
    hb_buffer_set_direction(buffer, HB_DIRECTION_LTR);
    hb_buffer_guess_segment_properties(buffer);
    hb_shape(face.font, buffer, nullptr, 0);
    unsigned count = 0;
    const hb_glyph_info_t* infos = hb_buffer_get_glyph_infos(buffer, &count);
    const hb_glyph_position_t* positions = hb_buffer_get_glyph_positions(buffer, nullptr);
    const double em = 1.0 / face.unitsPerEm;
    ShapedRun& run = runs.emplace_back();
    run.face = &face;
    run.glyphs.resize(count);
    for (unsigned i = 0; i < count; ++i) {
        ShapedGlyph& g = run.glyphs[i];
        g.glyph = infos[i].codepoint;
        g.x = pen + positions[i].x_offset * em;
        g.y = positions[i].y_offset * em;
        g.advance = positions[i].x_advance * em;
        pen += g.advance;
        const auto cluster = static_cast<qsizetype>(infos[i].cluster);
        const bool sameAsBefore = i > 0 && infos[i - 1].cluster == infos[i].cluster;
        qsizetype next = end;
        for (unsigned k = i + 1; k < count; ++k) {
            if (infos[k].cluster != infos[i].cluster) {
                next = std::max<qsizetype>(infos[k].cluster, cluster);
                break;
            }
        }
        g.first = cluster;
        g.count = sameAsBefore ? 0 : next - cluster;
    }
    return pen;
}

char32_t codePointAt(QStringView text, qsizetype i, qsizetype& length) {
    const QChar c = text[i];
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        length = 2;
        return QChar::surrogateToUcs4(c, text[i + 1]);
    }
    length = 1;
    return c.unicode();
}

}  // namespace

void shapeText(QStringView text, const Faces& faces, std::vector<ShapedRun>& runs,
               std::vector<char32_t>& missing) {
    runs.clear();
    if (faces.empty()) {
        // Nothing to draw with: every character is missing.
        for (const char32_t c : text.toUcs4()) {
            if (!setWithoutGlyph(c) &&
                std::find(missing.begin(), missing.end(), c) == missing.end())
                missing.push_back(c);
        }
        return;
    }
    if (text.isEmpty()) return;
    const Face* runFace = nullptr;
    qsizetype runStart = 0;
    double pen = 0;
    for (qsizetype i = 0; i < text.size();) {
        qsizetype length = 1;
        const char32_t c = codePointAt(text, i, length);
        const Face* face = runFace;
        if (face == nullptr || !setWithoutGlyph(c)) {
            face = faces.faceFor(c, runFace);
            if (face == nullptr) {
                if (!setWithoutGlyph(c) &&
                    std::find(missing.begin(), missing.end(), c) == missing.end()) {
                    missing.push_back(c);
                }
                face = faces.first();
            }
        }
        if (face != runFace && runFace != nullptr) {
            pen = shapeRun(text, runStart, i, *runFace, pen, runs);
            runStart = i;
        }
        runFace = face;
        i += length;
    }
    shapeRun(text, runStart, text.size(), *runFace, pen, runs);
}

const ShapedText& shapedText(const QString& text, const Faces& faces) {
    // Some thousand texts a sheet; many more are let go rather than kept for ever.
    constexpr qsizetype kMostKept = 20000;
    thread_local QHash<QString, ShapedText> kept;
    thread_local const Faces* keptFor = nullptr;
    if (keptFor != &faces) {
        kept.clear();
        keptFor = &faces;
    }
    if (const auto at = kept.constFind(text); at != kept.cend()) return *at;
    if (kept.size() >= kMostKept) kept.clear();
    ShapedText& shaped = kept[text];
    shapeText(text, faces, shaped.runs, shaped.missing);
    return shaped;
}

}  // namespace wallcalc::sheet::pdf
