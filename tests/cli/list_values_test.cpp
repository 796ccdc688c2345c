// A list value means the same on the command line (--case 1), in a session line
// ("case": 1 or "case": "1") and in a CSV cell (1): an item by its text, its short
// name or its position, and anything else is not understood everywhere alike.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>

#include "cli_process.hpp"
#include "wallcalc/cli/batch.hpp"
#include "wallcalc/cli/csv.hpp"
#include "wallcalc/cli/session.hpp"

namespace {

using namespace wallcalc;
using Json = nlohmann::json;

struct ListValue {
    const char* name;
    const char* key;
    const char* value;
    const char* MBk;  // the press's base moment, or nullptr when the value is not understood
};

// Case A fits the default elevations; cases B and C do not (the press ends early with
// empty boxes); a position outside the list leaves it without a selection.
const ListValue kValues[] = {
    {"CaseByLetter", "case", "A", "106.067"},
    {"CaseByItem", "case", "情况A", "106.067"},
    {"CaseByPosition", "case", "0", "106.067"},
    {"CaseBByPosition", "case", "1", ""},
    {"CaseOutsideTheList", "case", "7", ""},
    {"NoCase", "case", "-1", ""},
    {"SteelByGrade", "steel", "HRB400", "106.067"},
    {"SteelByPosition", "steel", "2", "106.067"},
    {"ConcreteByPosition", "concrete", "13", "106.067"},
    {"UnknownCase", "case", "D", nullptr},
    {"PositionWithBlank", "case", " 1", nullptr},
    {"PositionWithPoint", "case", "1.0", nullptr},
};

class ListValueTest : public ::testing::TestWithParam<ListValue> {};

TEST_P(ListValueTest, MeansTheSameOnTheCommandLineInSessionsAndInCsv) {
    const ListValue& v = GetParam();

    const auto oneShot = wallcalc::testing::runCli(
        {"--mode", "ordinary", "--json", "--" + std::string(v.key), v.value});
    const std::string asText = Json{{"mode", "ordinary"}, {v.key, v.value}}.dump();
    WindowModel w1;
    const Json session = Json::parse(cli::sessionLine(w1, asText));
    const auto batch =
        cli::runBatch("mode," + std::string(v.key) + "\nordinary," + cli::csvRecord({v.value}));
    cli::CsvReader reader(batch.csv);
    reader.next();
    const auto row = reader.next();
    ASSERT_TRUE(row.has_value());

    if (v.MBk == nullptr) {
        EXPECT_EQ(oneShot.status, 2) << oneShot.out;
        EXPECT_TRUE(session.contains("error")) << session;
        EXPECT_EQ(row->at(row->size() - 2), "error");
        return;
    }
    // A press that did not complete shows its boxes apart from any results.
    const auto boxes = [](const Json& press) {
        return press["results"].is_null() ? press["boxes"] : press["results"];
    };
    EXPECT_EQ(boxes(Json::parse(oneShot.out))["MBk"], v.MBk);
    EXPECT_EQ(boxes(session)["MBk"], v.MBk);
    EXPECT_EQ(row->at(2), v.MBk);
    // A whole number in the JSON means what its digits mean.
    if (std::string(v.value).find_first_not_of("-0123456789") == std::string::npos) {
        WindowModel w2;
        const Json number = Json::parse(
            cli::sessionLine(w2, Json{{"mode", "ordinary"}, {v.key, std::stoi(v.value)}}.dump()));
        EXPECT_EQ(number, session);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, ListValueTest, ::testing::ValuesIn(kValues),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
