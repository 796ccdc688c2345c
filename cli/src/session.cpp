#include "wallcalc/cli/session.hpp"

#include <cmath>
#include <nlohmann/json.hpp>
#include <vector>

#include "json_writer.hpp"
#include "model_json_object.hpp"
#include "wallcalc/cli/texts.hpp"
#include "wallcalc/engine/changes.hpp"
#include "wallcalc/engine/check_fields.hpp"
#include "wallcalc/engine/number_input.hpp"
#include "wallcalc/report/number_text.hpp"

namespace wallcalc::cli {
namespace {

using Json = nlohmann::ordered_json;

// A list choice in a session line: a name, or a position as a whole number (written as
// a number or as a text).
std::optional<std::string> listValue(const Json& value) {
    if (value.is_string()) return value.get<std::string>();
    if (value.is_number_integer()) return value.dump();
    return std::nullopt;
}

// A value of the supplementary design, as the library writes it (nothing when the press has
// none). A number rounded to three decimals is written as the text shows it; a number out
// of range as null.
void appendCheckValue(std::string& out, const CheckValue& value) {
    std::visit(
        [&out](const auto& v) {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, double>) {
                appendJsonNumber(out, v);
            } else if constexpr (std::is_same_v<T, float>) {
                const auto shown = toNumber(report::singleText(v));
                if (shown) {
                    appendJsonNumber(out, *shown);
                } else {
                    out += "null";
                }
            } else if constexpr (std::is_same_v<T, bool>) {
                out += v ? "true" : "false";
            } else if constexpr (std::is_same_v<T, std::string>) {
                appendJsonString(out, v);
            } else if constexpr (std::is_same_v<T, std::vector<std::string>>) {
                out += '[';
                for (std::size_t i = 0; i < v.size(); ++i) {
                    if (i > 0) out += ',';
                    appendJsonString(out, v[i]);
                }
                out += ']';
            }
        },
        value);
}

// "key": as the library writes an object's key. The table's keys are names of letters
// alone, which JSON writes as they stand.
void appendKey(std::string& out, std::string_view key) {
    out += '"';
    out += key;
    out += R"(":)";
}

std::string errorJson(const std::string& why) {
    Json out;
    out["error"] = why;
    return out.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace

std::string pressJson(const PressResult& press) {
    const std::string& report = press.report();
    std::string out;
    // The calculation text's line ends escaped, the results, the supplementary design and
    // the verdict: about 1.5 KB beside the text.
    out.reserve(report.size() + report.size() / 16 + 2048);
    out += R"({"completed":)";
    out += press.completed() ? "true" : "false";
    out += R"(,"basis":")";
    out += basisKey(press.basis());
    out += R"(","messages":[)";
    bool first = true;
    for (const auto& m : press.messages) {
        out += first ? R"({"title":)" : R"(,{"title":)";
        first = false;
        appendJsonString(out, m.title);
        out += R"(,"text":)";
        appendJsonString(out, m.text);
        out += '}';
    }
    // A press that did not complete has no results: what its boxes show belongs, in part,
    // to an earlier wall, so it stands apart under "boxes".
    out += press.completed() ? R"(],"results":{)" : R"(],"results":null,"boxes":{)";
    first = true;
    for (const auto& r : resultBoxes()) {
        if (!first) out += ',';
        first = false;
        out += '"';
        out += r.key;
        out += R"(":)";
        appendJsonString(out, press.text(r.box));
    }
    out += R"(},"report":)";
    appendJsonString(out, report);
    out += R"(,"checks":)";
    appendChecksJson(out, press);
    out += R"(,"verdict":)";
    appendVerdictJson(out, press);
    out += '}';
    return out;
}

void appendVerdictJson(std::string& out, const PressResult& press) {
    if (!press.verdict) {
        out += "null";
        return;
    }
    const design::Verdict& v = *press.verdict;
    out += v.ok() ? R"({"ok":true,"failed":[)" : R"({"ok":false,"failed":[)";
    bool first = true;
    for (const design::Failure& f : v.failed) {
        out += first ? R"({"check":")" : R"(,{"check":")";
        first = false;
        out += design::checkName(f.check).key;
        out += R"(","text":)";
        appendJsonString(out, f.text);
        out += '}';
    }
    out += "]}";
}

