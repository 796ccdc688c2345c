// libFuzzer target for the command line's session: each line of the input is a session
// line for one window. Whatever the line, the answer is one JSON object: {"error": …}
// for a line that is not understood, or the press, whose messages all have the title
// "友情提示:" and whose bytes are those the JSON library writes for the same press, and
// whose verdict holds what a script reads from it.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "library_json.hpp"
#include "wallcalc/cli/session.hpp"
#include "wallcalc/design/verdict.hpp"

namespace {

using namespace wallcalc;
using Json = nlohmann::ordered_json;

constexpr int kMaxLines = 16;

[[noreturn]] void fail(std::string_view line, std::string_view why, std::string_view answer) {
    std::fprintf(stderr, "\n== session line: %.*s\n== %.*s\n== answer: %.*s\n",
                 static_cast<int>(line.size()), line.data(), static_cast<int>(why.size()),
                 why.data(), static_cast<int>(answer.size()), answer.data());
    std::abort();
}

bool isCheckKey(const Json& key) {
    const auto names = design::checkNames();
    return key.is_string() && std::any_of(names.begin(), names.end(), [&](const auto& n) {
               return key.get<std::string>() == n.key;
           });
}

// The JSON's verdict, read as a script reads it: null with "results" and "checks" null for a
// press that did not complete; else "ok" true exactly when "failed" is empty, each failure a
// check key of the verdict's table with a text; and all of it what the press's verdict says.
void checkVerdict(std::string_view line, const PressResult& press, const Json& parsed,
                  const std::string& written) {
    const Json& verdict = parsed["verdict"];
    if (!press.completed()) {
        if (!verdict.is_null() || !parsed["results"].is_null() || !parsed["checks"].is_null())
            fail(line, "a press that did not complete has a verdict, results or checks", written);
        return;
    }
    if (!press.verdict || !verdict.is_object() || !parsed["results"].is_object() ||
        !verdict["ok"].is_boolean() || !verdict["failed"].is_array())
        fail(line, "a completed press has no verdict or no results", written);
    const Json& failedJson = verdict["failed"];
    if (verdict["ok"].get<bool>() != failedJson.empty())
        fail(line, "the verdict's ok disagrees with its failures", written);
    for (const Json& entry : failedJson) {
        if (!isCheckKey(entry["check"]) || !entry["text"].is_string() ||
            entry["text"].get<std::string>().empty())
            fail(line, "a failure without a known check key or without a text", written);
    }
    const auto& failed = press.verdict->failed;
    if (failedJson.size() != failed.size())
        fail(line, "the verdict's failures differ from the press's", written);
    for (std::size_t i = 0; i < failed.size(); ++i) {
        // A text is compared as written: one that quotes a typed text that is not UTF-8 has
        // what the library replaced.
        const Json& entry = failedJson[i];
        const std::string text =
            Json(failed[i].text).dump(-1, ' ', false, Json::error_handler_t::replace);
        if (entry["check"] != design::checkName(failed[i].check).key ||
            entry["text"].dump() != text)
            fail(line, "a failure in the JSON differs from the press's", written);
    }
}

void check(std::string_view line, const cli::SessionAnswer& answer) {
    const std::string written = cli::answerJson(answer);
    const Json parsed = Json::parse(written, nullptr, false);
    if (parsed.is_discarded() || !parsed.is_object()) fail(line, "not a JSON object", written);
    if (std::holds_alternative<cli::ModelSessionAnswer>(answer)) {
        // A wall model's line: its analysis, design and verdict.
        for (const char* key : {"analysis", "design", "verdict"}) {
            if (!parsed.contains(key)) fail(line, "a model's answer without its parts", written);
        }
        return;
    }
    const auto* press = std::get_if<PressResult>(&answer);
    if (press == nullptr) {
        if (parsed.size() != 1 || !parsed["error"].is_string()) fail(line, "odd error", written);
        return;
    }
    for (const auto& m : parsed["messages"]) {
        if (m["title"] != std::string(kMessageTitle)) fail(line, "a message title", written);
    }
    checkVerdict(line, *press, parsed, written);
    if (written != fuzz::libraryPressJson(*press)) {
        fail(line, "differs from the JSON library's bytes", written);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    WindowModel window;
    for (int i = 0; i < kMaxLines && !input.empty(); ++i) {
        const auto end = input.find('\n');
        const std::string_view line = input.substr(0, end);
        input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
        check(line, cli::sessionPress(window, line));
    }
    return 0;
}
