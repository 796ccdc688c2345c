#pragma once
// The lines of the calculation text as tables. A value's place is written {name},
// with the name of its slot; everything else is written exactly as it stands.
#include <span>
#include <string_view>

#include "wallcalc/report/calculation_text.hpp"

namespace wallcalc::report::tables {

// One line of section 1 in both modes. The two modes share their earth, water and
// surcharge lines and differ in a few characters; each difference is visible here. The
// two bases share the load lines; the lines of MBk and MB belong to the 2002 basis, and
// the 2010 basis closes the section with its own lines (MG, MQ, MBk, M, Mq).
struct LoadLine {
    std::string_view ordinary;
    std::string_view civilDefence;  // kSame: as the ordinary line
    bool only2002 = false;
};

// Markers in the tables above: the civil-defence line is the ordinary one, or the
// line is absent in that mode.
inline constexpr std::string_view kSame =
    "\x01"
    "same";
inline constexpr std::string_view kAbsent =
    "\x01"
    "absent";

std::span<const LoadLine> loadLines(Case c);
std::span<const LoadLine> loadClosing2010(Case c);  // MG, MQ, MBk, M (and Mq)
const LoadLine& codesLine();                        // the 2010 text's first line, naming the codes

std::span<const LoadLine> designLines(Basis basis);  // section 2, by mode as section 1

// Pieces of section 3.
std::span<const std::string_view> crackHeading(Basis basis);
std::span<const std::string_view> crackPass(Basis basis);  // ρte, σs, ψ, Wmax of the last pass
std::span<const std::string_view> crackResult();           // the area and bars that meet the limit
std::span<const std::string_view> crackNotMet(Basis basis);     // 50 mm bars still too wide
std::span<const std::string_view> crackNoTension(Basis basis);  // the moment is <= 0
std::span<const std::string_view> crackNotes(Basis basis);  // empty line, "说明：", the notes
std::span<const std::string_view> civilDefenceClosing();
std::span<const std::string_view> noBarClosing();

}  // namespace wallcalc::report::tables
