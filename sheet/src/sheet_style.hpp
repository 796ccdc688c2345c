#pragma once
// Type and measures of the calculation sheet: one face with the Chinese and the Latin
// glyphs (WenQuanYi Micro Hei, embedded in the PDF), sizes in points and distances in
// millimetres. The sheet is laid out in units of its own, 1/1200 inch, whatever the
// device: a PDF and a print-out at any printer resolution break their lines and pages
// in the same places.
#include <QFont>
#include <QFontMetricsF>
#include <QStringList>
#include <QStringView>

#include "line_wrapping.hpp"

namespace wallcalc::sheet {

// The sheet's units per inch; the renderer scales them to the device's pixels.
inline constexpr qreal kSheetDpi = 1200;

class SheetStyle {
  public:
    SheetStyle();

    static qreal mm(qreal millimetres) { return millimetres * kSheetDpi / 25.4; }
    static QFontMetricsF metrics(const QFont& font) { return QFontMetricsF(font); }
    // The height of one printed line in `font`, with some air between lines.
    static qreal lineHeight(const QFont& font);
    // The advance of `text` in `font`. Every sheet measures the same characters and labels
    // again, so what is measured is kept (per thread, for the sheet's faces, which differ
    // only in size and weight) and measured once.
    static qreal advance(const QFont& font, QStringView text);
    // The same as a function, for measuring many texts in one face.
    static Advance measure(const QFont& font);

    QFont title;    // the sheet's title
    QFont heading;  // 一、输入数据 …
    QFont body;     // tables, the figure and the calculation text
    QFont small;    // running head and page numbers
};

// The faces the sheet is set in, in the order they are tried for a character: where
// WenQuanYi Micro Hei is installed, a compact copy of it made for the sheets (see
// compact_face.hpp) and then the face itself, else Qt's default face; then the faces
// installed with the program for the characters the sheet's face lacks (HanaMinA and
// HanaMinB, of fonts-hanazono). Made and looked up once, on first use.
QStringList sheetFamilies();

namespace pdf {
class Faces;
}
// The same faces as the program's PDF writer reads them (those it found files for).
const pdf::Faces& sheetFaces();

// A face of the sheet at `points`, sized in the sheet's units.
QFont sheetFont(qreal points, bool bold = false);

}  // namespace wallcalc::sheet
