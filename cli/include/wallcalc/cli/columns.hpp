#pragma once
// The columns of a batch file. A heading is a session key ("h5", "concrete", "mode",
// "name", "designer") or the window's label without its colon ("墙厚度h5（mm）",
// "砼强度等级", "人防选择", "名称", "设计"); labels match whichever parentheses, full-width
// or not, and with or without the colon. Every heading comes from the tables of inputs,
// lists and project fields, so a new input of the window is a new column at once.
#include <optional>
#include <span>
#include <string_view>

#include "wallcalc/engine/project.hpp"

namespace wallcalc::cli {

// The wall's name: the file name of its sheet, and the name printed on it.
inline constexpr std::string_view kNameColumn = "name";
inline constexpr std::string_view kNameLabel = "名称";

enum class ColumnKind {
    Name,     // the wall's name
    Change,   // what an engineer changes in the window: the mode, an input or a list
    Project,  // a field of the sheet's title block
};

struct Column {
    ColumnKind kind;
    std::string_view key;    // the session key: "name", "mode", "h5", "concrete", "designer"
    std::string_view label;  // the window's label without its colon: "墙厚度h5（mm）"
    const ProjectField* field = nullptr;  // for a project column
};

// Every column a batch file may have, in the window's order.
std::span<const Column> batchColumns();

// The column a heading names, or nothing.
const Column* columnNamed(std::string_view heading);

}  // namespace wallcalc::cli
