#pragma once
// Tables of a TrueType file, written for the compact copy of the sheet's face.
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <utility>
#include <vector>

namespace wallcalc::sheet {

// A 'name' table of Windows Unicode records in US English; `names` in the order of ids.
QByteArray nameTable(const std::vector<std::pair<std::uint16_t, QString>>& names);

// A 'cmap' table mapping characters of the Basic Multilingual Plane to glyphs as one
// array from the first character to the last (format 10), so that looking a character up
// is one step: Qt looks up every character of the plane for each PDF it writes. `glyphs`
// in the order of the characters. Empty when there are none, or any beyond the plane.
QByteArray cmapTable(const std::vector<std::pair<char32_t, std::uint16_t>>& glyphs);

// The 'maxp' table with room declared for a glyph's instructions. FreeType reads the
// outlines of a TrueType face that declares none through its auto-hinter, which moves
// them; with the room declared it reads them as designed (there are none to run).
QByteArray withRoomForInstructions(QByteArray maxp);

}  // namespace wallcalc::sheet
