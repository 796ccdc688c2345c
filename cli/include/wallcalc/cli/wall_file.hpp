#pragma once
// A wall file: one wall as an engineer saves it, UTF-8 JSON a person can read —
//   {"format": "wallcalc-wall/1", "mode": …, "case": …, "concrete": …, "steel": …,
//    the inputs as typed ("h1": "-0.45", …), "project": {"project", "wall", "designer",
//    "checker", "reviewer"}}
// with the keys of the command line, the sessions and the batch files. The window, the
// command line (--open, --save) and the web page read and write the same files.
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "wallcalc/cli/texts.hpp"  // fileErrorReason
#include "wallcalc/engine/changes.hpp"
#include "wallcalc/engine/project.hpp"
#include "wallcalc/engine/window_model.hpp"

namespace wallcalc::cli {

inline constexpr std::string_view kWallFormat = "wallcalc-wall/1";

// The file's text for what the window holds: its option (left out while none is
// clicked), its lists by their item texts, every input as typed, and the project.
std::string wallFileText(const WindowModel& window, const ProjectInfo& project);

// A wall read from a file: the changes that bring a window that has just opened to it,
// and its project. Apply them to a window that has just opened.
struct Wall {
    Changes changes;
    ProjectInfo project;
};
// The wall, or why the text is not a wall file (in Chinese, naming the key at fault).
std::variant<Wall, std::string> readWallText(std::string_view text);

// Reading and writing the file itself. Errors name the file and say why, in Chinese.
// A file is written whole or not at all (a temporary file beside it, then renamed).
std::variant<Wall, std::string> loadWallFile(const std::string& path);
std::optional<std::string> saveWallFile(const std::string& path, const std::string& text);

}  // namespace wallcalc::cli
