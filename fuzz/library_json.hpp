#pragma once
// The press's JSON line as the JSON library writes it: an ordered object dumped with
// dump(-1, ' ', false, replace). The session writes the same bytes by hand; the session
// fuzzer and session_json_test hold it to this.
#include <nlohmann/json.hpp>
#include <string>

#include "wallcalc/cli/session.hpp"
#include "wallcalc/engine/check_fields.hpp"
#include "wallcalc/engine/number_input.hpp"
#include "wallcalc/engine/press.hpp"
#include "wallcalc/report/number_text.hpp"

namespace wallcalc::fuzz {

// The supplementary design as the library's object: each value of the table under its
// group, in the table's order; a number rounded to three decimals as its text reads.
inline nlohmann::ordered_json libraryChecksJson(const PressResult& press) {
    using Json = nlohmann::ordered_json;
    if (!press.checks) return nullptr;
    Json out = Json::object();
    for (const CheckField& field : checkFields()) {
        const CheckValue value = field.of(*press.checks);
        Json json;
        if (std::holds_alternative<std::monostate>(value)) continue;
        if (const float* f = std::get_if<float>(&value)) {
            const auto shown = toNumber(report::singleText(*f));
            json = shown ? Json(*shown) : Json(nullptr);
        } else {
            std::visit(
                [&json](const auto& v) {
                    if constexpr (!std::is_same_v<std::decay_t<decltype(v)>, std::monostate>)
                        json = v;
                },
                value);
        }
        if (field.group.empty()) {
            out[std::string(field.key)] = std::move(json);
        } else {
            out[std::string(field.group)][std::string(field.key)] = std::move(json);
        }
    }
    return out;
}

inline std::string libraryPressJson(const PressResult& press) {
    using Json = nlohmann::ordered_json;
    Json out;
    out["completed"] = press.completed();
    out["basis"] = press.basis() == Basis::Gb2010 ? "2010" : "2002";
    Json messages = Json::array();
    for (const auto& m : press.messages) {
        messages.push_back(Json{{"title", m.title}, {"text", m.text}});
    }
    out["messages"] = std::move(messages);
    const Json boxes = Json{
        {"MBk", press.text(Box::Text6)},   {"As", press.text(Box::Text7)},
        {"bars", press.text(Box::Text19)}, {"crackAs", press.text(Box::Text9)},
        {"Wmax", press.text(Box::Text11)}, {"crackBars", press.text(Box::Text18)},
    };
    if (press.completed()) {
        out["results"] = boxes;
    } else {
        out["results"] = nullptr;
        out["boxes"] = boxes;
    }
    out["report"] = press.report();
    out["checks"] = libraryChecksJson(press);
    if (press.verdict) {
        Json failed = Json::array();
        for (const design::Failure& f : press.verdict->failed) {
            failed.push_back(Json{{"check", design::checkName(f.check).key}, {"text", f.text}});
        }
        out["verdict"] = Json{{"ok", press.verdict->ok()}, {"failed", std::move(failed)}};
    } else {
        out["verdict"] = nullptr;
    }
    return out.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace wallcalc::fuzz
