#include "web_model.hpp"

#include <nlohmann/json.hpp>
#include <variant>

#include "wallcalc/cli/model_json.hpp"
#include "wallcalc/design/materials.hpp"
#include "wallcalc/model/names.hpp"
#include "wallcalc/sheet/figure_drawing_list.hpp"
#include "web_model_tables.hpp"

namespace wallcalc::web {
namespace {

using Json = ModelJson;
using model::KeyKind;
using model::KeyNeed;
using model::ModelKey;

std::string dump(const Json& json) {
    return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// The groups of the tab's fields: each starts at its key and holds the keys that follow
// it in the model's table, as the window's page groups them.
struct GroupStart {
    std::string_view key;
    std::string_view title;
};
constexpr GroupStart kGroups[] = {
    {"ground", "地面与水位"}, {"top", "支承"}, {"gamma", "土与荷载"}, {"concrete", "材料与系数"}};

Json choice(std::string_view name, std::string_view label) {
    return {{"name", name}, {"label", label}};
}

// The names a key accepts, with the labels the page shows.
Json choicesOf(std::string_view key) {
    Json out = Json::array();
    const auto both = [&out](auto names, auto labels) {
        for (std::size_t i = 0; i < names.size(); ++i)
            out.push_back(choice(names[i], labels[i]));
    };
    if (key == "top") both(model::topSupportNames(), model::topSupportLabels());
    if (key == "base") both(model::baseSupportNames(), model::baseSupportLabels());
    if (key == "mode") both(model::modeNames(), model::modeLabels());
    if (key == "concrete") {
        for (const auto& g : design::kConcreteGrades)
            out.push_back(choice(g.name, g.name));
    }
    if (key == "steel") {
        for (const auto& g : design::kSteelGrades)
            out.push_back(choice(g.name, g.name));
    }
    // A side of a panel is fixed, pinned or free.
    if (key == "left" || key == "right")
        both(model::edgeSupportNames(), model::edgeSupportLabels());
    return out;
}

const ModelKey* keyNamed(std::string_view key) {
    for (const ModelKey& k : model::kModelKeys) {
        if (k.key == key) return &k;
    }
    return nullptr;
}

Json keyJson(const ModelKey& k) {
    constexpr const char* kKinds[] = {"number", "name", "elevations", "storeys", "object"};
    constexpr const char* kNeeds[] = {"required", "default", "sameAs", "optional"};
    Json j = {{"key", k.key},
              {"label", k.label},
              {"unit", k.unit},
              {"kind", kKinds[static_cast<int>(k.kind)]},
              {"need", kNeeds[static_cast<int>(k.need)]}};
    if (k.need == KeyNeed::Default)
        j["default"] = k.kind == KeyKind::Name ? Json(k.name) : Json(k.number);
    if (k.need == KeyNeed::SameAs) {
        j["sameAs"] = k.sameAs;
        if (const ModelKey* other = keyNamed(k.sameAs)) j["sameAsLabel"] = other->label;
    }
    if (k.kind == KeyKind::Name) j["choices"] = choicesOf(k.key);
    return j;
}

template <class Keys>
Json keysJson(const Keys& keys) {
    Json out = Json::array();
    for (const ModelKey& k : keys)
        out.push_back(keyJson(k));
    return out;
}

Json problemsJson(const std::vector<model::Problem>& problems) {
    Json out = Json::array();
    for (const model::Problem& p : problems)
        out.push_back({{"key", p.key}, {"message", p.message}});
    return {{"problems", out}};
}

// The model a JSON text describes and its problems of form (a key unknown or missing, a
// value of the wrong type).
std::variant<model::WallModel, Json> modelOf(std::string_view text, cli::FormatKey format) {
    auto read = cli::readModelText(text, format);
    if (const auto* refusal = std::get_if<cli::ModelRefusal>(&read))
        return problemsJson(refusal->problems);
    return std::get<model::WallModel>(std::move(read));
}

}  // namespace

std::string describeModel() {
    Json groups = Json::array();
    for (const GroupStart& g : kGroups)
        groups.push_back({{"key", g.key}, {"title", g.title}});
    Json title = Json::array();
    for (const model::TitleField& f : model::kTitleFields)
        title.push_back({{"key", f.key}, {"label", f.label}});
    Json panel = keysJson(model::kPanelKeys);
    return dump({{"format", cli::kModelFormat},
                 {"keys", keysJson(model::kModelKeys)},
                 {"storeyKeys", keysJson(model::kStoreyKeys)},
                 {"panelKeys", panel},
                 {"groups", groups},
                 {"title", title},
                 {"minStoreys", model::kMinStoreys},
                 {"maxStoreys", model::kMaxStoreys},
                 {"storeyNames", storeyNames()}});
}

std::string WebModel::press(std::string_view modelJson) {
    auto read = modelOf(modelJson, cli::FormatKey::Optional);
    if (auto* refused = std::get_if<Json>(&read)) return dump(*refused);
    const model::WallModel& m = std::get<model::WallModel>(read);
    const model::ModelPress p = model::pressModel(m);
    if (!p.completed()) {
        if (p.problems.empty())
            return dump(problemsJson({{"model", "墙体模型未能计算，请检查输入"}}));
        return dump(problemsJson(p.problems));
    }
    const Json answer = Json::parse(cli::modelAnswerJson(p, m));
    lastSheet_ = sheet::modelSheetOf(m, p);
    const sheet::ModelSheet& s = *lastSheet_;
    std::string text;
    for (const std::string& line : s.calculation)
        text += line + "\n";
    return dump({{"answer", answer},
                 {"figure", sheet::svgText(s.figure)},
                 {"analysis", analysisTable(answer, *p.design, m.panel.has_value())},
                 {"design", designTable(s.design)},
                 {"verdict", verdictJson(s.verdict)},
                 {"text", text}});
}

std::string WebModel::file(std::string_view modelJson) const {
    auto read = modelOf(modelJson, cli::FormatKey::Optional);
    if (auto* refused = std::get_if<Json>(&read)) return dump(*refused);
    return dump({{"file", cli::modelFileText(std::get<model::WallModel>(read))}});
}

std::string WebModel::open(std::string_view fileText) const {
    auto read = modelOf(fileText, cli::FormatKey::Required);
    if (auto* refused = std::get_if<Json>(&read))
        return dump({{"error", (*refused)["problems"][0]["message"]}});
    return dump({{"model", Json::parse(cli::modelFileText(std::get<model::WallModel>(read)))}});
}

std::string WebModel::sheet(std::string_view date) const {
    if (!lastSheet_) return "{}";
    return dump(sheetJson(*lastSheet_, date));
}

}  // namespace wallcalc::web
