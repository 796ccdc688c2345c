#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "wallcalc/cli/session.hpp"

namespace {

using namespace wallcalc;
using Json = nlohmann::json;

Json line(WindowModel& w, const std::string& in) {
    return Json::parse(cli::sessionLine(w, in));
}

TEST(Session, ThePressObject) {
    WindowModel w;
    const Json out = line(w, R"({"mode": "ordinary"})");
    EXPECT_EQ(out["completed"], true);
    EXPECT_EQ(out["messages"], Json::array());
    EXPECT_EQ(out["results"], (Json{{"MBk", "106.067"},
                                    {"As", "2602.286"},
                                    {"bars", "20"},
                                    {"crackAs", "3463.606"},
                                    {"Wmax", "0.165"},
                                    {"crackBars", "21"}}));
    const std::string report = out["report"];
    EXPECT_EQ(report.rfind("1.荷载计算：\r\n (1)水上土压力： \r\n", 0), 0u);
}

TEST(Session, TheWindowPersistsFromLineToLine) {
    WindowModel w;
    Json out = line(w, "{}");
    EXPECT_EQ(out["completed"], false);
    EXPECT_EQ(out["messages"][0]["text"], "注意人防选择，搞结构的要细心哟！");
    EXPECT_TRUE(out["results"].is_null()) << "a press that did not complete has no results";
    EXPECT_EQ(out["boxes"]["MBk"], "");
    EXPECT_TRUE(out["verdict"].is_null());
    EXPECT_EQ(out["report"], "您可以在此处看到计算的全过程");

    line(w, R"({"mode": "civil-defence", "qrf": "50"})");
    out = line(w, R"({"case": "B", "h2": "-3.45"})");
    EXPECT_EQ(out["results"]["MBk"], "179.662") << "mode and load kept from the line before";

    out = line(w, R"({"mode": "civil-defence", "case": "A", "h2": "-1.35"})");
    EXPECT_EQ(out["results"]["MBk"], "106.067") << "a click on 人防 resets the load to 0";
}

TEST(Session, ListChoicesByNameOrPosition) {
    WindowModel w;
    line(w, R"j({"mode": "ordinary", "concrete": "C30", "steel": "Ⅱ级(HRB335)"})j");
    EXPECT_EQ(w.selected(List::Combo1), 3);
    EXPECT_EQ(w.selected(List::Combo2), 1);
    line(w, R"({"steel": "RRB400", "case": 2, "concrete": -1})");
    EXPECT_EQ(w.selected(List::Combo2), 3);
    EXPECT_EQ(w.selected(List::Combo3), 2);
    EXPECT_EQ(w.selected(List::Combo1), -1);
}

struct BadLine {
    const char* name;
    const char* text;
};

class SessionError : public testing::TestWithParam<BadLine> {};

TEST_P(SessionError, ChangesNothingAndPressesNothing) {
    WindowModel w;
    const std::string before = cli::sessionLine(w, R"({"mode": "ordinary"})");
    const Json out = line(w, GetParam().text);
    ASSERT_TRUE(out.contains("error"));
    EXPECT_EQ(out.size(), 1u);
    EXPECT_EQ(w.boxText(Box::Text1), "-0.45");
    EXPECT_EQ(cli::sessionLine(w, "{}"), before);
}

INSTANTIATE_TEST_SUITE_P(Rows, SessionError,
                         testing::Values(BadLine{"NotJson", "{mode: ordinary}"},
                                         BadLine{"Empty", ""}, BadLine{"NotAnObject", "[1, 2]"},
                                         BadLine{"UnknownKey",
                                                 R"({"h1": "0", "thickness": "350"})"},
                                         BadLine{"NumberForAText", R"({"h1": 0})"},
                                         BadLine{"UnknownMode", R"({"mode": "both"})"},
                                         BadLine{"UnknownGrade", R"({"concrete": "C33"})"},
                                         BadLine{"PositionTooLarge", R"({"case": 1e20})"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
