// The description the page builds its window from, all from the engine's tables: the
// controls' places and which of them grow (window_layout), the boxes, lists with their
// items in each basis and results (controls), the help text and the title block's
// fields. A box, list or result the tables gain appears in the page without a change to
// the page.
#include <iterator>
#include <nlohmann/json.hpp>

#include "help_text.hpp"
#include "wallcalc/engine/controls.hpp"
#include "wallcalc/engine/project.hpp"
#include "wallcalc/engine/window_layout.hpp"
#include "wallcalc/sheet/calculation_sheet.hpp"
#include "web_window.hpp"

namespace wallcalc::web {
namespace {

using Json = nlohmann::ordered_json;

// The page's name of each kind of control, in the order of ControlKind.
constexpr std::string_view kKindNames[] = {"frame",  "label",  "input",  "result",
                                           "list",   "option", "button", "report",
                                           "figure", "note",   "verdict"};
static_assert(std::size(kKindNames) == static_cast<std::size_t>(ControlKind::Verdict) + 1,
              "every kind of control has its name in the page");

Json rectJson(const Twips& r) {
    return {r.left, r.top, r.width, r.height};
}

Json controlsJson() {
    Json out = Json::array();
    for (const ControlPlace& c : windowLayout()) {
        Json control = {{"kind", kKindNames[static_cast<std::size_t>(c.kind)]},
                        {"name", c.name},
                        {"frame", c.frame},
                        {"rect", rectJson(c.rect)}};
        if (!c.caption.empty()) control["caption"] = c.caption;
        if (!c.buddy.empty()) control["buddy"] = c.buddy;
        // The page asks the module where a control that grows stands (wc_grown).
        if (c.growth != Growth{}) control["grows"] = true;
        if (c.kind == ControlKind::Label) {
            Json lines = Json::array();
            for (std::string_view line : labelLines(c)) {
                if (!line.empty()) lines.push_back(line);
            }
            control["lines"] = lines;
        }
        out.push_back(control);
    }
    return out;
}

std::string_view boxKind(Box box) {
    if (inputIn(box) != nullptr) return "input";
    if (box == Box::Text12) return "report";
    return "result";
}

Json boxesJson() {
    Json out = Json::array();
    for (std::size_t i = 0; i < kBoxCount; ++i) {
        const auto box = static_cast<Box>(i);
        Json b = {{"name", boxName(box)},
                  {"kind", boxKind(box)},
                  {"label", boxLabel(box)},
                  {"default", boxDefault(box)}};
        if (const InputBox* in = inputIn(box)) {
            b["key"] = in->key;
            b["unit"] = in->unit;
        }
        out.push_back(b);
    }
    return out;
}

Json listsJson() {
    Json out = Json::array();
    for (const ListInfo& l : lists()) {
        // The items of each basis; the steel list's differ.
        Json byBasis = Json::array();
        for (const ListItems& basis : l.byBasis) {
            Json items = Json::array();
            for (std::string_view item : basis.items)
                items.push_back(item);
            byBasis.push_back(items);
        }
        out.push_back({{"name", l.name},
                       {"label", l.label},
                       {"key", l.key},
                       {"items", byBasis[0]},
                       {"itemsByBasis", byBasis}});
    }
    return out;
}

Json resultsJson() {
    Json out = Json::array();
    for (const ResultBox& r : resultBoxesAsShown()) {
        out.push_back({{"name", boxName(r.box)},
                       {"key", r.key},
                       {"label", r.label},
                       {"frame", frameCaption(r.frame)}});
    }
    return out;
}

Json projectJson() {
    Json out = Json::array();
    for (const ProjectField& f : kProjectFields)
        out.push_back({{"key", f.key}, {"label", f.label}});
    return out;
}

}  // namespace

std::string describeWindow() {
    const Twips area = windowArea();
    Json help = Json::array();
    for (std::string_view line : app::helpLines())
        help.push_back(line);
    const Json out = {{"title", kWindowTitle},
                      {"sheetTitle", sheet::kSheetTitle},
                      {"twipsPerPixel", kTwipsPerPixel},
                      {"area", {area.width, area.height}},
                      {"controls", controlsJson()},
                      {"boxes", boxesJson()},
                      {"lists", listsJson()},
                      {"results", resultsJson()},
                      {"project", projectJson()},
                      {"messageTitle", kMessageTitle},
                      {"helpTitle", kHelpTitle},
                      {"help", help},
                      {"checksPlaceholder", kChecksPlaceholder}};
    return out.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string grownPlaces(int extraWidth, int extraHeight) {
    Json out = Json::array();
    for (const ControlPlace& c : windowLayout()) {
        if (c.growth == Growth{}) continue;
        const Twips at = pixelPlace(c, extraWidth, extraHeight);
        out.push_back({c.name, at.left, at.top, at.width, at.height});
    }
    return out.dump();
}

}  // namespace wallcalc::web
