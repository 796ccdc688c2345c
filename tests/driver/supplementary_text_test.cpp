// The text of the supplementary design against golden files an engineer can read:
// tests/golden/supplementary_text/NAME.txt, one file per wall below. After a deliberate
// change, write them anew with WALLCALC_UPDATE_GOLDEN=1 and review the diff.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>

#include "wallcalc/engine/window_model.hpp"

namespace {

using namespace wallcalc;

struct Wall {
    const char* name;
    std::function<void(WindowModel&)> setUp;
};

const Wall kWalls[] = {
    {"ordinary_defaults", [](WindowModel& w) { w.clickOrdinary(); }},
    {"civil_defence_qrf_50",
     [](WindowModel& w) {
         w.clickCivilDefence();
         w.type(Box::Text20, "50");
     }},
    {"ordinary_case_b",
     [](WindowModel& w) {
         w.clickOrdinary();
         w.select(List::Combo3, 1);
         w.type(Box::Text2, "-3.5");
     }},
    {"thin_wall_over_reinforced",
     [](WindowModel& w) {
         w.clickOrdinary();
         w.select(List::Combo2, 2);
         w.type(Box::Text4, "230");
         w.type(Box::Text13, "10");
         w.type(Box::Text17, "10");
     }},
    {"thick_wall_minimum_steel",
     [](WindowModel& w) {
         w.clickOrdinary();
         w.type(Box::Text4, "600");
         w.type(Box::Text14, "-5");
     }},
    {"basis_2010_defaults",
     [](WindowModel& w) {
         w.clickOrdinary();
         w.select(List::Combo4, 1);
     }},
    {"basis_2010_case_b_c30_hrb400",
     [](WindowModel& w) {
         w.clickOrdinary();
         w.select(List::Combo4, 1);
         w.select(List::Combo1, 3);
         w.select(List::Combo2, 2);
         w.select(List::Combo3, 1);
         w.type(Box::Text2, "-3.5");
     }},
    {"basis_2010_civil_defence_qrf_50",
     [](WindowModel& w) {
         w.clickCivilDefence();
         w.type(Box::Text20, "50");
         w.select(List::Combo4, 1);
         w.select(List::Combo1, 3);
         w.select(List::Combo2, 2);
     }},
    {"dry_face_cover_not_a_number",
     [](WindowModel& w) {
         w.clickCivilDefence();
         w.type(Box::Text17, "thirty");
     }},
};

std::string golden(const std::string& name) {
    return std::string(WALLCALC_GOLDEN_DIR) + "/supplementary_text/" + name + ".txt";
}

// The text as the file holds it: one line a line, LF between them.
std::string asFile(std::string text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    return out + "\n";
}

class SupplementaryText : public ::testing::TestWithParam<Wall> {};

TEST_P(SupplementaryText, ReadsAsTheGoldenFile) {
    WindowModel w;
    GetParam().setUp(w);
    const PressResult press = w.pressCompute();
    ASSERT_TRUE(press.completed());
    const std::string text = asFile(supplementaryText(press));
    const std::string path = golden(GetParam().name);
    if (std::getenv("WALLCALC_UPDATE_GOLDEN") != nullptr) std::ofstream(path) << text;
    std::ifstream file(path);
    ASSERT_TRUE(file) << path << " is missing";
    std::stringstream expected;
    expected << file.rdbuf();
    EXPECT_EQ(text, expected.str()) << path;
}

INSTANTIATE_TEST_SUITE_P(Walls, SupplementaryText, ::testing::ValuesIn(kWalls),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
