#include "run.hpp"

#include "wallcalc/engine/number_input.hpp"
#include "wallcalc/engine/rounding.hpp"
#include "wallcalc/engine/utf8.hpp"

namespace wallcalc::detail {
namespace {

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

Step Run::number(Input input, double& out) {
    auto& cached = s.inputValues[static_cast<std::size_t>(input)];
    if (!cached) {
        const InputBox& in = inputBox(input);
        const std::string& text = s.*in.field;
        cached = toNumber(text);
        if (!cached) return Stop{notANumberMessage(in.box, text)};
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

std::string tooSmallMessage(Box box, std::string_view text) {
    return std::string(boxLabel(box)) + quoted(text) + " 太小，计算结果超出数值范围，请重新输入";
}

std::string tooLargeMessage(Box box, std::string_view text) {
    return std::string(boxLabel(box)) + quoted(text) + " 太大，计算结果超出数值范围，请重新输入";
}

}  // namespace wallcalc::detail
