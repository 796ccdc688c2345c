#pragma once
// The press's JSON line as the JSON library writes it: an ordered object dumped with
// dump(-1, ' ', false, replace). The session writes the same bytes by hand; the session
// fuzzer and session_json_test hold it to this.
#include <nlohmann/json.hpp>
#include <string>

#include "wallcalc/cli/headless_window.hpp"

namespace wallcalc::fuzz {

inline std::string libraryPressJson(const HeadlessWindow& w, bool completed) {
    using Json = nlohmann::ordered_json;
    Json out;
    out["completed"] = completed;
    Json messages = Json::array();
    for (const auto& m : w.messages()) {
        messages.push_back(Json{{"title", m.title}, {"text", m.text}});
    }
    out["messages"] = std::move(messages);
    out["results"] = Json{
        {"MBk", w.boxText(Box::Text6)},   {"As", w.boxText(Box::Text7)},
        {"bars", w.boxText(Box::Text19)}, {"crackAs", w.boxText(Box::Text9)},
        {"Wmax", w.boxText(Box::Text11)}, {"crackBars", w.boxText(Box::Text18)},
    };
    out["report"] = w.boxText(Box::Text12);
    return out.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace wallcalc::fuzz
