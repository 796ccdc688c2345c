#pragma once
// What a calculation sheet's title block names besides the calculation: the project, the
// wall, and the three people who sign it. Kept with the wall (in its file) and typed
// where the sheet is made (the window's 计算书信息…, the command line, a CSV column);
// no calculation reads it.
#include <array>
#include <string>
#include <string_view>

namespace wallcalc {

struct ProjectInfo {
    std::string project;   // 工程名称
    std::string wall;      // 墙体编号/部位
    std::string designer;  // 设计
    std::string checker;   // 校对
    std::string reviewer;  // 审核
    bool operator==(const ProjectInfo&) const = default;
};

// Each field once: its key (the wall file's "project" object, the command-line option
// --project …, the CSV column) and its label on the sheet and in the window.
struct ProjectField {
    std::string_view key;
    std::string_view label;
    std::string ProjectInfo::*field;
};
inline constexpr std::array<ProjectField, 5> kProjectFields = {{
    {"project", "工程名称", &ProjectInfo::project},
    {"wall", "墙体编号/部位", &ProjectInfo::wall},
    {"designer", "设计", &ProjectInfo::designer},
    {"checker", "校对", &ProjectInfo::checker},
    {"reviewer", "审核", &ProjectInfo::reviewer},
}};

}  // namespace wallcalc
