// Batches through the real wallcalc-cli: a GB18030 file from Chinese Excel with the
// window's labels as headings, a sheet folder that cannot be made, outputs checked before
// the first row, and memory that stays flat however many rows there are.
#include <gtest/gtest.h>

#include <iconv.h>
#include <algorithm>

#include <filesystem>
#include <fstream>
#include <set>

#include "cli_process.hpp"
#include "wallcalc/cli/csv.hpp"

namespace {

namespace fs = std::filesystem;
using wallcalc::cli::CsvRecord;
using wallcalc::cli::csvRecord;
using wallcalc::testing::csvRecords;
using wallcalc::testing::filesIn;
using wallcalc::testing::readWhole;
using wallcalc::testing::runCli;
using wallcalc::testing::scratchFolder;

std::string toGb18030(const std::string& utf8) {
    const iconv_t converter = iconv_open("GB18030", "UTF-8");
    std::string out(utf8.size() * 2, '\0');
    char* in = const_cast<char*>(utf8.data());
    std::size_t inLeft = utf8.size();
    char* to = out.data();
    std::size_t toLeft = out.size();
    EXPECT_NE(iconv(converter, &in, &inLeft, &to, &toLeft), static_cast<std::size_t>(-1));
    iconv_close(converter);
    out.resize(out.size() - toLeft);
    return out;
}

// The same walls twice: with the session keys and values, and as an engineer types them
// in Chinese Excel, with the window's labels and the option and list texts.
struct Wall {
    std::string name, mode, modeText, kase, caseText, concrete, steel, steelText, h2, h5, qrf;
};
const Wall kWalls[] = {
    {"地下一层外墙", "ordinary", "非人防", "A", "情况A", "C30", "HRB400", "Ⅲ级(HRB400)", "", "350",
     ""},
    {"人防区外墙（北）", "civil-defence", "人防", "B", "情况B", "C35", "HRB335", "Ⅱ级(HRB335)",
     "-3.45", "400", "50"},
    {"车库 WQ-3", "ordinary", "非人防", "C", "情况C", "C25", "HPB235", "HPB235", "-7", "300", ""},
    {"标高不符", "ordinary", "非人防", "C", "情况C", "", "", "", "", "", ""},
};

std::string byKeys() {
    std::string text = csvRecord({"name", "mode", "case", "concrete", "steel", "h2", "h5", "qrf"});
    for (const Wall& w : kWalls)
        text += csvRecord({w.name, w.mode, w.kase, w.concrete, w.steel, w.h2, w.h5, w.qrf});
    return text;
}

std::string byLabels() {
    std::string text = csvRecord({"名称", "人防选择", "情况选择", "砼强度等级", "钢筋种类", "h2(m)",
                                  "墙厚度h5（mm）", "人防荷载(kN/m2)"});
    for (const Wall& w : kWalls) {
        text +=
            csvRecord({w.name, w.modeText, w.caseText, w.concrete, w.steelText, w.h2, w.h5, w.qrf});
    }
    return text;
}

TEST(ChineseExcel, AGb18030FileWithLabelsGivesTheResultsOfTheSameWallsByKeys) {
    const std::string folder = scratchFolder("gb18030");
    std::ofstream(folder + "/keys.csv", std::ios::binary) << byKeys();
    std::ofstream(folder + "/labels.csv", std::ios::binary) << toGb18030(byLabels());
    std::vector<std::string> sheets;
    if (WALLCALC_CLI_WRITES_PDF) sheets = {"--pdf-dir", folder + "/sheets"};
    const auto keys = runCli({"--batch", folder + "/keys.csv"});
    std::vector<std::string> args = {"--batch", folder + "/labels.csv", "--out",
                                     folder + "/out.csv"};
    args.insert(args.end(), sheets.begin(), sheets.end());
    const auto labels = runCli(args);
    ASSERT_EQ(labels.status, 1) << "the last wall ends early: " << labels.err;
    EXPECT_NE(labels.err.find("按GB18030（GBK）编码读入"), std::string::npos) << labels.err;

    const auto byKey = csvRecords(keys.out);
    const auto byLabel = csvRecords(readWhole(folder + "/out.csv"));
    ASSERT_EQ(byLabel.size(), std::size(kWalls) + 1);
    ASSERT_EQ(byKey.size(), byLabel.size());
    EXPECT_EQ(byLabel[0][6], "墙厚度h5（mm）") << "the headings as given, now in UTF-8";
    // The results, the status and the messages follow the eight input columns; the
    // labelled file's rows may end with the sheet's column.
    constexpr std::size_t kResults = 8;
    const auto kStatus = static_cast<std::size_t>(
        std::find(byLabel[0].begin(), byLabel[0].end(), "status") - byLabel[0].begin());
    for (std::size_t r = 1; r < byLabel.size(); ++r) {
        SCOPED_TRACE(kWalls[r - 1].name);
        EXPECT_EQ(byLabel[r][0], kWalls[r - 1].name) << "the name, in UTF-8";
        EXPECT_EQ(std::vector(byLabel[r].begin() + kResults, byLabel[r].begin() + kStatus + 2),
                  std::vector(byKey[r].begin() + kResults, byKey[r].end()));
    }
    EXPECT_EQ(byLabel[3][kStatus], "completed");
    EXPECT_EQ(byLabel[4][kStatus], "ended");
    if (WALLCALC_CLI_WRITES_PDF) {
        EXPECT_EQ(
            filesIn(folder + "/sheets"),
            (std::set<std::string>{"地下一层外墙.pdf", "人防区外墙（北）.pdf", "车库 WQ-3.pdf"}));
        EXPECT_EQ(byLabel[1].back(), "地下一层外墙.pdf");
    }
}

#if WALLCALC_CLI_WRITES_PDF

// The sheet folder is a file: every row is computed and written, each completed row says
// why it has no sheet, and the exit status tells that not every output was written.
TEST(BatchOutputs, ASheetFolderThatIsAFileLosesNoResult) {
    const std::string folder = scratchFolder("folder-is-a-file");
    std::ofstream(folder + "/walls.csv") << byKeys();
    std::ofstream(folder + "/X") << "a file";
    const auto run = runCli(
        {"--batch", folder + "/walls.csv", "--out", folder + "/r.csv", "--pdf-dir", folder + "/X"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("不能写出计算书：“" + folder + "/X”是一个文件，不是文件夹"),
              std::string::npos)
        << run.err;
    const auto out = csvRecords(readWhole(folder + "/r.csv"));
    ASSERT_EQ(out.size(), std::size(kWalls) + 1);
    EXPECT_EQ(out[0].back(), "sheet");
    const auto status = std::find(out[0].begin(), out[0].end(), "status") - out[0].begin();
    for (std::size_t r = 1; r < out.size(); ++r) {
        const bool completed = out[r][static_cast<std::size_t>(status)] == "completed";
        EXPECT_EQ(out[r].back(),
                  completed ? "未写出：“" + folder + "/X”是一个文件，不是文件夹" : "")
            << r;
    }
    EXPECT_EQ(filesIn(folder), (std::set<std::string>{"walls.csv", "X", "r.csv"}));
}

#endif

struct CheckedFirst {
    const char* name;
    const char* input;
    std::string out;  // under the scratch folder
    int status;
    const char* says;
};

class OutputsCheckedFirst : public testing::TestWithParam<CheckedFirst> {};

// Nothing is computed, and nothing is left behind, when the batch cannot be written or
// its header is not understood.
TEST_P(OutputsCheckedFirst, BeforeAnyRowIsComputed) {
    const std::string folder = scratchFolder("checked-first");
    fs::create_directory(folder + "/a-folder");
    std::ofstream(folder + "/walls.csv") << GetParam().input;
    const auto run = runCli({"--batch", folder + "/walls.csv", "--out", folder + GetParam().out});
    EXPECT_EQ(run.status, GetParam().status);
    EXPECT_NE(run.err.find(GetParam().says), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("共 "), std::string::npos) << "no row was computed";
    EXPECT_EQ(filesIn(folder), (std::set<std::string>{"walls.csv", "a-folder"}));
}

INSTANTIATE_TEST_SUITE_P(Rows, OutputsCheckedFirst,
                         testing::Values(CheckedFirst{"ResultsInAMissingFolder", "mode\nordinary\n",
                                                      "/missing/r.csv", 1, "无法写入结果文件"},
                                         CheckedFirst{"ResultsOntoAFolder", "mode\nordinary\n",
                                                      "/a-folder", 1, "这是一个文件夹，不是文件"},
                                         CheckedFirst{"HeaderNotUnderstood",
                                                      "mode,thickness\nordinary,350\n", "/r.csv", 2,
                                                      "第1行第2列（thickness）：不是可识别的列名"}),
                         [](const auto& info) { return std::string(info.param.name); });

// Rows are read, computed and written one by one: the memory a batch takes does not grow
// with its rows.
TEST(BatchOutputs, MemoryStaysFlatWhateverTheNumberOfRows) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "AddressSanitizer keeps freed memory in quarantine: no measure of the program";
#endif
    const std::string folder = scratchFolder("memory");
    const auto peak = [&](std::size_t rows) {
        std::ofstream file(folder + "/walls.csv", std::ios::binary);
        file << "name,mode,case,concrete,steel,h5,spacing,qrf\n";
        for (std::size_t i = 0; i < rows; ++i) {
            file << "WQ-" << i << (i % 2 ? ",ordinary,A,C30,HRB400," : ",civil-defence,B,C35,,")
                 << 300 + i % 5 * 25 << ",150," << (i % 2 ? "" : "50") << "\n";
        }
        file.close();
        const auto run = runCli({"--batch", folder + "/walls.csv", "--out", folder + "/r.csv"});
        EXPECT_EQ(run.status, 1) << "the civil-defence walls of case B end early: " << run.err;
        return run.maxRssKb;
    };
    const long few = peak(1000);
    const long many = peak(200000);
    EXPECT_LT(many, few + 20 * 1024) << "KB for 1000 rows: " << few;
    EXPECT_LT(many, 100 * 1024);
}

}  // namespace
