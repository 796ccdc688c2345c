#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "wallcalc/cli/batch.hpp"
#include "wallcalc/cli/session.hpp"

namespace {

using namespace wallcalc;
using namespace wallcalc::cli;

std::vector<CsvRecord> readAll(std::string_view text) {
    CsvReader reader(text);
    std::vector<CsvRecord> out;
    while (auto r = reader.next())
        out.push_back(*r);
    EXPECT_EQ(reader.error(), "");
    return out;
}

struct CsvRow {
    const char* name;
    const char* text;
    std::vector<CsvRecord> records;
};

class CsvReading : public testing::TestWithParam<CsvRow> {};

TEST_P(CsvReading, SplitsRecordsAndFields) {
    EXPECT_EQ(readAll(GetParam().text), GetParam().records);
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
                    CsvRow{"BlanksKept", " 18 ,x\n", {{" 18 ", "x"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Csv, UnclosedQuoteIsAnError) {
    CsvReader reader("a\n\"open,\n");
    EXPECT_TRUE(reader.next());
    EXPECT_FALSE(reader.next());
    EXPECT_NE(reader.error(), "");
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

// The results of a batch row are those of a single session press on a fresh window.
TEST(Batch, RowsMatchSinglePressesOnFreshWindows) {
    const std::string input =
        "name,mode,case,h2,qrf,concrete,steel,spacing\n"
        "W1,ordinary,A,,,C30,HRB335,\n"
        "\"W,2\",civil-defence,B,-3.45,50,,,\n"
        "W3,ordinary,C,,,,,\n"
        "W4,ordinary,A,,,,,1000\n";
    const auto result = runBatch(input);
    ASSERT_EQ(result.error, "");
    EXPECT_EQ(result.rows, 4u);
    EXPECT_EQ(result.completed, 3u);
    EXPECT_EQ(result.ended, 1u);
    ASSERT_EQ(result.csv.rfind("\xEF\xBB\xBF", 0), 0u);

    const auto out = readAll(result.csv);
    ASSERT_EQ(out.size(), 5u);
    EXPECT_EQ(out[0].back(), "messages");
    const char* sessions[] = {R"({"mode":"ordinary","case":"A","concrete":"C30","steel":"HRB335"})",
                              R"({"mode":"civil-defence","case":"B","h2":"-3.45","qrf":"50"})",
                              R"({"mode":"ordinary","case":"C"})",
                              R"({"mode":"ordinary","case":"A","spacing":"1000"})"};
    for (std::size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        WindowModel fresh;
        const auto press = nlohmann::json::parse(sessionLine(fresh, sessions[i]));
        const auto& row = out[i + 1];
        ASSERT_EQ(row.size(), out[0].size());
        EXPECT_EQ(row[8], press["results"]["MBk"]);
        EXPECT_EQ(row[9], press["results"]["As"]);
        EXPECT_EQ(row[10], press["results"]["bars"]);
        EXPECT_EQ(row[11], press["results"]["crackAs"]);
        EXPECT_EQ(row[12], press["results"]["Wmax"]);
        EXPECT_EQ(row[13], press["results"]["crackBars"]);
        EXPECT_EQ(status(row), press["completed"] ? "completed" : "ended");
    }
    EXPECT_EQ(out[2][0], "W,2");
    EXPECT_EQ(out[3].back(), "输入标高与实际情况不符，请重新输入");
    EXPECT_EQ(out[4].back(), "算不出来，请增加外墙厚度，或采取其他措施");
}

TEST(Batch, BadRowsAreReportedAndTheBatchGoesOn) {
    const auto result = runBatch(
        "mode,concrete,h5\n"
        "sometimes,,\n"
        "ordinary,C33,\n"
        "ordinary,,,extra\n"
        "\n"
        "ordinary,,abc\n"
        "ordinary,3,\n");
    EXPECT_EQ(result.rows, 5u) << "the blank line is skipped";
    EXPECT_EQ(result.bad, 3u);
    EXPECT_EQ(result.ended, 1u);
    EXPECT_EQ(result.completed, 1u);
    const auto out = readAll(result.csv);
    EXPECT_EQ(status(out[1]), "error");
    EXPECT_EQ(status(out[4]), "ended");
    EXPECT_EQ(out[4].back(), "墙厚度h5（mm）：“abc” 不是有效的数字，请重新输入");
}

TEST(Batch, ColumnsAreTheSessionKeys) {
    EXPECT_NE(runBatch("h1,thickness\n0,350\n").error, "");
    EXPECT_NE(runBatch("h1,h1\n0,0\n").error, "");
    EXPECT_NE(runBatch("").error, "");
}

TEST(Batch, WithoutAModeColumnEachRowIsAWindowWithNoOptionClicked) {
    const auto out = readAll(runBatch("h1\n-0.45\n").csv);
    EXPECT_EQ(status(out[1]), "ended");
    EXPECT_EQ(out[1].back(), "注意人防选择，搞结构的要细心哟！");
}

TEST(Batch, CompletedRowsAreHandedOnWithTheirNames) {
    std::vector<std::string> seen;
    runBatch("name,mode\nfirst,ordinary\nsecond,\n,ordinary\n",
             [&](std::size_t row, std::string_view name, const PressResult& press) {
                 seen.push_back(std::to_string(row) + ":" + std::string(name) + ":" +
                                press.text(Box::Text6));
             });
    EXPECT_EQ(seen, (std::vector<std::string>{"1:first:106.067", "3::106.067"}));
}

}  // namespace
