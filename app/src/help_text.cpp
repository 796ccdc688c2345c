#include "help_text.hpp"

namespace wallcalc::app {
namespace {

constexpr std::string_view kLines[] = {
    "    本程序有些内容还没有完成，如：",
    "        1.A处受力钢筋的计算 ",
    "        2.水平钢筋的计算 ",
    "    本人会在工作之余不断更新。 ",
    "    程序中考虑了砼(高标号与人防)与钢筋（人防）的强度调整系数。",
    "    外墙的计算厚度h0为墙厚减掉保护层厚，未考虑钢筋直径，如要求精确，",
    " 可在输入保护层厚度时加上已算出钢筋直径的一半。",
    "    A处受力钢筋与水平钢筋现已在“补充验算”中给出；欢迎提出意见和建议，"
    "请到本项目的问题跟踪（Issues）中留言。",
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
