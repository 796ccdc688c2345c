#include "help_text.hpp"

namespace wallcalc::app {
namespace {

// Paragraph by paragraph, an empty line between two: what the program designs, how to use
// it, the two design bases, the supplementary design, wall files and the calculation
// sheet, what it assumes, and where to send suggestions. A part of the program that comes
// later (the wall model) is a paragraph of its own before the assumptions.
constexpr std::string_view kLines[] = {
    "    本程序计算地下室外墙（顶板处简支、底板处固定的1米宽墙条）在土压力（地下水位上下）、"
    "水压力、附加荷载及人防荷载作用下底部A处的竖向受力钢筋：弯矩MBk、按强度所需的钢筋与"
    "按裂缝宽度控制所需的钢筋。",
    "",
    "    使用：先选“人防”或“非人防”，填写标高、墙厚、保护层厚度等，选择砼强度等级、钢筋种类和"
    "情况，按“计算”。“计算过程”逐条列出公式及代入的数值。",
    "",
    "    设计规范：可选两种依据。",
    "        GB 50010-2002：程序一贯的计算，荷载效应乘以荷载分项系数η。",
    "        GB 50010-2010(2015年版)：现行规范，永久荷载分项系数γG与可变荷载分项系数γQ按"
    "GB 55001-2021，裂缝宽度按准永久组合（附加荷载准永久值系数ψq）计算；超筋时只给出MBk。",
    "        人防工程的材料强度另按GB 50038-2005调整。",
    "",
    "    补充验算：每次计算完成后，按同样的输入设计整片外墙：跨中内侧（保护层c2）的钢筋与"
    "裂缝、受压区高度ξ、最小配筋率、水平分布钢筋、底部受剪，人防工程另与非人防的结果比较"
    "取大值，并提示可疑的输入。补充验算不改变六个计算结果和计算过程。",
    "",
    "    墙体文件与计算书：墙体文件（.wall）保存全部输入与计算书信息，可再打开继续计算；"
    "计算完成后可打印计算书或导出为PDF，供校对、审核签字。",
    "",
    "    说明：外墙的计算厚度h0为墙厚减掉保护层厚，未考虑钢筋直径，如要求精确，可在输入"
    "保护层厚度时加上钢筋直径的一半。程序中考虑了砼（高标号与人防）与钢筋（人防）的强度"
    "调整系数。",
    "",
    "    意见和建议请到本项目的问题跟踪（Issues）中留言。",
};

}  // namespace

std::span<const std::string_view> helpLines() {
    return kLines;
}

std::string helpText() {
    std::string text;
    for (std::size_t i = 0; i < std::size(kLines); ++i) {
        if (i > 0) text += "\r\n";
        text += kLines[i];
    }
    return text;
}

}  // namespace wallcalc::app
