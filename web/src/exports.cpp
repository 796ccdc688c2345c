// The functions the page calls: each takes texts as UTF-8 bytes with their length (a
// text may hold any character, NUL too, as a session file's line may) and numbers, and
// answers with a JSON text, which stays valid until the next call.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <string>
#include <vector>

#include "wallcalc/cli/input_text.hpp"
#include "wallcalc/design/verdict.hpp"
#include "wallcalc/engine/checks.hpp"
#include "wallcalc/engine/controls.hpp"
#include "web_batch.hpp"
#include "web_model.hpp"
#include "web_window.hpp"

namespace {

wallcalc::web::WebWindow& window() {
    static wallcalc::web::WebWindow w;
    return w;
}

wallcalc::web::WebBatch& batch() {
    static wallcalc::web::WebBatch b;
    return b;
}

wallcalc::web::WebModel& wallModel() {
    static wallcalc::web::WebModel m;
    return m;
}

const char* answer(std::string text) {
    static std::string last;
    last = std::move(text);
    return last.c_str();
}

// A press's outcome as the page reads it straight from memory, without JSON: whether it
// completed, the number of messages and each message's title and text, the result boxes
// in the order the window shows them, the calculation text, then the verdict (0 none, as
// for a press that did not complete, 1 满足, 2 不满足), its line and the number of failed
// checks with each one's text; each text as its address and length in bytes. It refers to
// the press the window keeps until its next press.
const std::uint32_t* pressTable(const wallcalc::PressResult& press) {
    static std::vector<std::uint32_t> table;
    static std::string verdictLine;
    table.clear();
    const auto put = [](std::string_view s) {
        table.push_back(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(s.data())));
        table.push_back(static_cast<std::uint32_t>(s.size()));
    };
    table.push_back(press.completed() ? 1 : 0);
    table.push_back(static_cast<std::uint32_t>(press.messages.size()));
    for (const wallcalc::Message& m : press.messages) {
        put(m.title);
        put(m.text);
    }
    for (const wallcalc::ResultBox& r : wallcalc::resultBoxesAsShown())
        put(press.text(r.box));
    put(press.report());
    const auto& verdict = press.verdict;
    table.push_back(!verdict ? 0 : verdict->ok() ? 1 : 2);
    verdictLine = verdict ? "结论：" + verdict->line() : std::string();
    put(verdictLine);
    table.push_back(verdict ? static_cast<std::uint32_t>(verdict->failed.size()) : 0);
    if (verdict) {
        for (const wallcalc::design::Failure& f : verdict->failed)
            put(f.text);
    }
    return table.data();
}

std::string_view text(const char* bytes, int length) {
    return {bytes, static_cast<std::size_t>(length)};
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* wc_describe() {
    return answer(wallcalc::web::describeWindow());
}

// Where the controls that grow stand in a window `extraWidth` × `extraHeight` pixels
// larger than the specified size, as the Qt window places them: [[name, left, top, width,
// height], …] in pixels, relative to their frame.
EMSCRIPTEN_KEEPALIVE const char* wc_grown(int extraWidth, int extraHeight) {
    return answer(wallcalc::web::grownPlaces(extraWidth, extraHeight));
}

EMSCRIPTEN_KEEPALIVE const char* wc_state() {
    return answer(window().state());
}

EMSCRIPTEN_KEEPALIVE int wc_type(const char* box, const char* typed, int length) {
    return window().type(box, std::string(text(typed, length))) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int wc_select(const char* list, int position) {
    return window().select(list, position) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void wc_click_option(int index) {
    window().clickOption(index);
}

EMSCRIPTEN_KEEPALIVE const std::uint32_t* wc_press() {
    return pressTable(window().press());
}

// The supplementary design's text of the last press, written when the page shows it
// (after the press is drawn: writing it takes longer than the press itself); empty when
// that press has none.
EMSCRIPTEN_KEEPALIVE const char* wc_checks_text() {
    return answer(wallcalc::supplementaryText(window().lastPress()));
}

EMSCRIPTEN_KEEPALIVE const char* wc_session(const char* line, int length) {
    return answer(window().session(text(line, length)));
}

EMSCRIPTEN_KEEPALIVE void wc_set_project(const char* key, const char* value, int length) {
    window().setProject(key, std::string(text(value, length)));
}

EMSCRIPTEN_KEEPALIVE const char* wc_wall_file() {
    return answer(window().wallFile());
}

EMSCRIPTEN_KEEPALIVE const char* wc_open_wall(const char* file, int length) {
    return answer(window().openWall(text(file, length)));
}

EMSCRIPTEN_KEEPALIVE const char* wc_sheet(const char* date) {
    return answer(window().sheet(date));
}

// ---- A batch of walls from a CSV file (see web_batch.hpp): the page decides the file's
// encoding with wc_is_utf8, as the command line does, and hands the text over as UTF-8.

EMSCRIPTEN_KEEPALIVE int wc_is_utf8(const char* bytes, int length) {
    return wallcalc::cli::isUtf8(text(bytes, length)) ? 1 : 0;
}

// Why a file that is neither UTF-8 nor GB18030 is refused, in the command line's words.
EMSCRIPTEN_KEEPALIVE const char* wc_not_a_text(const char* name, int length, int line) {
    return answer(
        wallcalc::cli::neitherUtf8NorGb18030(text(name, length), static_cast<std::size_t>(line)));
}

EMSCRIPTEN_KEEPALIVE const char* wc_batch_start(const char* csv, int length) {
    return answer(batch().start(std::string(text(csv, length))));
}

EMSCRIPTEN_KEEPALIVE const char* wc_batch_step(int rows) {
    return answer(batch().step(static_cast<std::size_t>(rows)));
}

EMSCRIPTEN_KEEPALIVE const char* wc_batch_finish() {
    return answer(batch().finish());
}

// The results CSV's bytes: where they stand and how many; valid until wc_batch_clear.
EMSCRIPTEN_KEEPALIVE const char* wc_batch_results() {
    return batch().results().data();
}

EMSCRIPTEN_KEEPALIVE int wc_batch_results_size() {
    return static_cast<int>(batch().results().size());
}

EMSCRIPTEN_KEEPALIVE void wc_batch_clear() {
    batch().clear();
}

// ---- The wall model (the 墙体模型 tab, see web_model.hpp): each takes the model's JSON
// text, as a model file or a line of --model-batch holds it.

EMSCRIPTEN_KEEPALIVE const char* wc_model_describe() {
    return answer(wallcalc::web::describeModel());
}

EMSCRIPTEN_KEEPALIVE const char* wc_model_press(const char* json, int length) {
    return answer(wallModel().press(text(json, length)));
}

EMSCRIPTEN_KEEPALIVE const char* wc_model_file(const char* json, int length) {
    return answer(wallModel().file(text(json, length)));
}

EMSCRIPTEN_KEEPALIVE const char* wc_model_open(const char* file, int length) {
    return answer(wallModel().open(text(file, length)));
}

EMSCRIPTEN_KEEPALIVE const char* wc_model_sheet(const char* date) {
    return answer(wallModel().sheet(date));
}

}  // extern "C"
