// Calculation sheets from the command line: --pdf for one calculation, --pdf-dir for the
// completed rows of a batch, and a clear refusal from a build without Qt.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "cli_process.hpp"
#include "wallcalc/cli/csv.hpp"

namespace {

namespace fs = std::filesystem;
using wallcalc::cli::CsvReader;
using wallcalc::testing::filesIn;
using wallcalc::testing::readWhole;
using wallcalc::testing::runCli;
using wallcalc::testing::scratchFolder;

const char* kWalls =
    "name,mode,case,h5\n"
    "W1,ordinary,A,\n"
    ",civil-defence,A,\n"
    "W1,ordinary,C,\n"    // water not below the base: ends early, no sheet
    "W1,ordinary,,300\n"  // a name given twice
    "a/b,ordinary,,\n"    // a folder in a name
    "W9,sometimes,,\n";   // not understood, no sheet

#if WALLCALC_CLI_WRITES_PDF

bool isPdf(const std::string& path) {
    const std::string text = readWhole(path);
    return text.starts_with("%PDF-") && text.find("%%EOF") != std::string::npos;
}

TEST(PdfOption, WritesTheSheetBesideTheUsualOutput) {
    const std::string folder = scratchFolder("pdf-one");
    const auto run = runCli({"--mode", "ordinary", "--h5", "400", "--pdf", folder + "/wall.pdf",
                             "--date", "2024-05-01"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("MBk（kN.m）：106.067\n"), std::string::npos);
    EXPECT_EQ(run.err, "") << "Qt's notes on the platform are not passed on";
    EXPECT_TRUE(isPdf(folder + "/wall.pdf"));
    EXPECT_EQ(filesIn(folder), std::set<std::string>{"wall.pdf"}) << "no temporary file left";
}

TEST(PdfOption, WorksWithoutADisplay) {
    const std::string folder = scratchFolder("pdf-no-display");
    const auto run =
        runCli({"--mode", "civil-defence", "--qrf", "50", "--pdf", folder + "/wall.pdf"}, true);
    EXPECT_EQ(run.status, 3) << "written, but the wall does not carry its shear: " << run.err;
    EXPECT_TRUE(isPdf(folder + "/wall.pdf"));
}

// A character no installed face has (a private-use one): the sheet is written, and standard
// error says which character did not print; in a batch, with the row, and the row's
// messages end with it.
TEST(PdfOption, ACharacterNoFaceHasIsSaid) {
    const std::string folder = scratchFolder("pdf-unprintable");
    const std::string said = "未能印出：U+E000“\uE000”";
    const auto one = runCli({"--mode", "ordinary", "--h5", "400", "--project", "轴线\uE000",
                             "--pdf", folder + "/wall.pdf"});
    EXPECT_EQ(one.status, 0) << one.err;
    EXPECT_TRUE(isPdf(folder + "/wall.pdf"));
    EXPECT_NE(one.err.find(said), std::string::npos) << one.err;

    std::ofstream(folder + "/walls.csv") << "name,mode,h5\nW1,ordinary,400\nW2,ordinary,400\n";
    const auto batch = runCli({"--batch", folder + "/walls.csv", "--project", "轴线\uE000",
                               "--pdf-dir", folder + "/sheets"});
    EXPECT_EQ(batch.status, 0) << batch.err;
    EXPECT_NE(batch.err.find("第3行，计算书“W2.pdf”：计算书中有已安装的字体都没有的字符，" + said),
              std::string::npos)
        << batch.err;
    CsvReader rows(batch.out);
    rows.next();  // the header
    for (int row = 0; row < 2; ++row) {
        const auto cells = rows.next();
        ASSERT_TRUE(cells.has_value());
        EXPECT_TRUE(cells->at(cells->size() - 2).ends_with(said)) << cells->at(cells->size() - 2);
    }
}

struct RefusedRow {
    const char* check;
    std::vector<std::string> args;
    int status;
    const char* says;
};

class PdfRefused : public testing::TestWithParam<RefusedRow> {};

// Each of these writes no file at all.
TEST_P(PdfRefused, WritesNothing) {
    const std::string folder = scratchFolder("pdf-refused");
    std::ofstream(folder + "/file") << "a regular file";
    std::vector<std::string> args;
    for (const std::string& a : GetParam().args)
        args.push_back(a.starts_with("@") ? folder + "/" + a.substr(1) : a);
    const auto run = runCli(args);
    EXPECT_EQ(run.status, GetParam().status) << run.err;
    EXPECT_NE(run.err.find(GetParam().says), std::string::npos) << run.err;
    EXPECT_EQ(filesIn(folder), std::set<std::string>{"file"});
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PdfRefused,
    testing::Values(
        RefusedRow{"RunEndedEarly", {"--pdf", "@wall.pdf"}, 1, "没有写出计算书"},
        RefusedRow{"FolderMissing",
                   {"--mode", "ordinary", "--pdf", "@missing/wall.pdf"},
                   1,
                   "missing/wall.pdf"},
        RefusedRow{
            "FolderIsAFile", {"--mode", "ordinary", "--pdf", "@file/wall.pdf"}, 1, "file/wall.pdf"},
        RefusedRow{"DateNotADate",
                   {"--mode", "ordinary", "--pdf", "@wall.pdf", "--date", "2024-13-01"},
                   2,
                   "YYYY-MM-DD"},
        RefusedRow{"DateWithoutPdf", {"--mode", "ordinary", "--date", "2024-05-01"}, 2, "--date"},
        RefusedRow{"PdfDirWithoutBatch", {"--mode", "ordinary", "--pdf-dir", "@d"}, 2, "pdf-dir"},
        RefusedRow{"PdfDirIsAFile",
                   {"--batch", "@file", "--pdf-dir", "@file"},
                   2,
                   "是一个文件，不是文件夹"}),
    [](const auto& info) { return std::string(info.param.check); });

TEST(PdfDir, OneSheetPerCompletedRowNamedFromItsName) {
    const std::string folder = scratchFolder("pdf-dir");
    std::ofstream(folder + "/walls.csv") << kWalls;
    const auto withSheets = runCli({"--batch", folder + "/walls.csv", "--pdf-dir",
                                    folder + "/sheets", "--date", "2024-05-01"});
    EXPECT_EQ(withSheets.status, 1)
        << "a row ended early, one is not understood: " << withSheets.err;
    EXPECT_EQ(filesIn(folder + "/sheets"),
              (std::set<std::string>{"W1.pdf", "2.pdf", "W1_4.pdf", "a_b.pdf"}));
    for (const auto& name : filesIn(folder + "/sheets"))
        EXPECT_TRUE(isPdf(folder + "/sheets/" + name)) << name;
    EXPECT_NE(withSheets.err.find("计算书写出 4 份，未写出 0 份"), std::string::npos)
        << withSheets.err;

    // The sheets change nothing in the results; they add the column that names them.
    const auto without = runCli({"--batch", folder + "/walls.csv"});
    CsvReader with(withSheets.out), plain(without.out);
    const std::vector<std::string> sheetCells = {"sheet",    "W1.pdf",  "2.pdf", "",
                                                 "W1_4.pdf", "a_b.pdf", ""};
    for (const auto& cell : sheetCells) {
        auto row = with.next();
        ASSERT_TRUE(row.has_value());
        EXPECT_EQ(row->back(), cell);
        row->pop_back();
        EXPECT_EQ(row, plain.next());
    }
    EXPECT_FALSE(with.next().has_value());
}

#else

TEST(PdfOption, ThisBuildSaysItCannotWritePdfs) {
    const std::string folder = scratchFolder("pdf-none");
    std::ofstream(folder + "/walls.csv") << kWalls;
    const auto one = runCli({"--mode", "ordinary", "--pdf", folder + "/wall.pdf"});
    EXPECT_EQ(one.status, 2);
    EXPECT_NE(one.err.find("不能写出PDF计算书"), std::string::npos) << one.err;
    EXPECT_EQ(one.out, "") << "nothing is calculated for a sheet that cannot be written";
    const auto batch = runCli({"--batch", folder + "/walls.csv", "--pdf-dir", folder + "/d"});
    EXPECT_EQ(batch.status, 2);
    EXPECT_NE(batch.err.find("不能写出PDF计算书"), std::string::npos) << batch.err;
    EXPECT_EQ(filesIn(folder), std::set<std::string>{"walls.csv"});
}

#endif

}  // namespace
