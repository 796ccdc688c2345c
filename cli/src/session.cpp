#include "wallcalc/cli/session.hpp"

#include <limits>
#include <nlohmann/json.hpp>
#include <vector>

namespace wallcalc::cli {
namespace {

using Json = nlohmann::ordered_json;

constexpr InputKey kInputKeys[] = {
    {"h1", Box::Text1},   {"h2", Box::Text2},  {"h3", Box::Text3},       {"h4", Box::Text16},
    {"h5", Box::Text4},   {"c1", Box::Text13}, {"c2", Box::Text17},      {"gamma", Box::Text14},
    {"qfj", Box::Text15}, {"eta", Box::Text5}, {"spacing", Box::Text10}, {"limit", Box::Text8},
    {"qrf", Box::Text20},
};

std::optional<Box> inputBox(std::string_view key) {
    for (const auto& k : kInputKeys) {
        if (k.key == key) return k.box;
    }
    return std::nullopt;
}

std::optional<int> itemPosition(List list, std::string_view name) {
    const auto items = listItems(list);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i] == name) return static_cast<int>(i);
    }
    return std::nullopt;
}

// A list choice in a session line: a name, or a position (any integer; −1 = none).
std::optional<int> listChoice(const Json& value, std::optional<int> (*byName)(std::string_view)) {
    if (value.is_string()) return byName(value.get_ref<const std::string&>());
    if (value.is_number_integer()) {
        const auto n = value.get<long long>();
        if (n >= std::numeric_limits<int>::min() && n <= std::numeric_limits<int>::max()) {
            return static_cast<int>(n);
        }
    }
    return std::nullopt;
}

std::string errorJson(const std::string& why) {
    Json out;
    out["error"] = why;
    return out.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace

std::span<const InputKey> inputKeys() {
    return kInputKeys;
}

std::optional<int> concretePosition(std::string_view name) {
    return itemPosition(List::Combo1, name);
}

std::optional<int> steelPosition(std::string_view name) {
    if (auto full = itemPosition(List::Combo2, name)) return full;
    constexpr std::string_view shortNames[] = {"HPB235", "HRB335", "HRB400", "RRB400"};
    for (std::size_t i = 0; i < std::size(shortNames); ++i) {
        if (shortNames[i] == name) return static_cast<int>(i);
    }
    return std::nullopt;
}

std::optional<int> casePosition(std::string_view name) {
    if (auto full = itemPosition(List::Combo3, name)) return full;
    if (name == "A") return 0;
    if (name == "B") return 1;
    if (name == "C") return 2;
    return std::nullopt;
}

std::string pressJson(const HeadlessWindow& window, const RunOutcome& outcome) {
    Json out;
    out["completed"] = outcome.completed();
    Json messages = Json::array();
    for (const auto& m : window.messages()) {
        messages.push_back(Json{{"title", m.title}, {"text", m.text}});
    }
    out["messages"] = std::move(messages);
    out["results"] = Json{
        {"MBk", window.boxText(Box::Text6)},   {"As", window.boxText(Box::Text7)},
        {"bars", window.boxText(Box::Text19)}, {"crackAs", window.boxText(Box::Text9)},
        {"Wmax", window.boxText(Box::Text11)}, {"crackBars", window.boxText(Box::Text18)},
    };
    out["report"] = window.boxText(Box::Text12);
    return out.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string sessionLine(HeadlessWindow& window, std::string_view line) {
    const Json in = Json::parse(line, nullptr, false);
    if (in.is_discarded()) return errorJson("the line is not valid JSON");
    if (!in.is_object()) return errorJson("the line is not a JSON object");

    // Check every key before changing anything: a line that is not understood changes
    // nothing and presses nothing.
    std::optional<std::string> mode;
    std::vector<std::pair<Box, std::string>> typed;
    std::vector<std::pair<List, int>> selections;
    for (const auto& [key, value] : in.items()) {
        if (key == "mode") {
            if (!value.is_string() || (value != "ordinary" && value != "civil-defence")) {
                return errorJson("\"mode\" must be \"ordinary\" or \"civil-defence\"");
            }
            mode = value.get<std::string>();
        } else if (auto box = inputBox(key)) {
            if (!value.is_string()) return errorJson("\"" + key + "\" must be a string");
            typed.emplace_back(*box, value.get<std::string>());
        } else if (key == "concrete" || key == "steel" || key == "case") {
            const List list = key == "concrete" ? List::Combo1
                              : key == "steel"  ? List::Combo2
                                                : List::Combo3;
            const auto byName = key == "concrete" ? concretePosition
                                : key == "steel"  ? steelPosition
                                                  : casePosition;
            const auto position = listChoice(value, byName);
            if (!position) return errorJson("\"" + key + "\" is not an item of its list");
            selections.emplace_back(list, *position);
        } else {
            return errorJson("unknown key \"" + key + "\"");
        }
    }

    if (mode == "ordinary") window.clickOrdinary();
    if (mode == "civil-defence") window.clickCivilDefence();
    for (auto& [box, text] : typed)
        window.type(box, std::move(text));
    for (const auto& [list, position] : selections)
        window.select(list, position);

    window.clearMessages();
    const RunOutcome outcome = window.pressCompute();
    return pressJson(window, outcome);
}

}  // namespace wallcalc::cli
