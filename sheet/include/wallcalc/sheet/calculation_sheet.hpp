#pragma once
// What a calculation sheet shows: the inputs as the engineer typed and chose them, the six
// results and the whole calculation text of one completed press of "计算". Filled from the
// press itself, so that a sheet printed from the window and one written by the command
// line say the same.
#include <string>
#include <vector>

#include "wallcalc/engine/press.hpp"
#include "wallcalc/engine/project.hpp"

namespace wallcalc::sheet {

inline constexpr std::string_view kSheetTitle = "地下室外墙配筋计算书";

// One line of a table: a label as the window shows it (unit included, colon dropped) and
// the box's text exactly as it stands.
struct SheetEntry {
    std::string label;
    std::string value;
    bool operator==(const SheetEntry&) const = default;
};

// The results under one of the window's frames ("配筋计算结果", "裂缝控制").
struct SheetGroup {
    std::string caption;
    std::vector<SheetEntry> entries;
    bool operator==(const SheetGroup&) const = default;
};

struct CalculationSheet {
    std::string title = std::string(kSheetTitle);
    std::string name;     // the wall's name, for a sheet of a batch row; empty from the window
    std::string date;     // the day of the calculation, as it is to be printed
    ProjectInfo project;  // the title block: project, wall and who designed, checked, reviewed
    std::vector<SheetEntry> inputs;
    std::vector<SheetGroup> results;
    std::vector<std::string> calculation;  // Text12, line by line
    bool operator==(const CalculationSheet&) const = default;
};

// The sheet of a press. The civil-defence load is listed only in civil-defence works,
// where the calculation reads it. Name and date are left empty.
CalculationSheet sheetOf(const PressResult& press);

// The calculation text split at its line breaks (CR LF, or LF).
std::vector<std::string> textLines(std::string_view text);

}  // namespace wallcalc::sheet
