// wallcalc-cli: the calculation without a window.
//
//   wallcalc-cli [--mode …] [--case …] [--h1 TEXT] … [--json] [--pdf FILE] [--open FILE]
//                [--save FILE]
//   wallcalc-cli --session FILE|-
//   wallcalc-cli --batch walls.csv [--out results.csv] [--pdf-dir DIR]
//   wallcalc-cli --model wall.json [--json] [--pdf FILE]
//   wallcalc-cli --model-batch models.jsonl|-
// wallcalc-cli --help lists every option.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "batch_command.hpp"
#include "exit_status.hpp"
#include "line_input.hpp"
#include "model_command.hpp"
#include "options.hpp"
#include "wallcalc/cli/session.hpp"
#include "wallcalc/cli/sheet_writer.hpp"
#include "wallcalc/cli/texts.hpp"
#include "wallcalc/cli/wall_file.hpp"
#include "wallcalc/engine/changes.hpp"

namespace {

using namespace wallcalc;
using namespace wallcalc::cli;

// What a press that ends at the civil-defence reminder (neither option clicked) lacks,
// said on standard error after the reminder: once for a run, once for a session.
constexpr std::string_view kGiveTheMode =
    "未指明人防选择：请加上 --mode ordinary（非人防）或 --mode civil-defence（人防）";
constexpr std::string_view kGiveTheModeKey =
    "行未指明人防选择：请在会话行中给出 \"mode\": \"ordinary\"（非人防）或 "
    "\"mode\": \"civil-defence\"（人防），如同 --mode ordinary 或 --mode civil-defence";

// Room for the answers written together: some twenty-five answers of about 2.5 KB. Larger
// blocks measured slower: the copy into the file's pages then runs out of the CPU's cache.
constexpr std::size_t kAnswerBuffer = 64 * 1024;

int session(const std::string& path) {
    LineInput in(path);
    if (in.refusal()) return *in.refusal();
    // Answers are gathered in a large buffer and written when the lines read ahead are
    // answered: a file of lines is answered in large writes, while a program that writes one
    // line and waits for its answer has it at once, as nothing more was read ahead.
    // The buffer stays as long as the stream, which is flushed again at exit.
    static char answers[kAnswerBuffer];
    std::setvbuf(stdout, answers, _IOFBF, sizeof answers);
    WindowModel window;
    std::string line;
    bool modeAsked = false;
    while (in.next(line)) {
        SessionAnswer answer = sessionPress(window, line);
        nameLine(answer, in.number());
        const auto* press = std::get_if<PressResult>(&answer);
        if (press != nullptr && press->end == RunEnd::Reminder && !modeAsked) {
            std::cerr << "wallcalc-cli：第" << in.number() << kGiveTheModeKey << '\n';
            modeAsked = true;
        }
        const std::string out = answerJson(answer);
        std::fwrite(out.data(), 1, out.size(), stdout);
        std::fputc('\n', stdout);
        if (!in.readAhead()) std::fflush(stdout);
    }
    std::fflush(stdout);
    return in.readFailure().value_or(kCompleted);
}

// The two result frames as the window shows them, then the calculation text.
void printResults(const PressResult& press) {
    int frame = -1;
    for (const auto& r : resultBoxesAsShown()) {
        if (r.frame != frame) std::cout << frameCaption(frame = r.frame) << '\n';
        std::cout << "  " << r.label << press.text(r.box) << '\n';
    }
    if (press.verdict) {
        std::cout << "结论：" << press.verdict->line() << '\n';
        for (const design::Failure& f : press.verdict->failed)
            std::cout << "  " << f.text << '\n';
    }
    std::cout << '\n' << press.report() << '\n';
    if (press.checks) std::cout << '\n' << supplementaryText(press) << '\n';
}

// A window that has just opened, brought to the wall file of --open and then to the
// options given: the window's inputs and the sheet's title block. Why not, when a file or
// an option is not understood.
std::optional<std::string> prepare(const CommandLine& line, WindowModel& window,
                                   ProjectInfo& project) {
    if (const std::string* path = line.value("open")) {
        auto wall = loadWallFile(*path);
        if (auto* why = std::get_if<std::string>(&wall)) return *why;
        (void)std::get<Wall>(wall).changes.applyTo(window);  // read it on loading
        project = std::get<Wall>(wall).project;
    }
    Changes changes;
    for (const GivenOption& g : line.given) {
        if (g.option->kind != OptionKind::Change) continue;
        const ChangeError error = changes.set(g.option->key, g.value);
        if (error != ChangeError::None) {
            return "--" + g.option->name + "：" + refusedValue(error, g.option->key, g.value);
        }
    }
    const ChangeFailure failed = changes.applyTo(window);
    if (failed.error != ChangeError::None) {
        return "--" + failed.key + "：" + refusedValue(failed.error, failed.key, failed.value);
    }
    project = projectWithOptions(line, project);
    return std::nullopt;
}

// One calculation: the window's results and calculation text, or one JSON object.
int once(const char* program, const CommandLine& line) {
    WindowModel window;
    ProjectInfo project;
    if (const auto why = prepare(line, window, project)) return refuse(kUsage, *why);

    std::unique_ptr<SheetWriter> sheet;
    if (line.has("pdf")) {
        std::string why;
        sheet = openSheetWriter(program, line.has("date") ? *line.value("date") : "", why);
        if (!sheet) return refuse(kUsage, why);
    }
    if (const std::string* path = line.value("save")) {
        if (const auto failed = saveWallFile(*path, wallFileText(window, project))) {
            return refuse(kEndedEarly, *failed);
        }
    }

    const PressResult press = window.pressCompute();
    if (line.has("json")) {
        std::cout << pressJson(press) << '\n';
    } else {
        for (const auto& m : press.messages)
            std::cerr << m.title << ' ' << m.text << '\n';
        if (press.completed()) printResults(press);
    }
    if (press.end == RunEnd::Reminder) std::cerr << "wallcalc-cli：" << kGiveTheMode << '\n';
    if (!press.completed()) {
        if (sheet) refuse(kEndedEarly, "计算提前结束，没有写出计算书");
        return kEndedEarly;
    }
    if (sheet) {
        const SheetOutcome written = sheet->write(press, "", project, *line.value("pdf"));
        if (written.failure) return refuse(kEndedEarly, *written.failure);
        if (!written.warning.empty()) std::cerr << "wallcalc-cli：" << written.warning << '\n';
    }
    if (press.verdict && !press.verdict->ok()) {
        return refuse(kNotSatisfied, "设计不满足规范要求：" + press.verdict->names());
    }
    return kCompleted;
}

}  // namespace

int main(int argc, char** argv) {
    const auto parsed = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (const auto* why = std::get_if<std::string>(&parsed)) return refuse(kUsage, *why);
    const CommandLine& line = std::get<CommandLine>(parsed);
    if (line.has("help")) {
        printHelp(std::cout);
        return kCompleted;
    }
    if (line.has("version")) {
        std::cout << "wallcalc-cli " << WALLCALC_VERSION << '\n';
        return kCompleted;
    }
    if (line.run == kSession) return session(*line.value("session"));
    if (line.run == kBatch) return runBatchCommand(argv[0], line);
    if (line.run == kModel) return runModelCommand(argv[0], line);
    if (line.run == kModelBatch) return runModelBatchCommand(line);
    return once(argv[0], line);
}
