// wallcalc-cli --model and --model-batch as a process: the exit status, what stands on
// standard output and which key standard error names. The figures themselves are the
// golden answers' (tests/golden/model), checked by an independent computation.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "cli_process.hpp"

namespace {

using wallcalc::testing::runCli;
using wallcalc::testing::scratchFolder;

// A two-storey wall that satisfies the codes; rows replace parts of it.
constexpr const char* kTwoStoreys =
    R"({"format": "wallcalc-model/1", "ground": 0.0, "water": -4.0, "slabs": [0.0, -3.6, -7.5],
        "storeys": [{"thickness": 300, "c1": 50, "c2": 30, "qrf": 0},
                    {"thickness": 400, "c1": 50, "c2": 30, "qrf": 0}],
        "concrete": "C30", "steel": "HRB400", "spacing": 150, "mode": "ordinary"})";

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

std::string written(const std::string& name, const std::string& text) {
    const std::string path = scratchFolder("model_command") + "/" + name;
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

struct ModelRow {
    const char* name;
    std::string model;              // the model file's text
    std::vector<std::string> args;  // after --model FILE
    int status;
    const char* out;  // what standard output holds ("" where nothing)
    const char* err;  // what standard error holds: the key at fault ("" where nothing)
};

class ModelFile : public testing::TestWithParam<ModelRow> {};

TEST_P(ModelFile, ExitStatusOutputAndTheKeyNamed) {
    const ModelRow& row = GetParam();
    std::vector<std::string> args = {"--model", written(row.name, row.model)};
    args.insert(args.end(), row.args.begin(), row.args.end());
    const auto r = runCli(args);
    EXPECT_EQ(r.status, row.status) << r.err;
    if (*row.out == '\0') {
        EXPECT_TRUE(r.out.empty() || r.out.find("\"analysis\"") == std::string::npos) << r.out;
    } else {
        EXPECT_NE(r.out.find(row.out), std::string::npos) << r.out.substr(0, 400);
    }
    if (*row.err == '\0') {
        EXPECT_EQ(r.err, "");
    } else {
        EXPECT_NE(r.err.find(row.err), std::string::npos) << r.err;
    }
}

// The two storeys' upper one alone: a wall of one storey, 3.6 m high.
std::string oneStorey() {
    return replaced(replaced(kTwoStoreys, "[0.0, -3.6, -7.5]", "[0.0, -3.6]"),
                    R"(,
                    {"thickness": 400, "c1": 50, "c2": 30, "qrf": 0})",
                    "");
}

