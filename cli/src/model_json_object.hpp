#pragma once
// Reading a wall model from an object the JSON library has parsed: for the session line's
// "model", and for the model texts of files and batches.
#include <nlohmann/json.hpp>
#include <variant>

#include "wallcalc/cli/model_json.hpp"

namespace wallcalc::cli {

std::variant<model::WallModel, ModelRefusal> readModelObject(const nlohmann::ordered_json& in,
                                                             FormatKey format);

}  // namespace wallcalc::cli
