// libFuzzer target for the command line's session: each line of the input is a session
// line for one window. Whatever the line, the answer is one JSON object: {"error": …}
// for a line that is not understood, or the press, whose messages all have the title
// "友情提示:" and whose bytes are those the JSON library writes for the same press.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "library_json.hpp"
#include "wallcalc/cli/session.hpp"

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
