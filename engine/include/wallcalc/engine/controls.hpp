#pragma once
// The window's boxes and lists as the calculation knows them: their names, the labels
// beside them, their defaults and the items of the three lists.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace wallcalc {

enum class Box : std::uint8_t {
    Text1,
    Text2,
    Text3,
    Text4,
    Text5,
    Text6,
    Text7,
    Text8,
    Text9,
    Text10,
    Text11,
    Text12,
    Text13,
    Text14,
    Text15,
    Text16,
    Text17,
    Text18,
    Text19,
    Text20,
};
inline constexpr std::size_t kBoxCount = 20;

enum class List : std::uint8_t { Combo1, Combo2, Combo3 };
inline constexpr std::size_t kListCount = 3;

constexpr std::size_t index(Box box) {
    return static_cast<std::size_t>(box);
}
constexpr std::size_t index(List list) {
    return static_cast<std::size_t>(list);
}
constexpr Box boxNumber(int n) {
    return static_cast<Box>(n - 1);
}  // 1 → Text1

std::string_view boxName(Box box);     // "Text4"
std::string_view boxLabel(Box box);    // "墙厚度h5（mm）：" (empty for Text12)
std::string_view boxDefault(Box box);  // the text when the window opens
std::string_view listName(List list);  // "Combo1"
std::string_view listLabel(List list);
std::span<const std::string_view> listItems(List list);

// The title of every message of a run, and the texts the window itself shows.
inline constexpr std::string_view kMessageTitle = "友情提示:";
inline constexpr std::string_view kHelpTitle = "友情帮助:";
inline constexpr std::string_view kInitialReport = "您可以在此处看到计算的全过程";

// Value of the civil-defence choice X.
inline constexpr int kNoChoiceYet = 20;
inline constexpr int kCivilDefence = 0;
inline constexpr int kOrdinary = 1;

}  // namespace wallcalc
