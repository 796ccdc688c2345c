#pragma once
// What a calculation sheet shows: the title block (project, wall, who designed, checked and
// reviewed it, the date and the codes of the design), the inputs as the engineer typed and
// chose them, the material strengths the calculation used, the figure of this wall with its
// loads, the six results and the whole calculation text of one completed press of "计算".
// Filled from the press itself, so that a sheet printed from the window and one written by
// the command line say the same.
#include <string>
#include <vector>

#include "wallcalc/engine/press.hpp"
#include "wallcalc/engine/project.hpp"
#include "wallcalc/report/typeset.hpp"

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

// The figure drawn for this wall: the elevations and the thickness as typed, the chosen
// water level, and the characteristic load on the strip at the top of the wall, at the
// water level (case B only) and at the base, with the lines that work them out.
struct SheetFigure {
    std::string h1, h2, h3, h4, h5;
    int loadCase = -1;  // 0 情况A, 1 情况B, 2 情况C; -1 draws no water level and no loads
    double a = 0;       // depth of the water level below the top of the wall (case B), m
    double L = 0;       // span h3 − h4, m
    double top = 0, water = 0, base = 0;  // kN/m
    std::string topText, waterText, baseText;
    // A caption, then "墙顶 p顶=q12+q42=18+5=23 (kN/m)" and the lines further down.
    std::vector<std::string> loadLines;
    std::string MBk;  // the base moment, as its box shows it
    bool operator==(const SheetFigure&) const = default;
};

// The headings of the sheet's sections, in their order, and the title block's label of the
// codes: the same on the printed sheet and on the web page's.
struct SheetHeadings {
    std::string inputs = "一、输入数据";
    std::string materials;  // "二、材料强度（C15，Ⅰ级(HPB235)）": it names the grades
    std::string figure = "三、计算简图";
    std::string results = "四、计算结果";
    std::string calculation = "五、计算过程";
    std::string supplementary = "六、补充验算";  // shown only with a supplementary design
    std::string summary = "配筋汇总";            // the table after the results
    std::string codes = "设计依据";
    bool operator==(const SheetHeadings&) const = default;
};

// The verdict of the press: 结论：满足, or 不满足 with each failed check and its figures. A
// sheet of a wall that does not satisfy the codes is printed all the same (a checker needs
// to see why), every page under a red band that says it must not be built from.
struct SheetVerdict {
    bool ok = true;
    std::string line;                   // "满足", "不满足（受剪）"
    std::vector<std::string> failures;  // one line per failed check
    bool operator==(const SheetVerdict&) const = default;
};
inline constexpr std::string_view kNotSatisfiedBand = "本墙设计不满足规范要求，不得用于施工图";

// One row of 配筋汇总: a face at a position, the bars placed there, the area they provide,
// the area required there and their crack width.
struct SummaryRow {
    std::string position;    // "迎水面竖向（墙底B处）"
    std::string bars;        // "C14@100", or "太大了" where none of the bars fits
    std::string provided;    // As of the bars (mm²/m)
    std::string required;    // the largest of the areas for strength, crack width and minimum
    std::string crackWidth;  // Wmax of the bars (mm); "—" where none is calculated
    bool operator==(const SummaryRow&) const = default;
};
inline constexpr std::string_view kSummaryColumns[] = {"位置", "钢筋", "实配As（mm2）",
                                                       "所需As（mm2）", "Wmax（mm）"};
inline constexpr std::string_view kNoValue = "—";

struct CalculationSheet {
    std::string title = std::string(kSheetTitle);
    std::string name;     // the wall's name, for a sheet of a batch row; empty from the window
    std::string date;     // the day of the calculation, as it is to be printed
    ProjectInfo project;  // the title block: project, wall and who designed, checked, reviewed
    std::vector<std::string> codes;  // the codes the design follows, one per line
    std::vector<SheetEntry> inputs;
    std::string materialGrades;         // "C15，Ⅰ级(HPB235)"
    std::vector<SheetEntry> materials;  // fc, ft, ftk, fy, Es
    std::vector<std::string> materialNotes;
    SheetFigure figure;
    SheetVerdict verdict;
    std::vector<SheetGroup> results;
    std::vector<std::string> resultNotes;    // what an odd diameter of bars stands for
    std::vector<std::string> calculation;    // Text12, line by line
    std::vector<std::string> supplementary;  // the supplementary design, line by line
    // The same two typeset from their line tables and forms, as the sheet prints them; the
    // supplementary design without its title line, which the sheet's heading says.
    report::TypesetText calculationTypeset;
    report::TypesetText supplementaryTypeset;
    report::Notation notation;              // the grade's bar symbol, for the tables' texts
    std::vector<SummaryRow> summary;        // 配筋汇总, after the results
    std::vector<std::string> summaryNotes;  // what an odd diameter there stands for
    SheetHeadings headings;
    bool operator==(const CalculationSheet&) const = default;
};

// The sheet of a completed press. The civil-defence load is listed only in civil-defence
// works, where the calculation reads it. Name, date and project are left empty.
CalculationSheet sheetOf(const PressResult& press);

// 配筋汇总 of a completed press: the vertical bars of the water face at the base, of the
// inner face at the span, and the horizontal bars of each face; in civil-defence works the
// larger of the civil-defence and the ordinary design. Empty without a supplementary design.
std::vector<SummaryRow> summaryOf(const PressResult& press);

// The calculation text split at its line breaks (CR LF, or LF).
std::vector<std::string> textLines(std::string_view text);

}  // namespace wallcalc::sheet
