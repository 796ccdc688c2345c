// The text of the supplementary design against golden files an engineer can read:
// tests/golden/supplementary_text/NAME.txt, one file per wall below; and the calculation
// and the supplementary design as the sheet typesets them, in their readable form (_{…}
// lowered, ^{…} raised, \frac{…}{…}), against tests/golden/typeset_text/NAME.txt. After a
// deliberate change, write them anew with WALLCALC_UPDATE_GOLDEN=1 and review the diff.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>

#include "wallcalc/engine/typeset_text.hpp"
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

std::string golden(const std::string& name, const char* folder = "supplementary_text") {
    return std::string(WALLCALC_GOLDEN_DIR) + "/" + folder + "/" + name + ".txt";
}

// Compares `text` with the golden file at `path` (or writes it there, when asked).
void expectGolden(const std::string& text, const std::string& path) {
    if (std::getenv("WALLCALC_UPDATE_GOLDEN") != nullptr) std::ofstream(path) << text;
    std::ifstream file(path);
    ASSERT_TRUE(file) << path << " is missing";
    std::stringstream expected;
    expected << file.rdbuf();
    EXPECT_EQ(text, expected.str()) << path;
}

std::size_t lineCount(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
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
    expectGolden(asFile(supplementaryText(press)), golden(GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(Walls, SupplementaryText, ::testing::ValuesIn(kWalls),
                         [](const auto& info) { return std::string(info.param.name); });

// The typeset lines are those of the texts, one for one (the supplementary design's
// without its title line), and none keeps a "*", a "^" or a unit's power written after it.
class TypesetText : public ::testing::TestWithParam<Wall> {};

TEST_P(TypesetText, SetLineForLineAsTheGoldenFile) {
    WindowModel w;
    GetParam().setUp(w);
    const PressResult press = w.pressCompute();
    ASSERT_TRUE(press.completed());
    const report::Notation notation = notationOf(press);
    const report::TypesetText calculation = typesetCalculation(press, notation);
    const report::TypesetText supplementary = typesetSupplementary(press, notation);
    EXPECT_EQ(calculation.size(), lineCount(asFile(press.report())) - 1);
    EXPECT_EQ(supplementary.size(), lineCount(asFile(supplementaryText(press))) - 2);
    std::string text;
    for (const report::TypesetText* lines : {&calculation, &supplementary}) {
        for (const report::TypesetLine& line : *lines) {
            const std::string readable = report::readable(line);
            text += readable + "\n";
            // Raised as ^{…} in the readable form, never written plain.
            EXPECT_EQ(readable.find('*'), std::string::npos) << readable;
            for (auto at = readable.find('^'); at != std::string::npos;
                 at = readable.find('^', at + 1))
                EXPECT_EQ(readable.substr(at, 2), "^{") << readable;
            for (const char* plain : {"mm2", "m2", "m3", "kNm"})
                EXPECT_EQ(readable.find(plain), std::string::npos) << plain << " in " << readable;
        }
        text += "----\n";
    }
    expectGolden(text, golden(GetParam().name, "typeset_text"));
}

INSTANTIATE_TEST_SUITE_P(Walls, TypesetText, ::testing::ValuesIn(kWalls),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
