#include <gtest/gtest.h>

#include <mutex>
#include <nlohmann/json.hpp>

#include "wallcalc/cli/batch.hpp"
#include "wallcalc/cli/columns.hpp"
#include "wallcalc/cli/session.hpp"

namespace {

using namespace wallcalc;
using namespace wallcalc::cli;

std::vector<CsvRecord> readAll(CsvReader& reader) {
    std::vector<CsvRecord> out;
    while (auto r = reader.next())
        out.push_back(*r);
    EXPECT_EQ(reader.error(), "");
    return out;
}

std::vector<CsvRecord> readAll(std::string_view text) {
    CsvReader reader(text);
    return readAll(reader);
}

// The text handed out one byte at a time, as the worst a file could be read in pieces.
std::vector<CsvRecord> readByteByByte(std::string_view text) {
    CsvReader reader([text](char* buffer, std::size_t) mutable -> std::size_t {
        if (text.empty()) return 0;
        buffer[0] = text[0];
        text.remove_prefix(1);
        return 1;
    });
    return readAll(reader);
}

struct CsvRow {
    const char* name;
    const char* text;
    std::vector<CsvRecord> records;
};

class CsvReading : public testing::TestWithParam<CsvRow> {};

TEST_P(CsvReading, SplitsRecordsAndFieldsWholeOrPieceByPiece) {
    EXPECT_EQ(readAll(GetParam().text), GetParam().records);
    EXPECT_EQ(readByteByByte(GetParam().text), GetParam().records);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CsvReading,
    testing::Values(CsvRow{"Plain", "a,b\n1,2\n", {{"a", "b"}, {"1", "2"}}},
                    CsvRow{"CrLfAndNoFinalBreak", "a,b\r\n1,2", {{"a", "b"}, {"1", "2"}}},
                    CsvRow{"ByteOrderMark",
                           "\xEF\xBB\xBF"
                           "h1\n-0.45\n",
                           {{"h1"}, {"-0.45"}}},
                    CsvRow{"QuotedComma", "\"W,1\",2\n", {{"W,1", "2"}}},
                    CsvRow{"DoubledQuote", "\"say \"\"hi\"\"\"\n", {{"say \"hi\""}}},
                    CsvRow{"LineBreakInQuotes", "\"two\r\nlines\",x\n", {{"two\r\nlines", "x"}}},
                    CsvRow{"EmptyFields", ",,\n", {{"", "", ""}}},
                    CsvRow{"BlanksKept", " 18 ,x\n", {{" 18 ", "x"}}},
                    CsvRow{"Semicolons", "name;h5\nW1;350\n", {{"name", "h5"}, {"W1", "350"}}},
                    CsvRow{
                        "SemicolonsWithCommasInCells", "a;b\n1,5;2\n", {{"a", "b"}, {"1,5", "2"}}},
                    CsvRow{"Tabs", "name\th5\r\nW1\t350\r\n", {{"name", "h5"}, {"W1", "350"}}},
                    CsvRow{"QuotedSemicolonsDoNotCount", "\"a;b;c\",d\n", {{"a;b;c", "d"}}},
                    CsvRow{"OneColumn", "h1\n-0.45;x\n", {{"h1"}, {"-0.45;x"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Csv, UnclosedQuoteIsAnErrorNamingItsLine) {
    CsvReader reader("a\nb\n\"open,\n");
    EXPECT_TRUE(reader.next());
    EXPECT_TRUE(reader.next());
    EXPECT_FALSE(reader.next());
    EXPECT_EQ(reader.error(), "第3行开始的引号没有闭合");
}

TEST(Csv, WritingQuotesOnlyWhatNeedsIt) {
    EXPECT_EQ(csvRecord({"a", "b,c", "say \"hi\"", "two\nlines", " 18", ""}),
              "a,\"b,c\",\"say \"\"hi\"\"\",\"two\nlines\",\" 18\",\r\n");
    const CsvRecord tricky = {"x,\"y\"\r\n", " ", "太大了"};
    EXPECT_EQ(readAll(csvRecord(tricky)), std::vector<CsvRecord>{tricky});
}

// The status column: the one before the messages, which close every row.
const std::string& status(const CsvRecord& row) {
    return row[row.size() - 2];
}

struct HeadingRow {
    const char* name;
    const char* heading;
    const char* key;  // the column it names, or nullptr for none
};

class Headings : public testing::TestWithParam<HeadingRow> {};

TEST_P(Headings, NameTheirColumn) {
    const Column* column = columnNamed(GetParam().heading);
    if (GetParam().key == nullptr) {
        EXPECT_EQ(column, nullptr) << column->key;
    } else {
        ASSERT_NE(column, nullptr);
        EXPECT_EQ(column->key, GetParam().key);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Headings,
    testing::Values(HeadingRow{"Key", "h5", "h5"}, HeadingRow{"Label", "墙厚度h5（mm）", "h5"},
                    HeadingRow{"LabelWithPlainParentheses", "墙厚度h5(mm)", "h5"},
                    HeadingRow{"LabelWithItsColon", "墙厚度h5（mm）：", "h5"},
                    HeadingRow{"LabelWithFullWidthParenthesesForPlain", "h1（m）", "h1"},
                    HeadingRow{"BlanksAround", " 名称　", "name"},
                    HeadingRow{"Mode", "人防选择", "mode"}, HeadingRow{"List", "钢筋种类", "steel"},
                    HeadingRow{"Case", "情况选择", "case"},
                    HeadingRow{"CivilDefenceLoad", "人防荷载(kN/m2)", "qrf"},
                    HeadingRow{"ProjectLabel", "墙体编号/部位", "wall"},
                    HeadingRow{"ProjectKey", "designer", "designer"},
                    HeadingRow{"Unknown", "thickness", nullptr},
                    HeadingRow{"AResultIsNoInput", "MBk", nullptr},
                    HeadingRow{"LabelOfAnotherUnit", "h1(mm)", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

// Every input and list of the window is a column, by its key and by its label.
TEST(Headings, EveryInputAndListIsAColumn) {
    for (const InputBox& in : inputBoxes()) {
        EXPECT_NE(columnNamed(in.key), nullptr) << in.key;
        EXPECT_NE(columnNamed(in.label), nullptr) << in.label;
    }
    for (const ListInfo& list : lists()) {
        EXPECT_NE(columnNamed(list.key), nullptr) << list.key;
        EXPECT_NE(columnNamed(list.label), nullptr) << list.label;
    }
}

// The results of a batch row are those of a single session press on a fresh window.
TEST(Batch, RowsMatchSinglePressesOnFreshWindows) {
    const std::string input =
        "name,mode,case,h2,qrf,concrete,steel,spacing\n"
        "W1,ordinary,A,,,C30,HRB335,\n"
        "\"W,2\",civil-defence,B,-3.45,50,,,\n"
        "W3,ordinary,C,,,,,\n"
        "W4,ordinary,A,,,,,1000\n";
    const auto result = runBatch(input);
    ASSERT_EQ(result.outcome.error, "");
    EXPECT_EQ(result.outcome.counts.rows, 4u);
    EXPECT_EQ(result.outcome.counts.completed, 3u);
    EXPECT_EQ(result.outcome.counts.ended, 1u);
    ASSERT_EQ(result.csv.rfind("\xEF\xBB\xBF", 0), 0u);

    const auto out = readAll(result.csv);
    ASSERT_EQ(out.size(), 5u);
    EXPECT_EQ(out[0].back(), "messages");
    const char* sessions[] = {R"({"mode":"ordinary","case":"A","concrete":"C30","steel":"HRB335"})",
                              R"({"mode":"civil-defence","case":"B","h2":"-3.45","qrf":"50"})",
                              R"({"mode":"ordinary","case":"C"})",
                              R"({"mode":"ordinary","case":"A","spacing":"1000"})"};
    // A box the press left showing a blank (the crack control of civil-defence works) is
    // an empty cell.
    const auto cell = [](const nlohmann::json& box) {
        const std::string text = box.get<std::string>();
        return text == " " ? std::string() : text;
    };
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        WindowModel fresh;
        const auto press = nlohmann::json::parse(sessionLine(fresh, sessions[i]));
        const auto& row = out[i + 1];
        ASSERT_EQ(row.size(), out[0].size());
        // A row that ended early writes the boxes it left, which the JSON keeps apart.
        const auto& boxes = press["results"].is_null() ? press["boxes"] : press["results"];
        EXPECT_EQ(row[8], cell(boxes["MBk"]));
        EXPECT_EQ(row[9], cell(boxes["As"]));
        EXPECT_EQ(row[10], cell(boxes["bars"]));
        EXPECT_EQ(row[11], cell(boxes["crackAs"]));
        EXPECT_EQ(row[12], cell(boxes["Wmax"]));
        EXPECT_EQ(row[13], cell(boxes["crackBars"]));
        EXPECT_EQ(status(row), press["completed"] ? "completed" : "ended");
    }
    EXPECT_EQ(out[2][0], "W,2");
    WindowModel civilDefence;
    EXPECT_EQ(nlohmann::json::parse(sessionLine(civilDefence, sessions[1]))["results"]["crackAs"],
              " ")
        << "the civil-defence row's crack boxes hold a blank: its cells are empty";
    EXPECT_EQ(std::vector(out[2].begin() + 11, out[2].begin() + 14),
              std::vector<std::string>(3, ""));
    EXPECT_EQ(out[3].back(), "输入标高与实际情况不符，请重新输入");
    EXPECT_EQ(out[4].back(), "算不出来，请增加外墙厚度，或采取其他措施");
}

struct BadRow {
    const char* name;
    const char* row;  // under the header "mode,concrete,h5,"
    const char* says;
};

class BadRows : public testing::TestWithParam<BadRow> {};

// A row that is not understood says where and why, and the batch goes on.
TEST_P(BadRows, NameTheirRowAndColumn) {
    const auto result = runBatch(std::string("mode,concrete,h5,\n\nordinary,,,\n") +
                                 GetParam().row + "\n" + "ordinary,,,\n");
    EXPECT_EQ(result.outcome.counts.rows, 3u) << "the blank line is skipped";
    EXPECT_EQ(result.outcome.counts.bad, 1u);
    EXPECT_EQ(result.outcome.counts.completed, 2u);
    const auto out = readAll(result.csv);
    ASSERT_EQ(out.size(), 4u);
    EXPECT_EQ(status(out[2]), "error");
    EXPECT_EQ(out[2].back(), GetParam().says);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BadRows,
    testing::Values(
        BadRow{"NoSuchMode", "sometimes,,,",
               "第4行第1列（mode）：“sometimes”不是人防选择的值；应为 civil-defence、ordinary、"
               "人防 或 非人防"},
        BadRow{"NoSuchGrade", "ordinary,C33,,",
               "第4行第2列（concrete）：砼强度等级中没有“C33”；可选 C15、C20、C25、C30、C35、"
               "C40、C45、C50、C55、C60、C65、C70、C75、C80，或位置序号（0 为第一项）"},
        BadRow{"MoreCellsThanHeadings", "ordinary,,,,extra", "第4行有5个单元格，多于表头的4列"},
        BadRow{"FewerCellsThanHeadings", "ordinary",
               "第4行只有1个单元格，少于表头的4列：缺少第2列（concrete）、第3列（h5）、第4列"},
        BadRow{"OneCellShort", "ordinary,C30,", "第4行只有3个单元格，少于表头的4列：缺少第4列"},
        BadRow{"ValueUnderNoHeading", "ordinary,,,x", "第4行第4列：有值，但这一列没有表头"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Batch, ABoxThatIsNotANumberEndsItsRowWithTheWindowsMessage) {
    const auto out = readAll(runBatch("mode,h5\nordinary,abc\n").csv);
    EXPECT_EQ(status(out[1]), "ended");
    EXPECT_EQ(out[1].back(), "墙厚度h5（mm）：“abc” 不是有效的数字，请重新输入");
}

struct BadHeader {
    const char* name;
    const char* text;
    const char* says;  // the start of the reason
};

class BadHeaders : public testing::TestWithParam<BadHeader> {};

TEST_P(BadHeaders, StopTheBatchBeforeAnyRow) {
    const auto result = runBatch(GetParam().text);
    EXPECT_FALSE(result.outcome.started);
    EXPECT_EQ(result.csv, "") << "nothing is written";
    EXPECT_EQ(result.outcome.error.rfind(GetParam().says, 0), 0u) << result.outcome.error;
}

INSTANTIATE_TEST_SUITE_P(Rows, BadHeaders,
                         testing::Values(BadHeader{"Unknown", "h1,thickness\n0,350\n",
                                                   "第1行第2列（thickness）：不是可识别的列名"},
                                         BadHeader{
                                             "TheSameColumnTwice", "h5,名称,墙厚度h5(mm)\n",
                                             "第1行第3列（墙厚度h5(mm)）：与第1列“h5”是同一列"},
                                         BadHeader{"Empty", "", "文件是空的"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Batch, WithoutAModeColumnEachRowIsAWindowWithNoOptionClicked) {
    const auto out = readAll(runBatch("h1\n-0.45\n").csv);
    EXPECT_EQ(status(out[1]), "ended");
    EXPECT_EQ(out[1].back(), "注意人防选择，搞结构的要细心哟！");
}

// Stands in for the PDF writer: refuses the walls named "refused", writes those named
// "Ⓐ" with a warning, and remembers what it was handed (from several threads); a batch
// of walls hands it no wall model.
class RecordingWriter : public SheetWriter {
  public:
    SheetOutcome write(const PressResult& press, std::string_view name, const ProjectInfo& project,
                       const std::string& path) override {
        std::lock_guard lock(mutex_);
        written[std::string(name)] = {path, project.designer, press.text(Box::Text6)};
        if (name == "refused") return {"无法写入“" + path + "”：没有访问权限", {}};
        if (name == "Ⓐ") return {std::nullopt, "未能印出：U+24B6“Ⓐ”"};
        return {};
    }
    SheetOutcome writeModel(const wallcalc::model::WallModel&, const wallcalc::model::ModelPress&,
                            const std::string& path) override {
        return {"墙体模型的计算书不在此记录：" + path, {}};
    }
    struct Sheet {
        std::string path, designer, MBk;
        bool operator==(const Sheet&) const = default;
    };
    std::map<std::string, Sheet> written;

  private:
    std::mutex mutex_;
};

constexpr const char* kNamedWalls =
    "name,mode,designer\n"
    "first,ordinary,\n"
    "refused,ordinary,李四\n"
    "never,,\n"
    ",ordinary,\n";

TEST(BatchSheets, EachCompletedRowNamesItsSheetOrWhyItWasNotWritten) {
    RecordingWriter writer;
    BatchSetup setup;
    setup.project.designer = "张三";
    setup.sheets = {&writer, "out", "", 2, {}};
    const auto result = runBatch(kNamedWalls, setup);
    const auto out = readAll(result.csv);
    ASSERT_EQ(out.size(), 5u);
    EXPECT_EQ(out[0].back(), "sheet");
    EXPECT_EQ(out[1].back(), "first.pdf");
    EXPECT_EQ(out[2].back(), "未写出：无法写入“out/refused.pdf”：没有访问权限");
    EXPECT_EQ(out[3].back(), "") << "a row that ended early has no sheet";
    EXPECT_EQ(out[4].back(), "4.pdf") << "no name: the row number";
    EXPECT_EQ(result.outcome.counts.sheets, 2u);
    EXPECT_EQ(result.outcome.counts.sheetsFailed, 1u);
    using Sheet = RecordingWriter::Sheet;
    EXPECT_EQ(writer.written,
              (std::map<std::string, Sheet>{{"first", {"out/first.pdf", "张三", "106.067"}},
                                            {"refused", {"out/refused.pdf", "李四", "106.067"}},
                                            {"", {"out/4.pdf", "张三", "106.067"}}}))
        << "the row's own designer before the batch's";
}

TEST(BatchSheets, AFolderThatCannotHoldSheetsIsSaidInEveryCompletedRow) {
    RecordingWriter writer;
    BatchSetup setup;
    setup.sheets = {&writer, "x", "“x”是一个文件，不是文件夹", 2, {}};
    const auto result = runBatch(kNamedWalls, setup);
    const auto out = readAll(result.csv);
    ASSERT_EQ(out.size(), 5u);
    EXPECT_EQ(out[1].back(), "未写出：“x”是一个文件，不是文件夹");
    EXPECT_EQ(out[3].back(), "");
    EXPECT_EQ(out[4].back(), "未写出：“x”是一个文件，不是文件夹");
    EXPECT_EQ(result.outcome.counts.sheetsFailed, 3u);
    EXPECT_TRUE(writer.written.empty());
}

// A sheet written with something to say: the row's messages say it after the press's own,
// and the host hears it with the row and the file.
TEST(BatchSheets, AWarningOfASheetWrittenEndsTheRowsMessagesAndReachesTheHost) {
    RecordingWriter writer;
    std::vector<std::string> heard;
    BatchSetup setup;
    setup.sheets = {&writer, "out", "", 2, [&heard](const std::string& w) { heard.push_back(w); }};
    const auto out = readAll(runBatch("name,mode\nfirst,ordinary\nⒶ,ordinary\n", setup).csv);
    ASSERT_EQ(out.size(), 3u);
    const std::string& firstMessages = out[1][out[1].size() - 2];
    EXPECT_EQ(out[2][out[2].size() - 2],
              firstMessages + (firstMessages.empty() ? "" : "\n") + "未能印出：U+24B6“Ⓐ”");
    EXPECT_EQ(out[2].back(), "Ⓐ.pdf");
    EXPECT_EQ(heard, std::vector<std::string>{"第3行，计算书“Ⓐ.pdf”：未能印出：U+24B6“Ⓐ”"});
}

// Many sheets on several threads: the rows come out in their order.
TEST(BatchSheets, RowsKeepTheirOrderWhileSheetsAreWrittenOnThreads) {
    RecordingWriter writer;
    BatchSetup setup;
    setup.sheets = {&writer, "out", "", 4, {}};
    std::string input = "name,mode,h5\n";
    for (int i = 0; i < 300; ++i)
        input += "W" + std::to_string(i) + ",ordinary," + std::to_string(300 + i % 3 * 50) + "\n";
    const auto out = readAll(runBatch(input, setup).csv);
    ASSERT_EQ(out.size(), 301u);
    for (int i = 0; i < 300; ++i) {
        EXPECT_EQ(out[i + 1][0], "W" + std::to_string(i));
        EXPECT_EQ(out[i + 1].back(), "W" + std::to_string(i) + ".pdf");
    }
    EXPECT_EQ(writer.written.size(), 300u);
}

}  // namespace
