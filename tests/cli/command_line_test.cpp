// The wallcalc-cli program itself: its output, exit status, session stream, options,
// help and wall files.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "cli_process.hpp"
#include "wallcalc/engine/changes.hpp"
#include "wallcalc/engine/project.hpp"

namespace {

using wallcalc::testing::runCli;
using wallcalc::testing::scratchFolder;

TEST(CommandLine, DefaultsInOrdinaryWorks) {
    const auto r = runCli({"--mode", "ordinary"});
    EXPECT_EQ(r.status, 3) << "the default wall does not carry its shear";
    EXPECT_NE(r.out.find("MBk（kN.m）：106.067\n"), std::string::npos);
    EXPECT_NE(r.out.find("结论：不满足（受剪）\n  B处受剪：V=204.639(kN)>Vc=191.1(kN)"),
              std::string::npos);
    EXPECT_NE(r.err.find("设计不满足规范要求：受剪"), std::string::npos);
    EXPECT_NE(r.out.find("Wmax（mm）：0.165\n"), std::string::npos);
    EXPECT_NE(r.out.find("\r\n    则实际所配钢筋为 18@200+20@200（依次类推）\n"),
              std::string::npos);
}

TEST(CommandLine, ExitStatus) {
    EXPECT_EQ(runCli({}).status, 1) << "no option clicked: the reminder";
    EXPECT_EQ(runCli({"--mode", "ordinary", "--case", "C"}).status, 1) << "elevations do not fit";
    EXPECT_EQ(runCli({"--mode", "civil-defence", "--qrf", "50", "--h5", "400", "--concrete", "C30",
                      "--steel", "HRB335"})
                  .status,
              0)
        << "completed and satisfied";
    EXPECT_EQ(runCli({"--mode=ordinary", "--h5=400"}).status, 0) << "a value after =";
    EXPECT_EQ(runCli({"--mode", "ordinary", "--h5", "200"}).status, 3)
        << "completed, the design does not satisfy the codes";
}

// A press that ends at the civil-defence reminder says, after it, which option it lacks;
// a session says so once, a batch once for all its rows; a press with a mode says nothing.
struct ReminderRow {
    const char* name;
    std::vector<std::string> args;  // "FILE" stands for the file below
    const char* file;
    const char* says;  // on standard error; nullptr: no word of --mode
    int status = 1;    // a session answers every line: 0
};

class Reminder : public testing::TestWithParam<ReminderRow> {};

TEST_P(Reminder, AsksForTheMode) {
    const std::string path = scratchFolder("reminder") + "/input";
    std::ofstream(path) << GetParam().file;
    std::vector<std::string> args = GetParam().args;
    std::replace(args.begin(), args.end(), std::string("FILE"), path);
    const auto r = runCli(args);
    EXPECT_EQ(r.status, GetParam().status);
    if (GetParam().says == nullptr) {
        EXPECT_EQ(r.err.find("--mode"), std::string::npos) << r.err;
        return;
    }
    EXPECT_NE(r.err.find(GetParam().says), std::string::npos) << r.err;
    const auto asked = [&](std::size_t from) { return r.err.find("--mode civil-defence", from); };
    ASSERT_NE(asked(0), std::string::npos) << r.err;
    EXPECT_EQ(asked(asked(0) + 1), std::string::npos) << "said once: " << r.err;
    EXPECT_NE(r.err.find("--mode ordinary"), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Reminder,
    testing::Values(
        ReminderRow{
            "Bare", {}, "", "注意人防选择，搞结构的要细心哟！\nwallcalc-cli：未指明人防选择"},
        ReminderRow{"OptionsButNoMode", {"--h5", "400", "--json"}, "", "未指明人防选择"},
        ReminderRow{"SessionLinesWithoutMode",
                    {"--session", "FILE"},
                    "{\"h5\": \"400\"}\n{}\n",
                    "第1行未指明人防选择：请在会话行中给出 \"mode\": \"ordinary\"",
                    0},
        ReminderRow{"BatchWithoutModeColumn",
                    {"--batch", "FILE"},
                    "h1\n-0.45\n-0.5\n",
                    "2 行未指明人防选择：请在“mode”（人防选择）列填"},
        ReminderRow{
            "ModeGivenButElevationsDoNotFit", {"--mode", "ordinary", "--case", "C"}, "", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

// A batch's exit status: 0 when every row completed and satisfies the codes, 3 when every
// row completed but some design does not satisfy them, 1 when any row did not complete
// (ended early, not understood, cut short), 2 when the file itself is not understood.
struct BatchStatusRow {
    const char* name;
    const char* file;
    int status;
};

class BatchStatus : public testing::TestWithParam<BatchStatusRow> {};

TEST_P(BatchStatus, SaysWhetherEveryRowCompleted) {
    const std::string path = scratchFolder("batch-status") + "/walls.csv";
    std::ofstream(path) << GetParam().file;
    const auto r = runCli({"--batch", path});
    EXPECT_EQ(r.status, GetParam().status) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BatchStatus,
    testing::Values(BatchStatusRow{"EveryRowCompletedAndSatisfied",
                                   "mode,h5,concrete\nordinary,300,C30\n人防,400,C15\n", 0},
                    BatchStatusRow{"ARowNotSatisfied", "mode,h5\nordinary,400\nordinary,300\n", 3},
                    BatchStatusRow{"ARowEndedEarlyBesideOneNotSatisfied",
                                   "mode,h5\nordinary,300\nordinary,abc\n", 1},
                    BatchStatusRow{"HeaderOnly", "mode,h5\n", 0},
                    BatchStatusRow{"ARowEndedEarly", "mode,h5\nordinary,300\nordinary,abc\n", 1},
                    BatchStatusRow{"ARowNotUnderstood", "mode,h5\nordinary,300\nboth,300\n", 1},
                    BatchStatusRow{"ARowCutShort", "mode,h5\nordinary,300\nordinary\n", 1},
                    BatchStatusRow{"ARowWithoutMode", "mode,h5\nordinary,300\n,300\n", 1},
                    BatchStatusRow{"HeaderNotUnderstood", "mode,thickness\nordinary,300\n", 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLine, JsonOfOnePress) {
    const auto r = runCli(
        {"--mode", "civil-defence", "--qrf", "50", "--case", "B", "--h2", "-3.45", "--json"});
    EXPECT_EQ(r.status, 3) << "shear at the base";
    EXPECT_NE(r.out.find(R"("MBk":"179.662")"), std::string::npos);
    EXPECT_NE(r.out.find(R"("verdict":{"ok":false,"failed":[{"check":"shear")"), std::string::npos);
    EXPECT_NE(r.out.find(R"("crackAs":" ")"), std::string::npos);
}

struct UsageRow {
    const char* name;
    std::vector<std::string> args;
    const char* says;
};

class UsageErrors : public testing::TestWithParam<UsageRow> {};

// Each is refused before anything is computed, in Chinese, with exit status 2.
TEST_P(UsageErrors, AreRefusedInChinese) {
    const auto r = runCli(GetParam().args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "wallcalc-cli：" + std::string(GetParam().says) + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, UsageErrors,
    testing::Values(
        UsageRow{"UnknownOption",
                 {"--thickness", "350"},
                 "未知的选项“--thickness”；全部选项见 wallcalc-cli --help"},
        UsageRow{
            "NoSuchMode",
            {"--mode", "sometimes"},
            "--mode：“sometimes”不是人防选择的值；应为 civil-defence、ordinary、人防 或 非人防"},
        UsageRow{"NoSuchCase",
                 {"--mode", "ordinary", "--case", "D"},
                 "--case：情况选择中没有“D”；可选 情况A、情况B、情况C（也可写 A、B、C），"
                 "或位置序号（0 为第一项）"},
        UsageRow{"ValueMissing", {"--mode", "ordinary", "--h1"}, "选项 --h1 后缺少文本"},
        UsageRow{"GivenTwice", {"--h1", "0", "--h1", "1"}, "选项 --h1 给出了两次"},
        UsageRow{
            "NotAnOption", {"ordinary"}, "多余的参数“ordinary”；选项以 -- 开头，如 --h1 -0.45"},
        UsageRow{"SwitchWithAValue", {"--json=yes"}, "选项 --json 不带值"},
        UsageRow{"BatchOptionAlone",
                 {"--out", "r.csv"},
                 "选项 --out 不能用于一次计算，只能用于批量计算（--batch）"},
        UsageRow{"SessionWithAnInput",
                 {"--session", "-", "--h1", "0"},
                 "选项 --h1 不能用于会话（--session），只能用于一次计算"},
        UsageRow{"DateWithoutASheet",
                 {"--mode", "ordinary", "--date", "2024-05-01"},
                 "选项 --date 是计算书上的日期，须与 --pdf 或 --pdf-dir 同用"},
        UsageRow{"OpenAMissingFile",
                 {"--open", "/nonexistent/w.wall"},
                 "无法打开“/nonexistent/w.wall”：文件或文件夹不存在"},
        UsageRow{"SessionOfAFolder", {"--session", "/"}, "无法读取“/”：这是一个文件夹，不是文件"},
        UsageRow{"BatchOfAFolder", {"--batch", "/"}, "无法读取“/”：这是一个文件夹，不是文件"},
        UsageRow{
            "ModelBatchOfAFolder", {"--model-batch", "/"}, "无法读取“/”：这是一个文件夹，不是文件"},
        UsageRow{"ModelBatchOfAMissingFile",
                 {"--model-batch", "/nonexistent/m.jsonl"},
                 "无法打开“/nonexistent/m.jsonl”：文件或文件夹不存在"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandLine, HelpListsEveryOptionAndVersionSaysTheVersion) {
    const auto help = runCli({"--help"});
    EXPECT_EQ(help.status, 0);
    std::vector<std::string> names = {"--json", "--pdf",     "--pdf-dir", "--date",
                                      "--open", "--save",    "--session", "--batch",
                                      "--out",  "--version", "--mode"};
    for (const auto& in : wallcalc::inputBoxes())
        names.push_back("--" + std::string(in.option) + " ");
    for (const auto& list : wallcalc::lists())
        names.push_back("--" + std::string(list.key) + " ");
    for (const auto& f : wallcalc::kProjectFields)
        names.push_back("--" + std::string(f.key) + " ");
    for (const auto& name : names)
        EXPECT_NE(help.out.find("  " + name), std::string::npos) << name;
    EXPECT_NE(help.out.find("用法："), std::string::npos);

    const auto version = runCli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "wallcalc-cli " WALLCALC_VERSION "\n");
}

TEST(CommandLine, SessionWritesOneLinePerLineAndNamesTheLineNotUnderstood) {
    const std::string path = scratchFolder("session") + "/session.jsonl";
    std::ofstream(path) << "{\"mode\": \"ordinary\"}\r\nnot json\n{\"case\": \"C\"}\n";
    const auto r = runCli({"--session", path});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 3);
    EXPECT_EQ(r.out.rfind("{\"completed\":true", 0), 0u);
    EXPECT_NE(r.out.find("\n{\"error\":\"第2行：不是有效的JSON\"}\n"), std::string::npos);
    EXPECT_NE(r.out.find("输入标高与实际情况不符"), std::string::npos);
}

// A wall saved with --save and opened with --open gives the same press, byte for byte.
struct WallRow {
    const char* name;
    std::vector<std::string> args;
};

class SaveThenOpen : public testing::TestWithParam<WallRow> {};

TEST_P(SaveThenOpen, ReproducesThePress) {
    const std::string file = scratchFolder("save-open") + "/wall.json";
    std::vector<std::string> saving = GetParam().args;
    saving.insert(saving.end(), {"--json", "--save", file});
    const auto saved = runCli(saving);
    const auto opened = runCli({"--open", file, "--json"});
    EXPECT_EQ(opened.status, saved.status) << opened.err;
    EXPECT_EQ(opened.out, saved.out);
    EXPECT_NE(saved.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SaveThenOpen,
    testing::Values(
        WallRow{"Defaults", {}}, WallRow{"Ordinary", {"--mode", "ordinary"}},
        WallRow{"CivilDefenceWithItsLoad",
                {"--mode", "人防", "--qrf", "50", "--case", "B", "--h2", "-3.45", "--steel", "2"}},
        WallRow{"ListsByPositionAndNone",
                {"--mode", "ordinary", "--concrete", "5", "--steel", "-1", "--case", "情况A"}},
        WallRow{"TypedAsTheEngineerTypedIt",
                {"--mode", "ordinary", "--h5", " 400.0", "--c2", "abc", "--limit", "0.25",
                 "--project", "某住宅", "--designer", "张三"}},
        WallRow{"EndsEarly", {"--mode", "ordinary", "--h5", "x"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WallFiles, OptionsAfterOpenOverrideTheFileAndTheProjectIsKept) {
    const std::string folder = scratchFolder("open-override");
    const auto first = runCli({"--mode", "ordinary", "--h5", "400", "--project", "某住宅",
                               "--checker", "李四", "--save", folder + "/a.json"});
    ASSERT_EQ(first.status, 0) << first.err;
    const auto second = runCli({"--open", folder + "/a.json", "--h5", "500", "--checker", "王五",
                                "--save", folder + "/b.json", "--json"});
    ASSERT_EQ(second.status, 0) << second.err;
    const auto direct = runCli({"--mode", "ordinary", "--h5", "500", "--json"});
    EXPECT_EQ(second.out, direct.out);
    const std::string b = wallcalc::testing::readWhole(folder + "/b.json");
    EXPECT_NE(b.find("\"h5\": \"500\""), std::string::npos) << b;
    EXPECT_NE(b.find("\"project\": \"某住宅\""), std::string::npos) << b;
    EXPECT_NE(b.find("\"checker\": \"王五\""), std::string::npos) << b;
}

TEST(WallFiles, AFileThatCannotBeSavedEndsTheRunBeforeThePress) {
    const auto r = runCli({"--mode", "ordinary", "--save", "/nonexistent/w.json"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("无法保存“/nonexistent/w.json”：文件或文件夹不存在"), std::string::npos)
        << r.err;
}

}  // namespace
