#include "pdf_faces.hpp"

#include <fontconfig/fontconfig.h>
#include <hb-ot.h>
#include <hb.h>

#include <QChar>
#include <QFile>
#include <QtEndian>
#include <cmath>

namespace wallcalc::sheet::pdf {
namespace {

hb_face_t* faceOfBlob(hb_blob_t* blob, int index) {
    hb_face_t* face = hb_face_create(blob, static_cast<unsigned>(index));
    hb_blob_destroy(blob);
    if (hb_face_get_glyph_count(face) == 0) {
        hb_face_destroy(face);
        return nullptr;
    }
    hb_face_make_immutable(face);
    return face;
}

hb_font_t* fontAtUnits(hb_face_t* face) {
    hb_font_t* font = hb_font_create(face);
    const int upem = static_cast<int>(hb_face_get_upem(face));
    hb_font_set_scale(font, upem, upem);
    hb_font_make_immutable(font);
    return font;
}

std::int16_t headField(hb_face_t* face, unsigned offset) {
    hb_blob_t* head = hb_face_reference_table(face, HB_TAG('h', 'e', 'a', 'd'));
    unsigned length = 0;
    const char* data = hb_blob_get_data(head, &length);
    const std::int16_t value = length >= offset + 2 ? qFromBigEndian<qint16>(data + offset) : 0;
    hb_blob_destroy(head);
    return value;
}

}  // namespace

Face::Face(const QString& family, hb_face_t* face, bool fallback)
    : family(family),
      fallback(fallback),
      face(face),
      font(fontAtUnits(face)),
      unitsPerEm(hb_face_get_upem(face)),
      glyphCount(hb_face_get_glyph_count(face)) {
    readMeasures();
}

Face::~Face() {
    hb_font_destroy(font);
    hb_face_destroy(face);
}

std::unique_ptr<Face> Face::fromFile(const QString& family, const QString& file, int index,
                                     bool fallback) {
    hb_blob_t* blob = hb_blob_create_from_file_or_fail(QFile::encodeName(file).constData());
    if (blob == nullptr) return nullptr;
    hb_face_t* face = faceOfBlob(blob, index);
    return face ? std::unique_ptr<Face>(new Face(family, face, fallback)) : nullptr;
}

std::unique_ptr<Face> Face::fromBytes(const QString& family, const QByteArray& bytes,
                                      bool fallback) {
    auto* kept = new QByteArray(bytes);
    hb_blob_t* blob = hb_blob_create(kept->constData(), static_cast<unsigned>(kept->size()),
                                     HB_MEMORY_MODE_READONLY, kept,
                                     [](void* data) { delete static_cast<QByteArray*>(data); });
    hb_face_t* face = faceOfBlob(blob, 0);
    return face ? std::unique_ptr<Face>(new Face(family, face, fallback)) : nullptr;
}

void Face::readMeasures() {
    const auto thousandths = [this](double units) { return units * 1000 / unitsPerEm; };
    const auto metric = [this](hb_ot_metrics_tag_t tag) {
        hb_position_t value = 0;
        hb_ot_metrics_get_position(font, tag, &value);
        return static_cast<double>(value);
    };
    ascent = thousandths(metric(HB_OT_METRICS_TAG_HORIZONTAL_ASCENDER));
    descent = thousandths(metric(HB_OT_METRICS_TAG_HORIZONTAL_DESCENDER));
    hb_position_t cap = 0;
    capHeight = hb_ot_metrics_get_position(font, HB_OT_METRICS_TAG_CAP_HEIGHT, &cap) && cap > 0
                    ? thousandths(cap)
                    : ascent;
    lineThickness = metric(HB_OT_METRICS_TAG_UNDERLINE_SIZE) * 1000 / unitsPerEm;
    // 'head': xMin, yMin, xMax, yMax at bytes 36 to 43.
    for (unsigned i = 0; i < 4; ++i)
        box[i] = static_cast<int>(std::lround(thousandths(headField(face, 36 + 2 * i))));
    italicAngle = hb_style_get_value(font, HB_STYLE_TAG_SLANT_ANGLE);
    bold = hb_style_get_value(font, HB_STYLE_TAG_WEIGHT) >= 600;
    char name[128];
    unsigned size = sizeof name;
    if (hb_ot_name_get_utf8(face, HB_OT_NAME_ID_POSTSCRIPT_NAME, HB_LANGUAGE_INVALID, &size, name) >
        0) {
        postscriptName = name;
    }
    if (postscriptName.empty()) postscriptName = family.toStdString();
}

unsigned Face::glyph(char32_t c) const {
    hb_codepoint_t glyph = 0;
    return hb_font_get_nominal_glyph(font, c, &glyph) ? glyph : 0;
}

double Face::width(unsigned glyph) const {
    const double units = hb_font_get_glyph_h_advance(font, glyph);
    return std::round(units * 100000 / unitsPerEm) / 100;  // to a hundredth of a thousandth
}

bool setWithoutGlyph(char32_t c) {
    const QChar::Category category = QChar::category(c);
    return category == QChar::Other_Control || category == QChar::Other_Format ||
           (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xE0100 && c <= 0xE01EF);
}

const Face* Faces::faceFor(char32_t c, const Face* previous) const {
    if (previous != nullptr && QChar::isMark(c) && previous->glyph(c) != 0) return previous;
    const bool privateUse = QChar::category(c) == QChar::Other_PrivateUse;
    for (const auto& face : faces_) {
        if (privateUse && face->fallback) continue;
        if (face->glyph(c) != 0) return face.get();
    }
    return nullptr;
}

std::pair<QString, int> installedFile(const QString& family) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY,
                       reinterpret_cast<const FcChar8*>(family.toUtf8().constData()));
    FcObjectSet* wanted = FcObjectSetBuild(FC_FILE, FC_INDEX, FC_WEIGHT, FC_SLANT, nullptr);
    FcFontSet* found = FcFontList(nullptr, pattern, wanted);
    std::pair<QString, int> best{QString(), 0};
    int bestDistance = 1 << 30;
    for (int i = 0; found != nullptr && i < found->nfont; ++i) {
        FcChar8* file = nullptr;
        int index = 0, weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
        if (FcPatternGetString(found->fonts[i], FC_FILE, 0, &file) != FcResultMatch) continue;
        FcPatternGetInteger(found->fonts[i], FC_INDEX, 0, &index);
        FcPatternGetInteger(found->fonts[i], FC_WEIGHT, 0, &weight);
        FcPatternGetInteger(found->fonts[i], FC_SLANT, 0, &slant);
        // The upright face nearest the regular weight.
        const int distance =
            std::abs(weight - FC_WEIGHT_REGULAR) + (slant != FC_SLANT_ROMAN) * 1000;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = {QString::fromUtf8(reinterpret_cast<const char*>(file)), index};
        }
    }
    if (found != nullptr) FcFontSetDestroy(found);
    FcObjectSetDestroy(wanted);
    FcPatternDestroy(pattern);
    return best;
}

}  // namespace wallcalc::sheet::pdf
