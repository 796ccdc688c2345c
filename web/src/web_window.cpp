#include "web_window.hpp"

#include <nlohmann/json.hpp>

#include "wallcalc/cli/session.hpp"
#include "wallcalc/cli/wall_file.hpp"
#include "wallcalc/engine/controls.hpp"
#include "wallcalc/sheet/calculation_sheet.hpp"
#include "wallcalc/sheet/wall_figure_layout.hpp"

namespace wallcalc::web {
namespace {

using Json = nlohmann::ordered_json;

std::string dump(const Json& json) {
    return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

Json entriesJson(const std::vector<sheet::SheetEntry>& entries) {
    Json out = Json::array();
    for (const auto& e : entries)
        out.push_back({{"label", e.label}, {"value", e.value}});
    return out;
}

}  // namespace

std::string WebWindow::state() const {
    Json boxes = Json::object();
    Json enabled = Json::object();
    for (std::size_t i = 0; i < kBoxCount; ++i) {
        const auto box = static_cast<Box>(i);
        boxes[std::string(boxName(box))] = window_.boxText(box);
        enabled[std::string(boxName(box))] = window_.enabled(box);
    }
    Json selected = Json::object();
    for (const ListInfo& l : lists())
        selected[std::string(l.name)] = window_.selected(l.list);
    Json project = Json::object();
    for (const ProjectField& f : kProjectFields)
        project[std::string(f.key)] = window_.project().*(f.field);
    return dump({{"X", window_.X()},
                 {"boxes", boxes},
                 {"lists", selected},
                 {"basis", index(window_.basis())},
                 {"enabled", enabled},
                 {"checked", {window_.checked(0), window_.checked(1)}},
                 {"project", project},
                 {"stale", window_.resultsStale()},
                 {"modified", window_.modified()},
                 {"sheet", lastCompleted_.has_value()}});
}

bool WebWindow::type(std::string_view box, std::string text) {
    const auto b = boxNamed(box);
    if (!b || !window_.enabled(*b)) return false;
    window_.type(*b, std::move(text));
    return true;
}

bool WebWindow::select(std::string_view list, int position) {
    const auto l = listNamed(list);
    if (!l) return false;
    window_.select(*l, position);
    return true;
}

const PressResult& WebWindow::press() {
    lastPress_ = window_.pressCompute();
    remember(lastPress_);
    return lastPress_;
}

std::string WebWindow::session(std::string_view line) {
    cli::SessionAnswer answer = cli::sessionPress(window_, line);
    cli::nameLine(answer, ++sessionLines_);
    if (const auto* press = std::get_if<PressResult>(&answer)) remember(*press);
    return cli::answerJson(answer);
}

void WebWindow::remember(const PressResult& press) {
    if (press.completed()) lastCompleted_ = press;
}

void WebWindow::setProject(std::string_view key, std::string value) {
    ProjectInfo project = window_.project();
    for (const ProjectField& f : kProjectFields) {
        if (f.key == key) project.*(f.field) = std::move(value);
    }
    window_.setProject(std::move(project));
}

std::string WebWindow::wallFile() {
    std::string text = cli::wallFileText(window_, window_.project());
    window_.markSaved();
    return text;
}

std::string WebWindow::openWall(std::string_view text) {
    auto read = cli::readWallText(text);
    if (const auto* why = std::get_if<std::string>(&read)) return dump({{"error", *why}});
    const auto& wall = std::get<cli::Wall>(read);
    // As the window opens a file: a window just opened, then the file's changes.
    window_.open();
    wall.changes.applyTo(window_);
    window_.setProject(wall.project);
    window_.markSaved();
    lastCompleted_.reset();
    return dump({{"ok", true}});
}

std::string WebWindow::sheet(std::string_view date) const {
    if (!lastCompleted_) return "{}";
    const sheet::CalculationSheet s = sheet::sheetOf(*lastCompleted_);
    Json project = Json::array();
    for (const ProjectField& f : kProjectFields)
        project.push_back({{"label", f.label}, {"value", window_.project().*(f.field)}});
    Json results = Json::array();
    for (const auto& group : s.results)
        results.push_back({{"caption", group.caption}, {"entries", entriesJson(group.entries)}});
    return dump({{"title", s.title},
                 {"date", date},
                 {"project", project},
                 {"codes", s.codes},
                 {"inputs", entriesJson(s.inputs)},
                 {"materials", entriesJson(s.materials)},
                 {"materialNotes", s.materialNotes},
                 // The figure drawn for this wall, and the lines that add up its loads.
                 {"figure", sheet::svgText(sheet::wallFigure(&s.figure))},
                 {"figureLines", s.figure.loadLines},
                 {"results", results},
                 {"resultNotes", s.resultNotes},
                 {"calculation", s.calculation},
                 {"supplementary", s.supplementary},
                 {"headings",
                  {{"inputs", s.headings.inputs},
                   {"materials", s.headings.materials},
                   {"figure", s.headings.figure},
                   {"results", s.headings.results},
                   {"calculation", s.headings.calculation},
                   {"supplementary", s.headings.supplementary},
                   {"codes", s.headings.codes}}}});
}

}  // namespace wallcalc::web
