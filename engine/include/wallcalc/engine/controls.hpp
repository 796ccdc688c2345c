#pragma once
// The window's boxes and lists as the calculation knows them. Each concept has one table:
// the inputs (box, key, label, unit, default, where a run keeps the text, where the
// calculation text quotes it), the six result boxes (box, label, key, frame) and the three
// lists (name, label, key, items). The window, the command line, the sessions, the batch
// files and the calculation sheet all read these tables.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "wallcalc/engine/state.hpp"
#include "wallcalc/report/calculation_text.hpp"

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
    Text21,  // γG, the 2010 basis
    Text22,  // γQ
    Text23,  // ψq
    Text24,  // γ0, the 2010 basis
};
inline constexpr std::size_t kBoxCount = 24;

// Combo4: the design basis.
enum class List : std::uint8_t { Combo1, Combo2, Combo3, Combo4 };
inline constexpr std::size_t kListCount = 4;

// The design basis the engineer chooses in "设计规范：": GB 50010-2002 (the calculation as
// it has always been) or GB 50010-2010 (2015 edition) with today's load factors.
enum class Basis : std::uint8_t { Gb2002, Gb2010 };
inline constexpr std::size_t kBasisCount = 2;
constexpr std::size_t index(Basis basis) {
    return static_cast<std::size_t>(basis);
}

constexpr std::size_t index(Box box) {
    return static_cast<std::size_t>(box);
}
constexpr std::size_t index(List list) {
    return static_cast<std::size_t>(list);
}
constexpr Box boxNumber(int n) {
    return static_cast<Box>(n - 1);
}  // 1 → Text1

// The inputs, in the window's order from top to bottom, named as the calculation state
// names them.
enum class Input : std::uint8_t {
    h1,
    h2,
    h3,
    h4,
    RFHZ,
    h5,
    c1,
    c2,
    TRZ,
    FJHZ,
    fxxs,
    gammaG,
    gammaQ,
    psiq,
    gamma0,
    ss,
    Wmax
};
inline constexpr std::size_t kInputCount = 17;
static_assert(std::tuple_size_v<decltype(CalcState::inputValues)> == kInputCount);

// Which design basis reads an input: η only the 2002 basis, the partial factors γG, γQ and
// ψq only the 2010 one; the window enables a box only where its basis reads it.
enum class ReadIn : std::uint8_t { Both, Gb2002, Gb2010 };

struct InputBox {
    Input input;
    Box box;
    std::string_view key;      // session key and CSV column: "gamma", "gammaG"
    std::string_view option;   // command-line option without its dashes: "gamma", "gamma-g"
    std::string_view label;    // as the window shows it: "土容重(kN/m3)："
    std::string_view unit;     // "kN/m3"; empty for a factor
    std::string_view initial;  // the text when the window opens
    // Where a run keeps the typed text; null for the two inputs it does not keep as text
    // (the civil-defence load, converted at once, and the cover c2).
    std::string CalcState::*field;
    report::Slot slot;  // where the calculation text quotes it; Slot::Count: nowhere
    ReadIn readIn = ReadIn::Both;
};
std::span<const InputBox> inputBoxes();
// Whether a calculation in the basis reads the input.
constexpr bool readIn(const InputBox& in, Basis basis) {
    return in.readIn == ReadIn::Both || (in.readIn == ReadIn::Gb2010) == (basis == Basis::Gb2010);
}
const InputBox& inputBox(Input input);
// The input typed into `box`; empty for a result box and Text12.
const InputBox* inputIn(Box box);

// The six result boxes, in the order a run writes them.
struct ResultBox {
    Box box;
    std::string_view key;    // session key and CSV column: "crackAs"
    std::string_view label;  // "As（mm2）："
    int frame;               // 0 "配筋计算结果：", 1 "裂缝控制："
    int row;                 // top to bottom within its frame
};
inline constexpr std::size_t kResultCount = 6;
std::span<const ResultBox> resultBoxes();
// The same six as the window shows them: frame by frame, top to bottom.
std::span<const ResultBox> resultBoxesAsShown();
std::string_view frameCaption(int frame);  // "配筋计算结果："

// The items of a list in one basis.
struct ListItems {
    std::span<const std::string_view> items;
    std::span<const std::string_view> shortNames;  // "HRB335", "B": also accepted by name
    // How drawings write a bar of the item: the steel grade's symbol before the diameter
    // (Φ for plain bars, the letters B, C, CR and D for the ribbed grades); empty for lists
    // that are not of steel.
    std::span<const std::string_view> barSymbols;
};

// The four lists. Only the steel list differs between the bases.
struct ListInfo {
    List list;
    std::string_view name;   // "Combo1"
    std::string_view label;  // "砼强度等级："
    std::string_view key;    // "concrete": session key, CSV column and command-line option
    std::array<ListItems, kBasisCount> byBasis;
};
std::span<const ListInfo> lists();
const ListInfo& listInfo(List list);
// An item named by its text, its short name or its position ("C30", "Ⅱ级(HRB335)",
// "HRB335", "3", "-1") in the basis; empty when the text is none of these. A position
// need not be in the list (a list can be left without a selection), but the basis list
// takes only its two items.
std::optional<int> listPosition(List list, Basis basis, std::string_view text);
// The basis as keys name it: "2002", "2010".
std::string_view basisKey(Basis basis);
// The item at a position, or empty when the position shows none.
std::string_view listItem(List list, Basis basis, int position);

std::string_view boxName(Box box);     // "Text4"
std::string_view boxLabel(Box box);    // "墙厚度h5（mm）：" (empty for Text12)
std::string_view boxDefault(Box box);  // the text when the window opens
std::string_view listName(List list);  // "Combo1"
std::string_view listLabel(List list);
std::span<const std::string_view> listItems(List list, Basis basis = Basis::Gb2002);
// The box or list of a name ("Text4", "Combo1"); empty for none.
std::optional<Box> boxNamed(std::string_view name);
std::optional<List> listNamed(std::string_view name);
// The label of the box or list of a name ("墙厚度h5（mm）：", "砼强度等级："); empty for none.
std::string_view labelOfNamed(std::string_view name);

// The title of every message of a run, and the texts the window itself shows.
inline constexpr std::string_view kMessageTitle = "友情提示:";
inline constexpr std::string_view kHelpTitle = "友情帮助:";
inline constexpr std::string_view kInitialReport = "您可以在此处看到计算的全过程";

// Value of the civil-defence choice X.
inline constexpr int kNoChoiceYet = 20;
inline constexpr int kCivilDefence = 0;
inline constexpr int kOrdinary = 1;

}  // namespace wallcalc
