#pragma once
// A text of the sheet set in its faces: each character from the first face that has it,
// the runs of one face shaped by HarfBuzz (kerning and all) as Qt shapes them when it
// measures the sheet, and the characters no face has collected.
#include <QString>
#include <QStringView>
#include <vector>

#include "pdf_faces.hpp"

namespace wallcalc::sheet::pdf {

struct ShapedGlyph {
    unsigned glyph = 0;
    double x = 0, y = 0;  // where the glyph is drawn from the text's origin, in ems, y up
    double advance = 0;   // in ems
    qsizetype first = 0;  // the characters it stands for: text[first, first + count)
    qsizetype count = 0;  // 0 for the second glyph of a character drawn with two
};

struct ShapedRun {
    const Face* face = nullptr;
    std::vector<ShapedGlyph> glyphs;
};

// Sets `text` into `runs` (cleared first). A character no face has is drawn as the first
// face's missing glyph and added to `missing` (once).
void shapeText(QStringView text, const Faces& faces, std::vector<ShapedRun>& runs,
               std::vector<char32_t>& missing);

// A text as shapeText sets it, with the characters no face has.
struct ShapedText {
    std::vector<ShapedRun> runs;
    std::vector<char32_t> missing;
};

// The same, kept on this thread for the texts drawn again and again (the labels of the
// tables, the headings, the Chinese of the calculation's lines, which Qt draws apart from
// their numbers): valid until the next call on the thread.
const ShapedText& shapedText(const QString& text, const Faces& faces);

}  // namespace wallcalc::sheet::pdf
