#include "web_model_tables.hpp"

#include <string>

#include "wallcalc/report/shown_value.hpp"

namespace wallcalc::web {
namespace {

using Json = ModelJson;

// A row of the analysis table: its heading and where each storey's figure stands in the
// answer, "/analysis/" + list + "/" + (storey + offset) + "/" + field.
struct AnalysisRow {
    std::string_view heading;
    std::string_view list;
    std::size_t offset;
    std::string_view field;
};

// The strip: the member's support moments and reactions (a slab between two storeys is
// the bottom support of the one and the top support of the next) and the span moment.
constexpr AnalysisRow kStripRows[] = {
    {"墙顶支座弯矩Mk (kN·m/m)", "supports", 0, "moment"},
    {"跨中最大弯矩Mk (kN·m/m)", "spans", 0, "maxMoment"},
    {"跨中最大弯矩距层顶 (m)", "spans", 0, "depth"},
    {"墙底支座弯矩Mk (kN·m/m)", "supports", 1, "moment"},
    {"顶部支座反力 (kN/m)", "supports", 0, "reaction"},
    {"底部支座反力 (kN/m)", "supports", 1, "reaction"},
};

// The panel: the governing moments both ways and the total reaction of each edge.
constexpr AnalysisRow kPanelRows[] = {
    {"竖向墙顶弯矩Mk (kN·m/m)", "storeys", 0, "vertical/top/M"},
    {"竖向跨中弯矩Mk (kN·m/m)", "storeys", 0, "vertical/span/M"},
    {"竖向墙底弯矩Mk (kN·m/m)", "storeys", 0, "vertical/bottom/M"},
    {"水平左侧支座弯矩Mk (kN·m/m)", "storeys", 0, "horizontal/left/M"},
    {"水平跨中弯矩Mk (kN·m/m)", "storeys", 0, "horizontal/span/M"},
    {"水平右侧支座弯矩Mk (kN·m/m)", "storeys", 0, "horizontal/right/M"},
    {"顶边反力 (kN)", "storeys", 0, "reactions/top"},
    {"底边反力 (kN)", "storeys", 0, "reactions/bottom"},
    {"左侧边反力 (kN)", "storeys", 0, "reactions/left"},
    {"右侧边反力 (kN)", "storeys", 0, "reactions/right"},
};

const Json kNone = "—";

// The figure at `at` in the answer as the tab shows it; a figure the answer has not (a
// span where the inner face is nowhere in tension, a free edge) shows as "—".
Json cell(const Json& answer, const std::string& at) {
    const Json::json_pointer pointer(at);
    const bool given = answer.contains(pointer) && answer.at(pointer).is_number();
    return {{"text", given ? Json(report::shownText(answer.at(pointer).get<double>())) : kNone},
            {"at", at}};
}

template <class Rows>
Json analysisRows(const Rows& rows, const Json& answer, std::size_t storeys) {
    Json out = Json::array();
    for (const AnalysisRow& r : rows) {
        Json cells = Json::array();
        for (std::size_t i = 0; i < storeys; ++i) {
            cells.push_back(cell(answer, "/analysis/" + std::string(r.list) + "/" +
                                             std::to_string(i + r.offset) + "/" +
                                             std::string(r.field)));
        }
        out.push_back({{"heading", r.heading}, {"cells", cells}});
    }
    return out;
}

}  // namespace

Json storeyNames() {
    Json out = Json::array();
    for (std::size_t i = 0; i < model::kMaxStoreys; ++i)
        out.push_back(model::storeyName(i));
    return out;
}

Json analysisTable(const Json& answer, const model::WallDesign& design, bool panel) {
    const std::size_t n = design.storeyCount;
    Json columns = Json::array();
    for (std::size_t i = 0; i < n; ++i)
        columns.push_back(model::storeyName(i));
    Json rows = panel ? analysisRows(kPanelRows, answer, n) : analysisRows(kStripRows, answer, n);
    Json verdicts = Json::array();
    for (const model::StoreyDesign& s : design.designed())
        verdicts.push_back({{"text", s.verdict.line()}, {"ok", s.verdict.ok()}});
    rows.push_back({{"heading", "本层结论"}, {"cells", verdicts}, {"verdict", true}});
    return {{"columns", columns}, {"rows", rows}};
}

Json designTable(const std::vector<sheet::DesignRow>& rows) {
    Json out = Json::array();
    for (const sheet::DesignRow& r : rows) {
        out.push_back(
            {{"cells",
              {r.storey, r.section, r.force, r.needs, r.bars, r.crack, r.ok ? "满足" : "不满足"}},
             {"ok", r.ok}});
    }
    return {{"columns", sheet::designColumns()}, {"rows", out}};
}

Json verdictJson(const sheet::SheetVerdict& v) {
    return {{"ok", v.ok}, {"line", "结论：" + v.line}, {"failures", v.failures}};
}

Json sheetJson(const sheet::ModelSheet& s, std::string_view date) {
    Json project = Json::array();
    for (const ProjectField& f : kProjectFields)
        project.push_back({{"label", f.label}, {"value", s.project.*(f.field)}});
    Json inputs = Json::array();
    for (const sheet::SheetEntry& e : s.inputs)
        inputs.push_back({{"label", e.label}, {"value", e.value}});
    return {{"title", s.title},
            {"date", date},
            {"project", project},
            {"codes", s.codes},
            {"inputs", inputs},
            {"storeys", s.storeys},
            {"figure", sheet::svgText(s.figure)},
            {"verdict", verdictJson(s.verdict)},
            {"design", designTable(s.design)},
            {"calculation", s.calculation},
            // The sections as the PDF sheet heads them.
            {"headings",
             {s.headings.inputs, s.headings.storeys, s.headings.figure, s.headings.verdict,
              s.headings.design, s.headings.calculation}}};
}

}  // namespace wallcalc::web
