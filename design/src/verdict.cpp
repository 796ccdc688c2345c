#include "wallcalc/design/verdict.hpp"

#include <algorithm>

namespace wallcalc::design {
namespace {

constexpr CheckName kNames[] = {
    {Check::Strength, "strength", "强度"},
    {Check::Xi, "xi", "受压区高度"},
    {Check::MinimumSteel, "minimumSteel", "最小配筋"},
    {Check::Crack, "crack", "裂缝"},
    {Check::Shear, "shear", "受剪"},
    {Check::Span, "span", "跨中"},
    {Check::Horizontal, "horizontal", "水平钢筋"},
    {Check::Thickness, "thickness", "墙厚"},
    {Check::Cover, "cover", "保护层"},
    {Check::CrackLimit, "crackLimit", "裂缝限值"},
    {Check::Concrete, "concrete", "砼强度等级"},
};

// The failed checks, each once, in the order they were found.
std::vector<Check> distinct(const std::vector<Failure>& failed) {
    std::vector<Check> out;
    for (const Failure& f : failed) {
        if (std::find(out.begin(), out.end(), f.check) == out.end()) out.push_back(f.check);
    }
    return out;
}

std::string joined(const std::vector<Failure>& failed, std::string_view CheckName::*field,
                   std::string_view separator) {
    std::string out;
    for (const Check c : distinct(failed)) {
        if (!out.empty()) out += separator;
        out += checkName(c).*field;
    }
    return out;
}

}  // namespace

std::span<const CheckName> checkNames() {
    return kNames;
}

const CheckName& checkName(Check check) {
    return kNames[static_cast<std::size_t>(check)];
}

void Verdict::fail(Check check, std::string text) {
    failed.push_back({check, std::move(text)});
}

std::string Verdict::line() const {
    if (ok()) return "满足";
    return "不满足（" + names() + "）";
}

std::string Verdict::names() const {
    return joined(failed, &CheckName::name, "、");
}

std::string Verdict::keys() const {
    return joined(failed, &CheckName::key, ";");
}

}  // namespace wallcalc::design
