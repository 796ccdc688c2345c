#include "wallcalc/cli/session.hpp"

#include <limits>
#include <nlohmann/json.hpp>
#include <vector>

#include "wallcalc/engine/utf8.hpp"

namespace wallcalc::cli {
namespace {

using Json = nlohmann::ordered_json;

constexpr BoxKey kInputKeys[] = {
    {"h1", Box::Text1},   {"h2", Box::Text2},  {"h3", Box::Text3},       {"h4", Box::Text16},
    {"h5", Box::Text4},   {"c1", Box::Text13}, {"c2", Box::Text17},      {"gamma", Box::Text14},
    {"qfj", Box::Text15}, {"eta", Box::Text5}, {"spacing", Box::Text10}, {"limit", Box::Text8},
    {"qrf", Box::Text20},
};

constexpr BoxKey kResultKeys[] = {
    {"MBk", Box::Text6},     {"As", Box::Text7},    {"bars", Box::Text19},
    {"crackAs", Box::Text9}, {"Wmax", Box::Text11}, {"crackBars", Box::Text18},
};

constexpr ListKey kListKeys[] = {
    {"concrete", List::Combo1, concretePosition},
    {"steel", List::Combo2, steelPosition},
    {"case", List::Combo3, casePosition},
};

const ListKey* listKey(std::string_view key) {
    for (const auto& k : kListKeys) {
        if (k.key == key) return &k;
    }
    return nullptr;
}

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

// A string as the JSON library writes it with dump(-1, ' ', false, replace): quotes,
// backslashes and control characters escaped, everything else as it stands. A text
// that is not valid UTF-8 (which no box or message of a run holds) is left to the
// library, which replaces what it cannot read.
void appendJsonString(std::string& out, std::string_view s) {
    const std::size_t start = out.size();
    out += '"';
    std::size_t plain = 0;  // start of the run of bytes copied as they stand
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c >= 0x80) {
            const std::size_t length = utf8CharacterLength(s, i);
            if (length == 0) {
                out.resize(start);
                out += Json(std::string(s)).dump(-1, ' ', false, Json::error_handler_t::replace);
                return;
            }
            i += length;
            continue;
        }
        if (c >= 0x20 && c != '"' && c != '\\') {
            ++i;
            continue;
        }
        out.append(s.data() + plain, i - plain);
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\f':
                out += "\\f";
                break;
            case '\r':
                out += "\\r";
                break;
            default: {
                constexpr char kHex[] = "0123456789abcdef";
                out += "\\u00";
                out += kHex[c >> 4];
                out += kHex[c & 0xF];
            }
        }
        plain = ++i;
    }
    out.append(s.data() + plain, s.size() - plain);
    out += '"';
}

std::string errorJson(const std::string& why) {
    Json out;
    out["error"] = why;
    return out.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace

std::span<const BoxKey> inputKeys() {
    return kInputKeys;
}

std::span<const BoxKey> resultKeys() {
    return kResultKeys;
}

std::span<const ListKey> listKeys() {
    return kListKeys;
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
    const std::string& report = window.boxText(Box::Text12);
    std::string out;
    out.reserve(report.size() + 512);
    out += R"({"completed":)";
    out += outcome.completed() ? "true" : "false";
    out += R"(,"messages":[)";
    bool first = true;
    for (const auto& m : window.messages()) {
        out += first ? R"({"title":)" : R"(,{"title":)";
        first = false;
        appendJsonString(out, m.title);
        out += R"(,"text":)";
        appendJsonString(out, m.text);
        out += '}';
    }
    out += R"(],"results":{)";
    first = true;
    for (const auto& r : kResultKeys) {
        if (!first) out += ',';
        first = false;
        out += '"';
        out += r.key;
        out += R"(":)";
        appendJsonString(out, window.boxText(r.box));
    }
    out += R"(},"report":)";
    appendJsonString(out, report);
    out += '}';
    return out;
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
        } else if (const ListKey* list = listKey(key)) {
            const auto position = listChoice(value, list->byName);
            if (!position) return errorJson("\"" + key + "\" is not an item of its list");
            selections.emplace_back(list->list, *position);
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
