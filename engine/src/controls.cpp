#include "wallcalc/engine/controls.hpp"

#include <algorithm>
#include <charconv>

namespace wallcalc {
namespace {

using report::Slot;

constexpr InputBox kInputs[kInputCount] = {
    {Input::h1, Box::Text1, "h1", "h1", "h1(m)：", "m", "-0.45", &CalcState::h1, Slot::h1},
    {Input::h2, Box::Text2, "h2", "h2", "h2(m)：", "m", "-1.35", &CalcState::h2, Slot::h2},
    {Input::h3, Box::Text3, "h3", "h3", "h3(m)：", "m", "-2.45", &CalcState::h3, Slot::h3},
    {Input::h4, Box::Text16, "h4", "h4", "h4(m)：", "m", "-6.3", &CalcState::h4, Slot::h4},
    {Input::RFHZ, Box::Text20, "qrf", "qrf", "人防荷载(kN/m2)：", "kN/m2", "0", nullptr,
     Slot::Count},
    {Input::h5, Box::Text4, "h5", "h5", "墙厚度h5（mm）：", "mm", "350", &CalcState::h5, Slot::h5},
    {Input::c1, Box::Text13, "c1", "c1", "迎水面保护层厚度c1(mm)：", "mm", "50", &CalcState::c1,
     Slot::c1},
    {Input::c2, Box::Text17, "c2", "c2", "背水面保护层厚度c2(mm)：", "mm", "30", nullptr,
     Slot::Count},
    {Input::TRZ, Box::Text14, "gamma", "gamma", "土容重(kN/m3)：", "kN/m3", "18", &CalcState::TRZ,
     Slot::TRZ},
    {Input::FJHZ, Box::Text15, "qfj", "qfj", "附加荷载(kN/m2)：", "kN/m2", "10", &CalcState::FJHZ,
     Slot::FJHZ},
    {Input::fxxs, Box::Text5, "eta", "eta", "荷载分项系数：", "", "1.35", &CalcState::fxxs,
     Slot::fxxs, ReadIn::Gb2002},
    {Input::gammaG, Box::Text21, "gammaG", "gamma-g", "永久荷载分项系数γG：", "", "1.3",
     &CalcState::gammaG, Slot::gammaG, ReadIn::Gb2010},
    {Input::gammaQ, Box::Text22, "gammaQ", "gamma-q", "可变荷载分项系数γQ：", "", "1.5",
     &CalcState::gammaQ, Slot::gammaQ, ReadIn::Gb2010},
    {Input::psiq, Box::Text23, "psiq", "psi-q", "附加荷载准永久值系数ψq：", "", "0.5",
     &CalcState::psiq, Slot::psiq, ReadIn::Gb2010},
    {Input::gamma0, Box::Text24, "gamma0", "gamma0", "结构重要性系数γ0：", "", "1.0",
     &CalcState::gamma0, Slot::gamma0, ReadIn::Gb2010},
    {Input::ss, Box::Text10, "spacing", "spacing", "钢筋间距（mm）：", "mm", "100", &CalcState::ss,
     Slot::ss},
    {Input::Wmax, Box::Text8, "limit", "limit", "裂缝限值（mm）：", "mm", "0.2", &CalcState::Wmax,
     Slot::Wmax},
};

constexpr ResultBox kResults[kResultCount] = {
    {Box::Text6, "MBk", "MBk（kN.m）：", 0, 0},
    {Box::Text7, "As", "As（mm2）：", 0, 1},
    {Box::Text19, "bars", "选用钢筋（mm）：", 0, 2},
    {Box::Text9, "crackAs", "As（mm2）：", 1, 0},
    {Box::Text11, "Wmax", "Wmax（mm）：", 1, 2},
    {Box::Text18, "crackBars", "选用钢筋（mm）：", 1, 1},
};

constexpr auto kResultsAsShown = [] {
    std::array<ResultBox, kResultCount> shown{};
    std::copy(std::begin(kResults), std::end(kResults), shown.begin());
    std::sort(shown.begin(), shown.end(), [](const ResultBox& a, const ResultBox& b) {
        return a.frame != b.frame ? a.frame < b.frame : a.row < b.row;
    });
    return shown;
}();

constexpr std::string_view kConcrete[] = {"C15", "C20", "C25", "C30", "C35", "C40", "C45",
                                          "C50", "C55", "C60", "C65", "C70", "C75", "C80"};
constexpr std::string_view kSteel2002[] = {"Ⅰ级(HPB235)", "Ⅱ级(HRB335)", "Ⅲ级(HRB400)",
                                           "Ⅳ级(RRB400)"};
constexpr std::string_view kSteelGrades2002[] = {"HPB235", "HRB335", "HRB400", "RRB400"};
constexpr std::string_view kSteel2010[] = {"HPB300", "HRB335", "HRB400", "RRB400", "HRB500"};
constexpr std::string_view kSteelSymbols[] = {"Φ", "B", "C", "CR", "D"};
constexpr std::string_view kCases[] = {"情况A", "情况B", "情况C"};
constexpr std::string_view kCaseLetters[] = {"A", "B", "C"};
constexpr std::string_view kBases[] = {"GB 50010-2002", "GB 50010-2010(2015年版)"};
constexpr std::string_view kBasisYears[] = {"2002", "2010"};

constexpr ListItems kConcreteItems{kConcrete, {}, {}};
constexpr ListItems kCaseItems{kCases, kCaseLetters, {}};
constexpr ListItems kBasisItems{kBases, kBasisYears, {}};

constexpr ListInfo kLists[kListCount] = {
    {List::Combo1, "Combo1", "砼强度等级：", "concrete", {kConcreteItems, kConcreteItems}},
    {List::Combo2,
     "Combo2",
     "钢筋种类：",
     "steel",
     {ListItems{kSteel2002, kSteelGrades2002, std::span(kSteelSymbols).first(4)},
      ListItems{kSteel2010, {}, kSteelSymbols}}},
    {List::Combo3, "Combo3", "情况选择：", "case", {kCaseItems, kCaseItems}},
    {List::Combo4, "Combo4", "设计规范：", "basis", {kBasisItems, kBasisItems}},
};

constexpr std::string_view kBoxNames[kBoxCount] = {
    "Text1",  "Text2",  "Text3",  "Text4",  "Text5",  "Text6",  "Text7",  "Text8",
    "Text9",  "Text10", "Text11", "Text12", "Text13", "Text14", "Text15", "Text16",
    "Text17", "Text18", "Text19", "Text20", "Text21", "Text22", "Text23", "Text24",
};

const ResultBox* resultIn(Box box) {
    for (const ResultBox& r : kResults) {
        if (r.box == box) return &r;
    }
    return nullptr;
}

std::optional<int> positionIn(std::span<const std::string_view> names, std::string_view text) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == text) return static_cast<int>(i);
    }
    return std::nullopt;
}

}  // namespace

