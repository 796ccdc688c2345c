#include "model_command.hpp"

#include <cstdio>
#include <iostream>

#include "exit_status.hpp"
#include "line_input.hpp"
#include "wallcalc/cli/model_json.hpp"
#include "wallcalc/cli/sheet_writer.hpp"
#include "wallcalc/cli/texts.hpp"
#include "wallcalc/model/model_text.hpp"

namespace wallcalc::cli {
namespace {

int notSatisfied(const model::ModelPress& press) {
    return refuse(kNotSatisfied, "设计不满足规范要求：" + press.design->verdict.names());
}

}  // namespace

int runModelCommand(const char* program, const CommandLine& line) {
    auto read = loadModelFile(*line.value("model"));
    if (const auto* why = std::get_if<std::string>(&read)) return refuse(kUsage, *why);
    const model::WallModel& m = std::get<model::WallModel>(read);

    std::unique_ptr<SheetWriter> sheet;
    if (line.has("pdf")) {
        std::string why;
        sheet = openSheetWriter(program, line.has("date") ? *line.value("date") : "", why);
        if (!sheet) return refuse(kUsage, why);
    }

    const model::ModelPress press = model::pressModel(m);
    if (!press.completed()) {
        for (const model::Problem& p : press.problems)
            std::cerr << "wallcalc-cli：" << p.message << '\n';
        if (line.has("json")) std::cout << modelAnswerJson(press, m) << '\n';
        return kUsage;
    }
    if (line.has("json")) {
        std::cout << modelAnswerJson(press, m) << '\n';
    } else {
        std::cout << model::modelText(m, press);
    }
    if (sheet) {
        const SheetOutcome written = sheet->writeModel(m, press, *line.value("pdf"));
        if (written.failure) return refuse(kEndedEarly, *written.failure);
        if (!written.warning.empty()) std::cerr << "wallcalc-cli：" << written.warning << '\n';
    }
    return press.satisfied() ? kCompleted : notSatisfied(press);
}

int runModelBatchCommand(const CommandLine& line) {
    LineInput in(*line.value("model-batch"));
    if (in.refusal()) return *in.refusal();
    std::string text;
    std::size_t refused = 0, failing = 0;
    while (in.next(text)) {
        const ModelAnswer a = answerModelText(text);
        std::fwrite(a.json.data(), 1, a.json.size(), stdout);
        std::fputc('\n', stdout);
        // A program that writes a model and waits has its answer at once.
        if (!in.readAhead()) std::fflush(stdout);
        if (!a.understood) {
            ++refused;
            std::cerr << "wallcalc-cli：第" << in.number() << "行：" << a.problem << '\n';
        } else if (!a.satisfied) {
            ++failing;
        }
    }
    std::fflush(stdout);
    if (const auto failure = in.readFailure()) return *failure;
    if (refused > 0) {
        return refuse(kUsage, std::to_string(refused) + "行的墙体模型输入有误，未计算");
    }
    if (failing > 0) {
        return refuse(kNotSatisfied, std::to_string(failing) + "行的设计不满足规范要求");
    }
    return kCompleted;
}

}  // namespace wallcalc::cli
