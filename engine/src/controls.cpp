#include "wallcalc/engine/controls.hpp"

namespace wallcalc {
namespace {

struct BoxInfo {
    std::string_view name;
    std::string_view label;
    std::string_view initial;
};

constexpr BoxInfo kBoxes[kBoxCount] = {
    {"Text1", "h1(m)：", "-0.45"},
    {"Text2", "h2(m)：", "-1.35"},
    {"Text3", "h3(m)：", "-2.45"},
    {"Text4", "墙厚度h5（mm）：", "350"},
    {"Text5", "荷载分项系数：", "1.35"},
    {"Text6", "MBk（kN.m）：", ""},
    {"Text7", "As（mm2）：", ""},
    {"Text8", "裂缝限值（mm）：", "0.2"},
    {"Text9", "As（mm2）：", ""},
    {"Text10", "钢筋间距（mm）：", "100"},
    {"Text11", "Wmax（mm）：", ""},
    {"Text12", "", "您可以在此处看到计算的全过程"},
    {"Text13", "迎水面保护层厚度c1(mm)：", "50"},
    {"Text14", "土容重(kN/m3)：", "18"},
    {"Text15", "附加荷载(kN/m2)：", "10"},
    {"Text16", "h4(m)：", "-6.3"},
    {"Text17", "背水面保护层厚度c2(mm)：", "30"},
    {"Text18", "选用钢筋（mm）：", ""},
    {"Text19", "选用钢筋（mm）：", ""},
    {"Text20", "人防荷载(kN/m2)：", "0"},
};

constexpr std::string_view kConcrete[] = {"C15", "C20", "C25", "C30", "C35", "C40", "C45",
                                          "C50", "C55", "C60", "C65", "C70", "C75", "C80"};
constexpr std::string_view kSteel[] = {"Ⅰ级(HPB235)", "Ⅱ级(HRB335)", "Ⅲ级(HRB400)", "Ⅳ级(RRB400)"};
constexpr std::string_view kCases[] = {"情况A", "情况B", "情况C"};

}  // namespace

std::string_view boxName(Box box) {
    return kBoxes[index(box)].name;
}
std::string_view boxLabel(Box box) {
    return kBoxes[index(box)].label;
}
std::string_view boxDefault(Box box) {
    return kBoxes[index(box)].initial;
}

std::string_view listName(List list) {
    constexpr std::string_view names[] = {"Combo1", "Combo2", "Combo3"};
    return names[index(list)];
}

std::string_view listLabel(List list) {
    constexpr std::string_view labels[] = {"砼强度等级：", "钢筋种类：", "情况选择："};
    return labels[index(list)];
}

std::span<const std::string_view> listItems(List list) {
    switch (list) {
        case List::Combo1:
            return kConcrete;
        case List::Combo2:
            return kSteel;
        case List::Combo3:
            return kCases;
    }
    return {};
}

}  // namespace wallcalc
