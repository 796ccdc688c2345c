// A wall model written as a model file, and the answer of its press as JSON: the
// characteristic analysis at every support and in every span (a two-way panel: each
// storey's governing moments and edge reactions, and the mesh), each storey's design, the
// verdict. Numbers as the calculation text shows them (three decimals).
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "model_json_object.hpp"
#include "wallcalc/cli/texts.hpp"
#include "wallcalc/cli/wall_file.hpp"
#include "wallcalc/report/number_text.hpp"
#include "wallcalc/report/shown_value.hpp"

namespace wallcalc::cli {
namespace {

using Json = nlohmann::ordered_json;
using namespace wallcalc::model;

Json number(double v) {
    const double s = report::shown(v);
    return s == 0 ? 0.0 : s;
}

Json storeyJson(const Storey& s) {
    return {{"thickness", s.thickness}, {"c1", s.c1}, {"c2", s.c2}, {"qrf", s.qrf}};
}

Json supportsJson(const WallModel& m, const MemberAnalysis& a) {
    Json out = Json::array();
    const std::size_t n = a.spanCount();
    for (std::size_t j = 0; j <= n; ++j) {
        const double M = j < n ? a.span(j).momentTop : a.span(n - 1).momentBottom;
        out.push_back({{"elevation", m.slabs[j]},
                       {"moment", number(M)},
                       {"reaction", number(a.reactions()[j])}});
    }
    return out;
}

Json spansJson(const MemberAnalysis& a) {
    Json out = Json::array();
    for (const SpanForces& s : a.spans()) {
        if (s.spanMoment) {
            out.push_back({{"maxMoment", number(s.spanMoment->moment)},
                           {"depth", number(s.spanMoment->depth)}});
        } else {
            out.push_back({{"maxMoment", nullptr}, {"depth", nullptr}});
        }
    }
    return out;
}

Json barsJson(const std::optional<design::Bars>& b) {
    if (!b) return nullptr;
    return std::to_string(b->d) + "@" + report::doubleText(b->spacing);
}

Json faceJson(const std::optional<FaceCheck>& f) {
    if (!f) return nullptr;
    const design::FaceDesign& g = f->governing().face;
    // A section that cannot carry its moment (αs ≥ 0.5) has no As and no ξ: null.
    const bool real = !g.strength.tooSmall;
    return {{"M", number(g.strength.M)},
            {"As", real ? number(g.strength.As) : Json(nullptr)},
            {"AsMin", number(g.AsMin)},
            {"bars", barsJson(f->provided)},
            {"AsProvided", f->provided ? number(f->provided->area) : Json(nullptr)},
            {"w", f->crack ? number(f->crack->w) : Json(nullptr)},
            {"xi", real ? number(g.strength.xi) : Json(nullptr)}};
}

Json shearJson(const model::ShearCheck& c) {
    const design::Shear& s = c.governing().shear;
    return {{"V", number(s.V)}, {"Vc", number(s.Vc)}};
}

Json storeysJson(const WallDesign& d, bool twoWay) {
    Json out = Json::array();
    for (const StoreyDesign& s : d.designed()) {
        const design::HorizontalBars& h = s.horizontal();
        Json storey = {{"waterFaceTop", faceJson(s.waterTop)},
                       {"waterFaceBottom", faceJson(s.waterBottom)},
                       {"innerFace", faceJson(s.inner)},
                       {"shearTop", shearJson(s.shearTop)},
                       {"shearBottom", shearJson(s.shearBottom)},
                       {"horizontal", {{"As", number(h.As)}, {"bars", barsJson(h.bars)}}}};
        if (twoWay) {
            storey["horizontalSupport"] = faceJson(s.horizontalSupport);
            storey["horizontalSpan"] = faceJson(s.horizontalSpan);
            storey["shearSide"] = s.shearSide ? shearJson(*s.shearSide) : Json(nullptr);
        }
        out.push_back(std::move(storey));
    }
    return out;
}

// A governing moment of the panel: kN·m/m, x m from the left side, z m below the storey's top.
Json panelMomentJson(const std::optional<plate::PanelMoment>& m) {
    if (!m) return nullptr;
    return {{"M", number(m->M_kNm_per_m)}, {"x", number(m->x_m)}, {"z", number(m->z_m)}};
}

Json panelStoreysJson(const plate::PanelResult& r) {
    Json out = Json::array();
    for (const plate::StoreyResult& s : r.storeys) {
        const plate::EdgeReactions& e = s.reactions;
        out.push_back({{"vertical",
                        {{"top", panelMomentJson(s.vertical.top)},
                         {"span", panelMomentJson(s.vertical.span)},
                         {"bottom", panelMomentJson(s.vertical.bottom)}}},
                       {"horizontal",
                        {{"left", panelMomentJson(s.horizontal.left)},
                         {"span", panelMomentJson(s.horizontal.span)},
                         {"right", panelMomentJson(s.horizontal.right)}}},
                       {"reactions",
                        {{"top", number(e.top_kN)},
                         {"bottom", number(e.bottom_kN)},
                         {"left", number(e.left_kN)},
                         {"right", number(e.right_kN)}}},
                       // The largest reaction per metre along each edge (kN/m), the edge shear.
                       {"edgeShears",
                        {{"top", number(e.topPeak_kN_per_m)},
                         {"bottom", number(e.bottomPeak_kN_per_m)},
                         {"left", number(e.leftPeak_kN_per_m)},
                         {"right", number(e.rightPeak_kN_per_m)}}}});
    }
    return out;
}

// The mesh the panel's figures come from, and how far they had settled.
Json meshJson(const plate::PanelResult& r) {
    return {{"across", r.mesh.across},    {"down", r.mesh.perStorey},
            {"level", r.mesh.level},      {"unknowns", r.mesh.unknowns},
            {"change", number(r.change)}, {"remaining", number(r.remaining)}};
}

Json panelAnalysisJson(const PanelAnalysis& a) {
    const plate::PanelResult& k = a.characteristic();
    return {{"storeys", panelStoreysJson(k)},
            {"totalLoad", number(k.totalLoad_kN)},
            {"mesh", meshJson(k)}};
}

Json verdictJson(const design::Verdict& v) {
    Json failed = Json::array();
    for (const design::Failure& f : v.failed)
        failed.push_back({{"check", design::checkName(f.check).key}, {"text", f.text}});
    return {{"ok", v.ok()}, {"failed", std::move(failed)}};
}

std::string dumped(const Json& j, int indent = -1) {
    return j.dump(indent, ' ', false, Json::error_handler_t::replace);
}

}  // namespace

std::string modelFileText(const WallModel& m) {
    Json out;
    out["format"] = kModelFormat;
    out["ground"] = m.ground;
    out["water"] = m.water;
    if (m.waterQuasi) out["waterQuasi"] = *m.waterQuasi;
    out["slabs"] = m.slabs;
    out["top"] = m.top;
    out["base"] = m.base;
    out["storeys"] = Json::array();
    for (const Storey& s : m.storeys)
        out["storeys"].push_back(storeyJson(s));
    out["gamma"] = m.gamma;
    if (m.gammaSat) out["gammaSat"] = *m.gammaSat;
    out["gammaW"] = m.gammaW;
    out["K0"] = m.K0;
    out["surcharge"] = m.surcharge;
    out["concrete"] = m.concrete;
    out["steel"] = m.steel;
    out["spacing"] = m.spacing;
    out["limit"] = m.limit;
    out["gammaG"] = m.gammaG;
    out["gammaQ"] = m.gammaQ;
    out["psiq"] = m.psiq;
    out["gamma0"] = m.gamma0;
    out["mode"] = m.mode;
    Json project = Json::object();
    for (const TitleField& f : kTitleFields)
        project[std::string(f.key)] = m.project.*(f.field);
    out["project"] = std::move(project);
    if (m.panel) {
        out["panel"] = {
            {"width", m.panel->width}, {"left", m.panel->left}, {"right", m.panel->right}};
    }
    return dumped(out, 2) + "\n";
}

std::string refusalJson(const ModelRefusal& r) {
    Json problems = Json::array();
    for (const Problem& p : r.problems)
        problems.push_back({{"key", p.key}, {"message", p.message}});
    return dumped({{"error", r.first().message}, {"problems", std::move(problems)}});
}

std::string modelAnswerJson(const ModelPress& press, const WallModel& m) {
    if (!press.completed()) return refusalJson({press.problems});
    Json out;
    if (press.panel) {
        out["analysis"] = panelAnalysisJson(*press.panel);
    } else {
        const MemberAnalysis& k = (*press.analysis)[Combination::Characteristic];
        out["analysis"] = {{"supports", supportsJson(m, k)}, {"spans", spansJson(k)}};
    }
    out["design"] = {{"storeys", storeysJson(*press.design, press.panel.has_value())}};
    out["verdict"] = verdictJson(press.design->verdict);
    return dumped(out);
}

ModelAnswer answerModelText(std::string_view text) {
    ModelAnswer a;
    auto read = readModelText(text, FormatKey::Optional);
    if (auto* refused = std::get_if<ModelRefusal>(&read)) {
        a.json = refusalJson(*refused);
        a.problem = refused->first().message;
        return a;
    }
    const WallModel& m = std::get<WallModel>(read);
    const ModelPress press = pressModel(m);
    a.json = modelAnswerJson(press, m);
    a.understood = press.completed();
    a.satisfied = press.satisfied();
    if (!a.understood) a.problem = press.problems.front().message;
    return a;
}

std::variant<WallModel, std::string> loadModelFile(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return "无法打开" + inQuotes(path) + "：" + fileErrorReason(EISDIR);
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) return "无法打开" + inQuotes(path) + "：" + fileErrorReason(errno);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    auto read = readModelText(bytes.str(), FormatKey::Required);
    if (auto* refused = std::get_if<ModelRefusal>(&read)) {
        return "无法读取" + inQuotes(path) + "：" + refused->first().message;
    }
    return std::get<WallModel>(std::move(read));
}

std::optional<std::string> saveModelFile(const std::string& path, const WallModel& m) {
    return saveWallFile(path, modelFileText(m));
}

}  // namespace wallcalc::cli
