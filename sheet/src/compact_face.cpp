#include "compact_face.hpp"

#include <hb-ot.h>
#include <hb-subset.h>

#include <QRawFont>
#include <memory>

#include "sfnt_tables.hpp"

namespace wallcalc::sheet {
namespace {

struct FaceFree {
    void operator()(hb_face_t* f) const { hb_face_destroy(f); }
};
struct BlobFree {
    void operator()(hb_blob_t* b) const { hb_blob_destroy(b); }
};
struct FontFree {
    void operator()(hb_font_t* f) const { hb_font_destroy(f); }
};
struct SetFree {
    void operator()(hb_set_t* s) const { hb_set_destroy(s); }
};
struct InputFree {
    void operator()(hb_subset_input_t* i) const { hb_subset_input_destroy(i); }
};
using Face = std::unique_ptr<hb_face_t, FaceFree>;
using Blob = std::unique_ptr<hb_blob_t, BlobFree>;

hb_blob_t* blobOf(QByteArray bytes) {
    auto* kept = new QByteArray(std::move(bytes));
    return hb_blob_create(kept->constData(), static_cast<unsigned>(kept->size()),
                          HB_MEMORY_MODE_READONLY, kept,
                          [](void* data) { delete static_cast<QByteArray*>(data); });
}

// HarfBuzz reads the face table by table through Qt.
hb_blob_t* tableOf(hb_face_t*, hb_tag_t tag, void* font) {
    const char name[5] = {static_cast<char>(tag >> 24), static_cast<char>(tag >> 16),
                          static_cast<char>(tag >> 8), static_cast<char>(tag), 0};
    QByteArray table = static_cast<const QRawFont*>(font)->fontTable(name);
    return table.isEmpty() ? hb_blob_get_empty() : blobOf(std::move(table));
}

Face faceOf(const QRawFont& font) {
    return Face(hb_face_create_for_tables(tableOf, new QRawFont(font),
                                          [](void* data) { delete static_cast<QRawFont*>(data); }));
}

// The face's own English text of a name (its copyright, its licence), empty for none.
QString nameOf(hb_face_t* face, hb_ot_name_id_t id) {
    const hb_language_t english = hb_language_from_string("en", -1);
    const unsigned length = hb_ot_name_get_utf16(face, id, english, nullptr, nullptr);
    if (length == 0) return {};
    std::vector<std::uint16_t> text(length + 1);  // with room for the closing zero
    unsigned written = length + 1;
    hb_ot_name_get_utf16(face, id, english, &written, text.data());
    return QString(reinterpret_cast<const QChar*>(text.data()), written);
}

// The names of the copy: the face's copyright, version, PostScript name, trademark and
// licence, under a family of its own (so that it stands beside the installed face).
QByteArray namesOfCopy(hb_face_t* face, const QString& family) {
    std::vector<std::pair<std::uint16_t, QString>> names;
    for (const std::uint16_t id : {0, 1, 2, 3, 4, 5, 6, 7, 13, 14}) {
        QString text = nameOf(face, id);
        if (id == 1 || id == 3 || id == 4) text = family;
        if (id == 2 && text.isEmpty()) text = QStringLiteral("Regular");
        if (!text.isEmpty()) names.emplace_back(id, text);
    }
    return nameTable(names);
}

// The subset as a face whose tables can be listed.
Face subsetOf(hb_face_t* face, const std::vector<char32_t>& characters) {
    const std::unique_ptr<hb_subset_input_t, InputFree> input(hb_subset_input_create_or_fail());
    if (!input) return nullptr;
    hb_set_t* unicodes = hb_subset_input_unicode_set(input.get());
    for (const char32_t c : characters)
        hb_set_add(unicodes, c);
    hb_subset_input_set_flags(input.get(), HB_SUBSET_FLAGS_NO_HINTING);
    const Face subset(hb_subset_or_fail(face, input.get()));
    if (!subset) return nullptr;
    const Blob bytes(hb_face_reference_blob(subset.get()));
    return Face(hb_face_create(bytes.get(), 0));
}

// Every character the face maps, with its glyph, in the order of the characters.
std::vector<std::pair<char32_t, std::uint16_t>> glyphsOf(hb_face_t* face) {
    const std::unique_ptr<hb_set_t, SetFree> characters(hb_set_create());
    hb_face_collect_unicodes(face, characters.get());
    const std::unique_ptr<hb_font_t, FontFree> font(hb_font_create(face));
    std::vector<std::pair<char32_t, std::uint16_t>> glyphs;
    for (hb_codepoint_t c = HB_SET_VALUE_INVALID; hb_set_next(characters.get(), &c);) {
        hb_codepoint_t glyph = 0;
        if (hb_font_get_nominal_glyph(font.get(), c, &glyph))
            glyphs.emplace_back(c, static_cast<std::uint16_t>(glyph));
    }
    return glyphs;
}

// The tables of the copy that are written anew: its names, a character map that is quick
// to look up (Qt looks up every character of the plane for each PDF), and room for
// instructions. Nothing when the table is kept as the subset has it.
QByteArray tableOfCopy(hb_tag_t tag, hb_face_t* face, hb_face_t* subset, const QString& family) {
    switch (tag) {
        case HB_TAG('n', 'a', 'm', 'e'):
            return namesOfCopy(face, family);
        case HB_TAG('c', 'm', 'a', 'p'):
            return cmapTable(glyphsOf(subset));
        case HB_TAG('m', 'a', 'x', 'p'): {
            const Blob maxp(hb_face_reference_table(subset, tag));
            unsigned length = 0;
            const char* data = hb_blob_get_data(maxp.get(), &length);
            return withRoomForInstructions(QByteArray(data, static_cast<qsizetype>(length)));
        }
        default:
            return {};
    }
}

}  // namespace

QByteArray compactFace(const QRawFont& font, const std::vector<char32_t>& characters,
                       const QString& family) {
    if (!font.isValid()) return {};
    const Face face = faceOf(font);
    const Face subset = subsetOf(face.get(), characters);
    if (!subset || hb_face_get_glyph_count(subset.get()) <= 1) return {};
    const Face copy(hb_face_builder_create());
    hb_tag_t tags[64];
    unsigned count = std::size(tags);
    hb_face_get_table_tags(subset.get(), 0, &count, tags);
    for (unsigned i = 0; i < count; ++i) {
        QByteArray anew = tableOfCopy(tags[i], face.get(), subset.get(), family);
        const Blob table(anew.isEmpty() ? hb_face_reference_table(subset.get(), tags[i])
                                        : blobOf(std::move(anew)));
        hb_face_builder_add_table(copy.get(), tags[i], table.get());
    }
    const Blob bytes(hb_face_reference_blob(copy.get()));
    unsigned length = 0;
    const char* data = hb_blob_get_data(bytes.get(), &length);
    return QByteArray(data, static_cast<qsizetype>(length));
}

}  // namespace wallcalc::sheet
