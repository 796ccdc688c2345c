// A wall model from JSON: every key one the model's tables hold, every value of the type
// its key takes, every required key given. The values themselves are judged by the model
// (model::problems), which names the same keys.
#include <string>

#include "model_json_object.hpp"
#include "wallcalc/cli/texts.hpp"
#include "wallcalc/model/model_fields.hpp"

namespace wallcalc::cli {
namespace {

using Json = nlohmann::ordered_json;
using model::fieldNamed;
using model::KeyKind;
using model::KeyNeed;
using model::ModelKey;
using model::NameField;
using model::NumberField;
using model::OptionalField;
using model::StoreyField;
using model::WallModel;

const ModelKey* keyIn(std::span<const ModelKey> keys, std::string_view key) {
    for (const ModelKey& k : keys) {
        if (k.key == key) return &k;
    }
    return nullptr;
}

// A refusal naming its key: "storeys[1].c1（背水面…）应为数值，如 300".
struct Reader {
    std::optional<model::Problem> refused;

    bool refuse(std::string key, std::string_view label, std::string_view what) {
        if (refused) return false;
        std::string message =
            key + (label.empty() ? "" : "（" + std::string(label) + "）") + std::string(what);
        refused = model::Problem{std::move(key), std::move(message)};
        return false;
    }
    bool number(const Json& v, const std::string& key, std::string_view label, double& out) {
        if (!v.is_number()) return refuse(key, label, "应为数值（不加引号），如 300");
        out = v.get<double>();
        return true;
    }
    bool text(const Json& v, const std::string& key, std::string_view label, std::string& out) {
        if (!v.is_string()) return refuse(key, label, "应为加引号的名称，如 \"pinned\"");
        out = v.get<std::string>();
        return true;
    }
    bool object(const Json& v, const std::string& key, std::string_view label) {
        if (v.is_object()) return true;
        return refuse(key, label, "应为一个对象 {…}");
    }
    // Every required key of `keys` given in `in`.
    bool required(const Json& in, std::span<const ModelKey> keys, const std::string& prefix) {
        for (const ModelKey& k : keys) {
            if (k.need == KeyNeed::Required && !in.contains(std::string(k.key))) {
                return refuse(prefix + std::string(k.key), k.label, "没有给出（缺少此键）");
            }
        }
        return true;
    }
    // The key in quotes, so that an empty one or one with blanks shows as it is.
    bool unknown(const std::string& key, std::string_view where) {
        if (refused) return false;
        refused = model::Problem{key, "键" + inQuotes(key) + "是未知的键" + std::string(where)};
        return false;
    }

