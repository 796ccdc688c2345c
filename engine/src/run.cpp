#include "run.hpp"

#include "wallcalc/engine/number_input.hpp"
#include "wallcalc/engine/rounding.hpp"
#include "wallcalc/engine/utf8.hpp"

namespace wallcalc::detail {
namespace {

const std::string& textOf(const CalcState& s, Input input) {
    switch (input) {
        case Input::h1:
            return s.h1;
        case Input::h2:
            return s.h2;
        case Input::h3:
            return s.h3;
        case Input::h4:
            return s.h4;
        case Input::h5:
            return s.h5;
        case Input::c1:
            return s.c1;
        case Input::TRZ:
            return s.TRZ;
        case Input::FJHZ:
            return s.FJHZ;
        case Input::fxxs:
            return s.fxxs;
        case Input::Wmax:
            return s.Wmax;
        case Input::ss:
            return s.ss;
        case Input::Count:
            break;
    }
    return s.h1;
}

// A typed text quoted in a message: valid UTF-8, control characters replaced, and
// cut short when it is long (a paste gone wrong should not fill the screen).
std::string quoted(std::string_view text) {
    constexpr std::size_t kMaxCharacters = 24;
    constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD
    std::string out = "“";
    std::size_t characters = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        if (characters == kMaxCharacters) {
            out += "…";
            break;
        }
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t length = utf8CharacterLength(text, i);
        if (length == 0 || c < 0x20 || c == 0x7F) {
            out += kReplacement;
            i += 1;
        } else {
            out.append(text.substr(i, length));
            i += length;
        }
        ++characters;
    }
    out += "”";
    return out;
}

}  // namespace

Box boxOf(Input input) {
    constexpr Box boxes[] = {Box::Text1, Box::Text2,  Box::Text3,  Box::Text16,
                             Box::Text4, Box::Text13, Box::Text14, Box::Text15,
                             Box::Text5, Box::Text8,  Box::Text10};
    return boxes[static_cast<std::size_t>(input)];
}

Step Run::number(Input input, double& out) {
    auto& cached = numbers_[static_cast<std::size_t>(input)];
    if (!cached) {
        const std::string& text = textOf(s, input);
        cached = toNumber(text);
        if (!cached) return Stop{notANumberMessage(boxOf(input), text)};
    }
    out = *cached;
    return std::nullopt;
}

Step Run::round(double value, std::string_view quantity, float& out) {
    const auto rounded = SSWR(value);
    if (!rounded) return Stop{outOfRangeMessage(quantity)};
    out = *rounded;
    return std::nullopt;
}

std::string notANumberMessage(Box box, std::string_view text) {
    std::string m(boxLabel(box));
    if (text.find_first_not_of(' ') == std::string_view::npos) {
        return m + "没有输入数值，请输入";
    }
    return m + quoted(text) + " 不是有效的数字，请重新输入";
}

std::string outOfRangeMessage(std::string_view quantity) {
    std::string m = "计算结果超出数值范围（";
    m += quantity;
    m += "），请检查输入数据";
    return m;
}

std::string mustBePositiveMessage(Box box, std::string_view text) {
    return std::string(boxLabel(box)) + quoted(text) + " 应大于0，请重新输入";
}

}  // namespace wallcalc::detail
