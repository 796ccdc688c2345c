// libFuzzer target for the wall model's JSON (a model file, a line of --model-batch, the
// "model" of a session line). Whatever the bytes: a refusal names a key its message
// begins with; a model taken and refused by its checks names the key of each problem;
// a model computed has reactions that balance its load, finite figures, bars at least the
// steel they are chosen for, and its answer is one JSON object. A model taken is written
// as a model file and read back to the same file.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string_view>

#include "wallcalc/cli/model_json.hpp"

namespace {

using namespace wallcalc;
using Json = nlohmann::ordered_json;

[[noreturn]] void fail(std::string_view input, std::string_view why) {
    std::fprintf(stderr, "\n== model: %.*s\n== %.*s\n", static_cast<int>(input.size()),
                 input.data(), static_cast<int>(why.size()), why.data());
    std::abort();
}

// A problem names its key in its message; a text that is no JSON object at all is
// refused as a whole ("model"), with no key to name.
bool namesItsKey(const model::Problem& p) {
    if (p.key == "model") return true;
    return p.message.find(p.key) != std::string::npos;
}

void checkAnswer(std::string_view input, const std::string& answer) {
    const Json parsed = Json::parse(answer, nullptr, false);
    if (parsed.is_discarded() || !parsed.is_object()) fail(input, "the answer is not an object");
}

// The strip's reactions balance its load (a panel's plate is checked by its own tests).
void checkBalance(std::string_view input, const model::WallAnalysis& analysis) {
    const model::MemberAnalysis& k = analysis[model::Combination::Characteristic];
    double sum = 0;
    for (const double r : k.reactions())
        sum += r;
    if (!(std::fabs(sum - k.totalLoad()) <= 1e-9 * std::fmax(1.0, std::fabs(k.totalLoad())))) {
        fail(input, "the reactions do not balance the load");
    }
}

void checkDesign(std::string_view input, const model::ModelPress& press) {
    if (press.analysis) checkBalance(input, *press.analysis);
    for (const model::StoreyDesign& s : press.design->designed()) {
        for (const auto place : model::kFacePlaces) {
            const auto& f = s.face(place);
            if (!f || !f->provided) continue;
            const design::FaceDesign& g = f->governing().face;
            if (!std::isfinite(g.strength.As) || !std::isfinite(f->provided->area)) {
                fail(input, "a steel area that is not finite");
            }
            if (g.strengthOk() && f->provided->area < std::fmax(g.strength.As, g.AsMin)) {
                fail(input, "bars smaller than the steel they are chosen for");
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    auto read = cli::readModelText(input, cli::FormatKey::Optional);
    if (const auto* refused = std::get_if<cli::ModelRefusal>(&read)) {
        if (refused->problems.empty() || !namesItsKey(refused->first())) {
            fail(input, "a refusal that does not name its key");
        }
        checkAnswer(input, cli::refusalJson(*refused));
        return 0;
    }
    const model::WallModel& m = std::get<model::WallModel>(read);
    const std::string file = cli::modelFileText(m);
    const auto again = cli::readModelText(file, cli::FormatKey::Required);
    if (!std::holds_alternative<model::WallModel>(again) ||
        cli::modelFileText(std::get<model::WallModel>(again)) != file) {
        fail(input, "the model file does not read back as written");
    }
    const model::ModelPress press = model::pressModel(m);
    for (const model::Problem& p : press.problems) {
        if (!namesItsKey(p)) fail(input, "a problem that does not name its key");
    }
    if (press.completed()) checkDesign(input, press);
    checkAnswer(input, cli::modelAnswerJson(press, m));
    return 0;
}
