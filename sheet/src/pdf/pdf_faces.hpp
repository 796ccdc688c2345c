#pragma once
// The faces a sheet's PDF sets its text in, as HarfBuzz reads them: the sheet's own face
// first, then the faces installed with the program for the characters it lacks. Made once,
// on the application's thread, and only read afterwards, from any thread.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <string>
#include <vector>

struct hb_face_t;
struct hb_font_t;

namespace wallcalc::sheet::pdf {

class Face {
  public:
    // A face from a font file (the face at `index` of a collection), or from bytes in
    // memory; nothing when HarfBuzz cannot read it.
    static std::unique_ptr<Face> fromFile(const QString& family, const QString& file, int index,
                                          bool fallback);
    static std::unique_ptr<Face> fromBytes(const QString& family, const QByteArray& bytes,
                                           bool fallback);
    ~Face();
    Face(const Face&) = delete;
    Face& operator=(const Face&) = delete;

    // The glyph of character `c`, 0 when the face has none.
    unsigned glyph(char32_t c) const;
    // The advance of a glyph in thousandths of the em, as the PDF's widths give it.
    double width(unsigned glyph) const;

    const QString family;
    // A face for characters the sheet's own face lacks; private-use characters are never
    // taken from one: what such a code stands for is agreed for one face only.
    const bool fallback;
    hb_face_t* const face;  // immutable, safe to read from several threads
    hb_font_t* const font;  // at the face's own units: positions come in font units
    const unsigned unitsPerEm;
    const unsigned glyphCount;

    // The face's measures for its PDF font descriptor, in thousandths of the em.
    std::string postscriptName;
    double ascent = 0, descent = 0, capHeight = 0;
    int box[4] = {0, 0, 0, 0};  // xMin yMin xMax yMax
    double italicAngle = 0;
    bool bold = false;         // a bold face of its own: no bold need be made of it
    double lineThickness = 0;  // its underline's, which sets the stroke of a made bold

  private:
    Face(const QString& family, hb_face_t* face, bool fallback);
    void readMeasures();
};

// The faces of the sheet's families (see sheet_style.hpp), in the order a character is
// looked up in them: the first has every character the sheet prints of itself.
class Faces {
  public:
    explicit Faces(std::vector<std::unique_ptr<Face>> faces) : faces_(std::move(faces)) {}
    // The face that draws `c`: the first that has it (a combining mark stays with the face
    // of the character before it, `previous`, where that face has it). Nothing when no face
    // has it.
    const Face* faceFor(char32_t c, const Face* previous) const;
    // The sheet's own face, which draws the characters no face has as its "missing" glyph.
    const Face* first() const { return faces_.empty() ? nullptr : faces_.front().get(); }
    bool empty() const { return faces_.empty(); }

  private:
    std::vector<std::unique_ptr<Face>> faces_;
};

// Characters that are set with the characters around them and need no glyph of their own
// (joiners, variation selectors, direction marks, controls): never missing.
bool setWithoutGlyph(char32_t c);

// The file and index of an installed family's regular face, through fontconfig; an empty
// file when it is not installed.
std::pair<QString, int> installedFile(const QString& family);

}  // namespace wallcalc::sheet::pdf