std::span<const InputBox> inputBoxes() {
    return kInputs;
}

const InputBox& inputBox(Input input) {
    return kInputs[static_cast<std::size_t>(input)];
}

const InputBox* inputIn(Box box) {
    for (const InputBox& in : kInputs) {
        if (in.box == box) return &in;
    }
    return nullptr;
}

std::span<const ResultBox> resultBoxes() {
    return kResults;
}

std::span<const ResultBox> resultBoxesAsShown() {
    return kResultsAsShown;
}

std::string_view frameCaption(int frame) {
    return frame == 0 ? "配筋计算结果：" : "裂缝控制：";
}

std::span<const ListInfo> lists() {
    return kLists;
}

const ListInfo& listInfo(List list) {
    return kLists[index(list)];
}

std::optional<int> listPosition(List list, Basis basis, std::string_view text) {
    const ListItems& items = listInfo(list).byBasis[index(basis)];
    if (auto p = positionIn(items.items, text)) return p;
    if (auto p = positionIn(items.shortNames, text)) return p;
    int position = 0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), position);
    if (res.ec != std::errc{} || res.ptr != text.data() + text.size()) return std::nullopt;
    // The basis is always one of the two.
    if (list == List::Combo4 && (position < 0 || position >= static_cast<int>(kBasisCount))) {
        return std::nullopt;
    }
    return position;
}

std::string_view basisKey(Basis basis) {
    return kBasisYears[index(basis)];
}

std::string_view listItem(List list, Basis basis, int position) {
    const auto items = listItems(list, basis);
    if (position < 0 || static_cast<std::size_t>(position) >= items.size()) return {};
    return items[static_cast<std::size_t>(position)];
}

std::string_view boxName(Box box) {
    return kBoxNames[index(box)];
}

std::string_view boxLabel(Box box) {
    if (const InputBox* in = inputIn(box)) return in->label;
    if (const ResultBox* r = resultIn(box)) return r->label;
    return {};
}

std::string_view boxDefault(Box box) {
    if (const InputBox* in = inputIn(box)) return in->initial;
    if (box == Box::Text12) return kInitialReport;
    return {};
}

std::string_view listName(List list) {
    return listInfo(list).name;
}

std::string_view listLabel(List list) {
    return listInfo(list).label;
}

std::span<const std::string_view> listItems(List list, Basis basis) {
    return listInfo(list).byBasis[index(basis)].items;
}

std::optional<Box> boxNamed(std::string_view name) {
    for (std::size_t i = 0; i < kBoxCount; ++i) {
        if (kBoxNames[i] == name) return static_cast<Box>(i);
    }
    return std::nullopt;
}

std::optional<List> listNamed(std::string_view name) {
    for (const ListInfo& l : lists()) {
        if (l.name == name) return l.list;
    }
    return std::nullopt;
}

std::string_view labelOfNamed(std::string_view name) {
    if (const auto box = boxNamed(name)) return boxLabel(*box);
    if (const auto list = listNamed(name)) return listLabel(*list);
    return {};
}

}  // namespace wallcalc
