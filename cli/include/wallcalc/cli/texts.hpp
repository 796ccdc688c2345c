#pragma once
// The command line's own words, in Chinese: a name in quotes, a label without its colon,
// and why a value was refused together with what would be accepted instead. The session
// lines, the batch rows, the wall files and the options all say it the same way.
#include <string>
#include <string_view>

#include "wallcalc/engine/changes.hpp"

namespace wallcalc::cli {

// “text”
std::string inQuotes(std::string_view text);

// A window label as a heading: "h1(m)：" → "h1(m)", "砼强度等级：" → "砼强度等级".
std::string_view bareLabel(std::string_view label);

// Why `value` was refused for `key`, naming what the engineer may write instead:
//   “both”不是人防选择的值；应为 ordinary、civil-defence、人防 或 非人防
//   砼强度等级中没有“C33”；可选 C15、C20 … C80，或位置序号（0 为第一项）
// The caller puts the place (the line, the row and column, the option) in front.
std::string refusedValue(ChangeError error, std::string_view key, std::string_view value);

// What a list takes: its items (in each basis, where they differ), its short names and a
// position.
std::string listChoices(const ListInfo& list);

// Why a file operation failed, in Chinese, from the system's error code.
std::string fileErrorReason(int error);

}  // namespace wallcalc::cli
