#include "wallcalc/sheet/design_codes.hpp"

namespace wallcalc::sheet {

const std::vector<DesignBasis>& designBases() {
    static const std::vector<DesignBasis> bases = {
        {"GB 50010-2002", {"GB 50010-2002", "混凝土结构设计规范"}},
    };
    return bases;
}

const DesignCode& civilDefenceCode() {
    static constexpr DesignCode code = {"GB 50038-2005", "人民防空地下室设计规范"};
    return code;
}

std::string codeLine(const DesignCode& code) {
    return std::string(code.number) + "《" + std::string(code.title) + "》";
}

std::vector<std::string> designCodeLines(std::size_t basis, bool civilDefence) {
    std::vector<std::string> lines;
    if (basis < designBases().size()) lines.push_back(codeLine(designBases()[basis].concreteCode));
    if (civilDefence) lines.push_back(codeLine(civilDefenceCode()));
    return lines;
}

}  // namespace wallcalc::sheet