    bool slabs(const Json& v, WallModel& m, const ModelKey& k) {
        if (!v.is_array()) return refuse("slabs", k.label, "应为数值的列表，如 [0.3, -3.6, -7.2]");
        for (std::size_t i = 0; i < v.size(); ++i) {
            double e = 0;
            if (!number(v[i], "slabs[" + std::to_string(i) + "]", k.label, e)) return false;
            m.slabs.push_back(e);
        }
        return true;
    }
    bool storey(const Json& v, model::Storey& s, std::size_t i) {
        const std::string prefix = "storeys[" + std::to_string(i) + "]";
        if (!object(v, prefix, "各层墙体")) return false;
        for (const auto& [key, value] : v.items()) {
            const StoreyField* f = fieldNamed<StoreyField>(model::kStoreyFields, key);
            if (f == nullptr)
                return unknown(prefix + "." + key, "（各层可用 thickness、c1、c2、qrf）");
            if (!number(value, prefix + "." + key, keyIn(model::kStoreyKeys, key)->label,
                        s.*(f->field)))
                return false;
        }
        return required(v, model::kStoreyKeys, prefix + ".");
    }
    bool storeys(const Json& v, WallModel& m, const ModelKey& k) {
        if (!v.is_array())
            return refuse("storeys", k.label, "应为各层对象的列表，如 [{\"thickness\": 300, …}]");
        m.storeys.resize(v.size());
        for (std::size_t i = 0; i < v.size(); ++i) {
            if (!storey(v[i], m.storeys[i], i)) return false;
        }
        return true;
    }
    bool project(const Json& v, WallModel& m, const ModelKey& k) {
        if (!object(v, "project", k.label)) return false;
        for (const auto& [key, value] : v.items()) {
            const model::TitleField* field = nullptr;
            for (const model::TitleField& f : model::kTitleFields) {
                if (f.key == key) field = &f;
            }
            if (field == nullptr) {
                return unknown("project." + key,
                               "（计算书信息可用 project、wall、designer、checker、reviewer）");
            }
            if (!value.is_string()) return refuse("project." + key, field->label, "应为文字");
            m.project.*(field->field) = value.get<std::string>();
        }
        return true;
    }
    bool panel(const Json& v, WallModel& m, const ModelKey& k) {
        if (!object(v, "panel", k.label)) return false;
        model::Panel p;
        for (const auto& [key, value] : v.items()) {
            const std::string name = "panel." + key;
            const ModelKey* pk = keyIn(model::kPanelKeys, key);
            if (pk == nullptr) return unknown(name, "（panel 可用 width、left、right）");
            const auto* n = fieldNamed<model::PanelNumberField>(model::kPanelNumberFields, key);
            const auto* t = fieldNamed<model::PanelNameField>(model::kPanelNameFields, key);
            const bool ok = n != nullptr   ? number(value, name, pk->label, p.*(n->field))
                            : t != nullptr ? text(value, name, pk->label, p.*(t->field))
                                           : unknown(name, "（panel 可用 width、left、right）");
            if (!ok) return false;
        }
        if (!required(v, model::kPanelKeys, "panel.")) return false;
        m.panel = std::move(p);
        return true;
    }

    bool value(const Json& v, WallModel& m, const ModelKey& k) {
        const std::string key(k.key);
        if (const auto* f = fieldNamed<NumberField>(model::kNumberFields, k.key)) {
            return number(v, key, k.label, m.*(f->field));
        }
        if (const auto* f = fieldNamed<OptionalField>(model::kOptionalFields, k.key)) {
            double x = 0;
            if (!number(v, key, k.label, x)) return false;
            m.*(f->field) = x;
            return true;
        }
        if (const auto* f = fieldNamed<NameField>(model::kNameFields, k.key)) {
            return text(v, key, k.label, m.*(f->field));
        }
        if (k.key == "slabs") return slabs(v, m, k);
        if (k.key == "storeys") return storeys(v, m, k);
        if (k.key == "project") return project(v, m, k);
        return panel(v, m, k);
    }
};

}  // namespace

std::variant<WallModel, ModelRefusal> readModelObject(const Json& in, FormatKey format) {
    Reader r;
    WallModel m;
    if (!in.is_object()) {
        r.refuse("model", {}, "不是一个JSON对象（应为 {\"ground\": …, \"slabs\": […], …}）");
        return ModelRefusal{{*r.refused}};
    }
    const auto f = in.find("format");
    const bool formatted = f != in.end() && f->is_string() && f->get<std::string>() == kModelFormat;
    if (f == in.end() ? format == FormatKey::Required : !formatted) {
        r.refuse("format", {}, "应为" + inQuotes(kModelFormat) + "（墙体模型文件）");
        return ModelRefusal{{*r.refused}};
    }
    for (const auto& [key, value] : in.items()) {
        if (key == "format") continue;
        const ModelKey* k = keyIn(model::kModelKeys, key);
        if (k == nullptr) {
            r.unknown(key, "（可用的键见 README 的墙体模型一节）");
            break;
        }
        if (!r.value(value, m, *k)) break;
    }
    if (!r.refused) r.required(in, model::kModelKeys, "");
    if (r.refused) return ModelRefusal{{*r.refused}};
    return m;
}

std::variant<WallModel, ModelRefusal> readModelText(std::string_view text, FormatKey format) {
    const Json in = Json::parse(text, nullptr, false);
    if (in.is_discarded()) {
        return ModelRefusal{{{"model", "不是有效的JSON（墙体模型应为一个JSON对象）"}}};
    }
    return readModelObject(in, format);
}

}  // namespace wallcalc::cli