void appendChecksJson(std::string& out, const PressResult& press) {
    if (!press.checks) {
        out += "null";
        return;
    }
    // An object as the library orders it: each key where it was first set. The values of a
    // group stand together in the table, so a group is opened at its first value the press
    // has and closed where the next group begins; a group without one is left out.
    out += '{';
    bool firstKey = true;
    std::string_view openGroup;
    bool groupOpen = false, firstInGroup = true;
    for (const CheckField& field : checkFields()) {
        const CheckValue value = field.of(*press.checks);
        if (groupOpen && field.group != openGroup) {
            out += '}';
            groupOpen = false;
        }
        if (std::holds_alternative<std::monostate>(value)) continue;
        if (!field.group.empty() && !groupOpen) {
            if (!firstKey) out += ',';
            firstKey = false;
            appendKey(out, field.group);
            out += '{';
            openGroup = field.group;
            groupOpen = true;
            firstInGroup = true;
        }
        bool& first = field.group.empty() ? firstKey : firstInGroup;
        if (!first) out += ',';
        first = false;
        appendKey(out, field.key);
        appendCheckValue(out, value);
    }
    if (groupOpen) out += '}';
    out += '}';
}

namespace {

// A {"model": {…}} line: the model pressed on its own, the window left as it is.
SessionAnswer modelPress(const Json& in) {
    if (in.size() != 1) {
        return SessionError{"含 \"model\" 的行只能有这一个键（墙体模型与窗口的输入不能同行）"};
    }
    auto read = readModelObject(in.front(), FormatKey::Optional);
    if (const auto* refused = std::get_if<ModelRefusal>(&read)) {
        return SessionError{"model." + refused->first().message};
    }
    const model::WallModel& m = std::get<model::WallModel>(read);
    const model::ModelPress press = model::pressModel(m);
    if (!press.completed()) return SessionError{"model." + press.problems.front().message};
    return ModelSessionAnswer{modelAnswerJson(press, m), press.satisfied()};
}

}  // namespace

SessionAnswer sessionPress(WindowModel& window, std::string_view line) {
    const Json in = Json::parse(line, nullptr, false);
    if (in.is_discarded()) return SessionError{"不是有效的JSON"};
    if (!in.is_object()) return SessionError{"不是一个JSON对象（应为 {\"键\": 值, …}）"};
    if (in.contains("model")) return modelPress(in);

    // Check every key before changing anything: a line that is not understood changes
    // nothing and presses nothing.
    Changes changes;
    for (const auto& [key, value] : in.items()) {
        const KeyKind kind = keyKind(key);
        if (kind == KeyKind::Unknown) {
            return SessionError{"未知的键" + inQuotes(key) + "（可用的键见 wallcalc-cli --help）"};
        }
        const std::optional<std::string> text = kind == KeyKind::List ? listValue(value)
                                                : value.is_string()   ? value.get<std::string>()
                                                                    : std::optional<std::string>();
        if (!text && kind == KeyKind::Input) {
            return SessionError{inQuotes(key) + "的值应为加引号的文字，如 \"" +
                                std::string(inputKeyed(key)->initial) + "\""};
        }
        const std::string shown = text ? *text : value.dump();
        const ChangeError error = text                    ? changes.set(key, *text)
                                  : kind == KeyKind::Mode ? ChangeError::BadMode
                                                          : ChangeError::NotAnItem;
        if (error != ChangeError::None) {
            return SessionError{inQuotes(key) + "：" + refusedValue(error, key, shown)};
        }
    }
    if (const ChangeFailure failed = changes.applyTo(window); failed.error != ChangeError::None) {
        return SessionError{inQuotes(failed.key) + "：" +
                            refusedValue(failed.error, failed.key, failed.value)};
    }
    return window.pressCompute();
}

std::string answerJson(const SessionAnswer& answer) {
    if (const auto* press = std::get_if<PressResult>(&answer)) return pressJson(*press);
    if (const auto* model = std::get_if<ModelSessionAnswer>(&answer)) return model->json;
    return errorJson(std::get<SessionError>(answer).why);
}

void nameLine(SessionAnswer& answer, std::size_t number) {
    if (auto* error = std::get_if<SessionError>(&answer))
        error->why = "第" + std::to_string(number) + "行：" + error->why;
}

std::string sessionLine(WindowModel& window, std::string_view line) {
    return answerJson(sessionPress(window, line));
}

}  // namespace wallcalc::cli
