#pragma once
// A compact copy of a face, for the calculation sheets. Qt writes into each PDF the glyphs
// the sheet used; to tell the reader which character each glyph stands for, it looks up
// every character the face maps against every glyph used, and it reads each outline with
// the face's hinting instructions run. WenQuanYi Micro Hei maps some 34,600 characters and
// is hinted, and that was half the time of writing a sheet. The copy maps only the
// characters it is given and drops the hinting instructions (which Qt leaves out of the PDF
// anyway); outlines, advances, kerning and the face's measures stay those of the face.
// Qt's PDF engine still prints the sheet through QPrinter; the program's own PDF writer
// cuts each sheet's font from the copy, which is quicker to cut than the whole face.
#include <QByteArray>
#include <QString>
#include <vector>

class QRawFont;

namespace wallcalc::sheet {

// The face cut down to `characters` (those of them it has), without hinting, named
// `family` (its PostScript name, copyright and licence kept), as the bytes of a TrueType
// file. Empty when the face cannot be read or cut.
QByteArray compactFace(const QRawFont& face, const std::vector<char32_t>& characters,
                       const QString& family);

}  // namespace wallcalc::sheet
