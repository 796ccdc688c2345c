#pragma once
// The wall model as JSON: read from a model file ("format": "wallcalc-model/1"), a line of
// --model-batch or the "model" of a session line, with the keys of the model's tables;
// written as a model file; and the answer of a press ("analysis", "design", "verdict"), or
// why nothing was computed. A key is named as the JSON names it: "storeys[1].thickness".
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "wallcalc/model/model_press.hpp"

namespace wallcalc::cli {

inline constexpr std::string_view kModelFormat = "wallcalc-model/1";

// Why a model was not taken: the key at fault and the message that names it.
struct ModelRefusal {
    std::vector<model::Problem> problems;  // at least one
    const model::Problem& first() const { return problems.front(); }
};

// Whether the text must carry "format" (a model file) or may leave it out (a batch line).
enum class FormatKey { Required, Optional };

// The model a JSON text describes, or why not: a text that is not JSON, a key unknown or
// missing, a value of the wrong type. Its values are not judged here (see
// model::problems).
std::variant<model::WallModel, ModelRefusal> readModelText(std::string_view text,
                                                           FormatKey format = FormatKey::Optional);

// The model file of a model: "format" first, then the keys in the tables' order, every
// default written out (a key left out of the model, such as waterQuasi, stays out).
std::string modelFileText(const model::WallModel& model);

// A model file read and written; errors name the file and say why, in Chinese.
std::variant<model::WallModel, std::string> loadModelFile(const std::string& path);
std::optional<std::string> saveModelFile(const std::string& path, const model::WallModel& model);

// The answer of a press: {"analysis": …, "design": …, "verdict": …}; for a press with
// problems {"error": the first message, "problems": [{"key", "message"}, …]}.
std::string modelAnswerJson(const model::ModelPress& press, const model::WallModel& model);
// The same for a refusal.
std::string refusalJson(const ModelRefusal& refusal);

// One model text pressed and answered (a line of --model-batch).
struct ModelAnswer {
    std::string json;
    bool understood = false;  // the model was taken and computed
    bool satisfied = false;   // computed, and its design satisfies the codes
    std::string problem;      // the first problem's message, where not understood
};
ModelAnswer answerModelText(std::string_view text);

}  // namespace wallcalc::cli
