// Wall files: what the window holds goes into the file and comes back the same; a file
// that is not a wall file, or cannot be read or written, says why and changes nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "wallcalc/cli/wall_file.hpp"

namespace {

using namespace wallcalc;

WindowModel opened(const cli::Wall& wall) {
    WindowModel w;
    wall.changes.applyTo(w);
    return w;
}

TEST(WallFile, WhatTheWindowHoldsComesBackTheSame) {
    WindowModel w;
    w.clickCivilDefence();
    w.type(Box::Text20, "50");
    w.type(Box::Text4, " 350.00");
    w.type(Box::Text17, "not a number");  // saved as typed, whatever it is
    w.select(List::Combo1, 3);
    w.select(List::Combo2, -1);
    w.select(List::Combo3, 1);
    const ProjectInfo project{"某住宅小区", "WQ-1 地下一层", "张三", "李四", "王五"};

    const std::string text = cli::wallFileText(w, project);
    const auto read = cli::readWallText(text);
    ASSERT_TRUE(std::holds_alternative<cli::Wall>(read)) << std::get<std::string>(read);
    const cli::Wall& wall = std::get<cli::Wall>(read);
    EXPECT_EQ(wall.project, project);
    const WindowModel back = opened(wall);
    EXPECT_EQ(back.X(), kCivilDefence);
    for (std::size_t i = 0; i < kBoxCount; ++i)
        EXPECT_EQ(back.boxText(Box(i)), w.boxText(Box(i))) << boxName(Box(i));
    for (std::size_t i = 0; i < kListCount; ++i)
        EXPECT_EQ(back.selected(List(i)), w.selected(List(i))) << listName(List(i));
    // Readable: the lists by their item texts, the Chinese as it is.
    EXPECT_NE(text.find("\"concrete\": \"C30\""), std::string::npos) << text;
    EXPECT_NE(text.find("\"steel\": -1"), std::string::npos) << text;
    EXPECT_NE(text.find("\"wall\": \"WQ-1 地下一层\""), std::string::npos) << text;
}

TEST(WallFile, NoOptionClickedIsKeptAsSuch) {
    const auto read = cli::readWallText(cli::wallFileText(WindowModel{}, {}));
    ASSERT_TRUE(std::holds_alternative<cli::Wall>(read));
    EXPECT_EQ(opened(std::get<cli::Wall>(read)).X(), kNoChoiceYet);
}

struct BadWall {
    const char* name;
    const char* text;
    const char* why;  // a part of the reason
};

const BadWall kBadWalls[] = {
    {"NotJson", "{format", "JSON格式有误"},
    {"NoFormat", R"({"h1": "0"})", "wallcalc-wall/1"},
    {"OtherFormat", R"({"format": "wallcalc-wall/2"})", "wallcalc-wall/1"},
    {"UnknownKey", R"({"format": "wallcalc-wall/1", "thickness": "350"})", "未知的键“thickness”"},
    {"NumberForAnInput", R"({"format": "wallcalc-wall/1", "h5": 350})", "“h5”的值应为文字"},
    {"NoSuchGrade", R"({"format": "wallcalc-wall/1", "concrete": "C33"})", "没有“C33”"},
    {"NoSuchMode", R"({"format": "wallcalc-wall/1", "mode": "both"})",
     "“mode”：“both”不是人防选择的值"},
    {"ProjectNotAnObject", R"({"format": "wallcalc-wall/1", "project": "x"})", "应为一个对象"},
    {"UnknownProjectKey", R"({"format": "wallcalc-wall/1", "project": {"owner": "x"}})",
     "未知的键“owner”"},
};

class BadWallTest : public ::testing::TestWithParam<BadWall> {};

TEST_P(BadWallTest, SaysWhy) {
    const auto read = cli::readWallText(GetParam().text);
    ASSERT_TRUE(std::holds_alternative<std::string>(read));
    EXPECT_NE(std::get<std::string>(read).find(GetParam().why), std::string::npos)
        << std::get<std::string>(read);
}

INSTANTIATE_TEST_SUITE_P(Rows, BadWallTest, ::testing::ValuesIn(kBadWalls),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WallFile, FilesThatCannotBeReadOrWrittenAreNamedWithTheReason) {
    const auto dir = std::filesystem::path(::testing::TempDir()) / "wall-files";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::string missing = (dir / "missing.wall").string();

    const auto read = cli::loadWallFile(missing);
    ASSERT_TRUE(std::holds_alternative<std::string>(read));
    EXPECT_EQ(std::get<std::string>(read), "无法打开“" + missing + "”：文件或文件夹不存在");
    const auto folder = cli::loadWallFile(dir.string());
    ASSERT_TRUE(std::holds_alternative<std::string>(folder));
    EXPECT_NE(std::get<std::string>(folder).find("这是一个文件夹"), std::string::npos);

    const auto intoFolder = cli::saveWallFile(dir.string(), "{}");
    ASSERT_TRUE(intoFolder.has_value());
    EXPECT_NE(intoFolder->find("这是一个文件夹"), std::string::npos);
    const auto noFolder = cli::saveWallFile((dir / "no" / "x.wall").string(), "{}");
    ASSERT_TRUE(noFolder.has_value());
    EXPECT_NE(noFolder->find("不存在"), std::string::npos) << *noFolder;

    // Saved and loaded back; nothing is left beside the file.
    const std::string path = (dir / "wq1.wall").string();
    EXPECT_FALSE(cli::saveWallFile(path, cli::wallFileText(WindowModel{}, {})).has_value());
    EXPECT_TRUE(std::holds_alternative<cli::Wall>(cli::loadWallFile(path)));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
}

}  // namespace