const ModelRow kModelRows[] = {
    {"Satisfied", kTwoStoreys, {"--json"}, 0, R"("verdict":{"ok":true,"failed":[]})", ""},
    {"TextWithoutJson", kTwoStoreys, {}, 0, "结论：满足", ""},
    {"ThinWallExitsThree",
     replaced(kTwoStoreys, R"("thickness": 300)", R"("thickness": 200)"),
     {"--json"},
     3,
     R"("check":"thickness")",
     "设计不满足规范要求"},
    {"SlabsNotDecreasing", replaced(kTwoStoreys, "-3.6", "0.5"), {"--json"}, 2, "", "slabs[1]"},
    {"SixStoreys",
     replaced(kTwoStoreys, "[0.0, -3.6, -7.5]", "[0, -1, -2, -3, -4, -5, -6]"),
     {},
     2,
     "",
     "slabs"},
    {"ThicknessNotAboveTwiceTheCover",
     replaced(kTwoStoreys, R"("thickness": 400)", R"("thickness": 100)"),
     {},
     2,
     "",
     "storeys[1].thickness"},
    {"FreeTopOverPinnedBase",
     replaced(oneStorey(), R"("mode")", R"("top": "free", "base": "pinned", "mode")"),
     {},
     2,
     "",
     "base"},
    {"MissingKey", replaced(kTwoStoreys, R"("water": -4.0,)", ""), {}, 2, "", "water"},
    {"WrongType",
     replaced(kTwoStoreys, R"("spacing": 150)", R"("spacing": "150")"),
     {},
     2,
     "",
     "spacing"},
    {"UnknownKey", replaced(kTwoStoreys, R"("mode")", R"("mdoe": 1, "mode")"), {}, 2, "", "mdoe"},
    {"WithoutFormat",
     replaced(kTwoStoreys, R"("format": "wallcalc-model/1",)", ""),
     {},
     2,
     "",
     "format"},
    {"NotJson", "{\"ground\": 0,", {}, 2, "", "JSON"},
    {"UnknownSteel", replaced(kTwoStoreys, "HRB400", "HRB999"), {}, 2, "", "steel"},
    // A panel between side supports: designed both ways, or refused naming its key.
    {"PanelDesignedBothWays",
     replaced(kTwoStoreys, R"("mode")",
              R"("panel": {"width": 6, "left": "fixed", "right": "pinned"}, "mode")"),
     {"--json"},
     0,
     R"("horizontalSupport":{"M":)",
     ""},
    {"PanelWidthZero",
     replaced(kTwoStoreys, R"("mode")",
              R"("panel": {"width": 0, "left": "fixed", "right": "pinned"}, "mode")"),
     {"--json"},
     2,
     "",
     "panel.width"},
    {"PanelEdgeUnknown",
     replaced(kTwoStoreys, R"("mode")",
              R"("panel": {"width": 6, "left": "clamped", "right": "pinned"}, "mode")"),
     {},
     2,
     "",
     "panel.left"},
    {"PanelWidthNotANumber",
     replaced(kTwoStoreys, R"("mode")",
              R"("panel": {"width": "6", "left": "fixed", "right": "pinned"}, "mode")"),
     {},
     2,
     "",
     "panel.width"},
    {"PanelRightMissing",
     replaced(kTwoStoreys, R"("mode")", R"("panel": {"width": 6, "left": "fixed"}, "mode")"),
     {},
     2,
     "",
     "panel.right"},
    {"PanelFreeSidesFreeTopOverPinnedBase",
     replaced(
         oneStorey(), R"("mode")",
         R"("top": "free", "base": "pinned", "panel": {"width": 6, "left": "free", "right": "free"}, "mode")"),
     {},
     2,
     "",
     "base"},
    // Held at one side, the same storey stands as a plate where the strip would turn.
    {"PanelHeldAtASideFreeTopOverPinnedBase",
     replaced(
         oneStorey(), R"("mode")",
         R"("top": "free", "base": "pinned", "panel": {"width": 4, "left": "fixed", "right": "free"}, "mode")"),
     {"--json"},
     3,
     R"("analysis":{"storeys":[{"vertical":{"top":null,)",
     "设计不满足规范要求"},
    // A storey hundreds of kilometres high on a panel 4 m wide: its plate cannot be solved
    // in floating point, and the model is refused rather than computed.
    {"PanelStoreyFarTooHighForItsWidth",
     replaced(
         replaced(oneStorey(), "[0.0, -3.6]", "[888880.2, -3.6]"), R"("mode")",
         R"("top": "free", "base": "pinned", "panel": {"width": 4, "left": "pinned", "right": "free"}, "mode")"),
     {},
     2,
     "",
     "slabs"},
};

INSTANTIATE_TEST_SUITE_P(Rows, ModelFile, testing::ValuesIn(kModelRows),
                         [](const auto& info) { return std::string(info.param.name); });

// --model-batch: one answer line for every model line, the refused ones as {"error": …}
// naming their key, and the exit status of the worst line.
struct BatchRow {
    const char* name;
    std::vector<std::string> lines;
    int status;
    std::vector<const char*> answers;  // what each answer line holds
};

class ModelBatch : public testing::TestWithParam<BatchRow> {};

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        out.push_back(text.substr(start, end - start));
    return out;
}

std::string oneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

TEST_P(ModelBatch, OneAnswerLineEachAndTheWorstStatus) {
    const BatchRow& row = GetParam();
    std::string text;
    for (const std::string& line : row.lines)
        text += oneLine(line) + "\n";
    const auto r = runCli({"--model-batch", written(std::string(row.name) + ".jsonl", text)});
    EXPECT_EQ(r.status, row.status) << r.err;
    const std::vector<std::string> got = linesOf(r.out);
    ASSERT_EQ(got.size(), row.answers.size()) << r.out;
    for (std::size_t i = 0; i < got.size(); ++i)
        EXPECT_NE(got[i].find(row.answers[i]), std::string::npos)
            << "line " << i + 1 << ": " << got[i];
}

const BatchRow kBatchRows[] = {
    {"AllSatisfied", {kTwoStoreys, kTwoStoreys}, 0, {R"("ok":true)", R"("ok":true)"}},
    {"OneNotSatisfied",
     {kTwoStoreys, replaced(kTwoStoreys, R"("c1": 50, "c2": 30, "qrf": 0},)",
                            R"("c1": 40, "c2": 30, "qrf": 0},)")},
     3,
     {R"("ok":true)", R"("check":"cover")"}},
    {"ARefusedLineNamesItsKeyAndTheOthersAreAnswered",
     {replaced(kTwoStoreys, R"("concrete": "C30")", R"("concrete": "C10")"), kTwoStoreys,
      "not json"},
     2,
     {R"({"error":"concrete)", R"("ok":true)", R"({"error":")"}},
};

INSTANTIATE_TEST_SUITE_P(Rows, ModelBatch, testing::ValuesIn(kBatchRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
