#pragma once
// The calculation sheet of a wall model: its title block, the inputs and the storeys, the
// figure with the load and moment diagrams, the design table (one row per section with its
// verdict), the verdict, and the calculation formula by formula. Filled from a completed
// press, so that the window, the web page and the command line print the same sheet.
#include <string>
#include <vector>

#include "wallcalc/engine/project.hpp"
#include "wallcalc/model/model_press.hpp"
#include "wallcalc/sheet/calculation_sheet.hpp"
#include "wallcalc/sheet/figure_drawing_list.hpp"

namespace wallcalc::sheet {

inline constexpr std::string_view kModelSheetTitle = "地下室外墙计算书（墙体模型）";

// One section of the design table: where, its force, what it needs, what is put in, the
// crack width, and its verdict.
struct DesignRow {
    std::string storey;   // "第1层"
    std::string section;  // "墙底迎水面", "墙顶受剪", "水平分布钢筋"
    std::string force;    // "M=56.182", "V=81.432"
    std::string needs;    // "As=662.212，As,min=600", "Vc=243.243"
    std::string bars;     // "14@150（1026.254）"
    std::string crack;    // "0.117", or empty
    bool ok = true;
    bool operator==(const DesignRow&) const = default;
};
// The columns' headings of the design table.
std::vector<std::string> designColumns();
std::vector<DesignRow> designRows(const model::WallDesign& design);

// The headings of the model sheet's sections, in their order: the same on the printed sheet
// and on the web page's. A two-way panel's figure shows no load diagram, its moments as
// colour maps.
struct ModelSheetHeadings {
    std::string inputs = "一、输入";
    std::string storeys = "二、各层墙体";
    std::string figure = "三、计算简图、荷载图与弯矩图（标准组合）";
    std::string verdict = "四、结论";
    std::string design = "五、截面设计";
    std::string calculation = "六、计算过程";
    bool operator==(const ModelSheetHeadings&) const = default;
};

struct ModelSheet {
    std::string title = std::string(kModelSheetTitle);
    std::string date;
    ProjectInfo project;
    std::vector<std::string> codes;
    std::vector<SheetEntry> inputs;
    std::vector<std::vector<std::string>> storeys;  // a row of headings, then one per storey
    ModelSheetHeadings headings;
    FigureDrawing figure;
    SheetVerdict verdict;
    std::vector<DesignRow> design;
    std::vector<std::string> calculation;
    // The steel grade's bar symbol, for the typeset texts (Φ14@150, C14@150 for HRB400).
    report::Notation notation;
};

// The sheet of a completed press (date empty; the title block from the model).
ModelSheet modelSheetOf(const model::WallModel& model, const model::ModelPress& press);

// The model's title block as the sheets' title block.
ProjectInfo projectOf(const model::TitleBlock& title);

}  // namespace wallcalc::sheet
