#pragma once
// The lines of the calculation text as tables. A value's place is written {name},
// with the name of its slot; everything else is written exactly as it stands.
#include <span>
#include <string_view>

#include "wallcalc/report/calculation_text.hpp"

namespace wallcalc::report::tables {

// One line of section 1 in both modes. The two modes share their earth, water and
// surcharge lines and differ in a few characters; each difference is visible here.
struct LoadLine {
    std::string_view ordinary;
    std::string_view civilDefence;  // kSame: as the ordinary line
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

std::span<const std::string_view> designLines();  // section 2

// Pieces of section 3.
std::span<const std::string_view> crackHeading();
std::span<const std::string_view> crackPass();       // ρte, σsk, ψ, Wmax of the last pass
std::span<const std::string_view> crackResult();     // the area and bars that meet the limit
std::span<const std::string_view> crackNotMet();     // 50 mm bars still exceed the limit
std::span<const std::string_view> crackNoTension();  // MBk <= 0
std::span<const std::string_view> crackNotes();      // empty line, "说明：" and the notes
std::span<const std::string_view> civilDefenceClosing();
std::span<const std::string_view> noBarClosing();

}  // namespace wallcalc::report::tables
