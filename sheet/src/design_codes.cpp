#include "wallcalc/sheet/design_codes.hpp"

namespace wallcalc::sheet {

const std::vector<DesignBasis>& designBases() {
    static const std::vector<DesignBasis> bases = {
        {"GB 50010-2002", {{"GB 50010-2002", "混凝土结构设计规范"}}},
        {"GB 50010-2010(2015年版)",
         {{"GB 50010-2010(2015年版)", "混凝土结构设计规范"},
          {"GB 55001-2021", "工程结构通用规范"}}},
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
    if (basis < designBases().size()) {
        for (const DesignCode& code : designBases()[basis].codes)
            lines.push_back(codeLine(code));
    }
    if (civilDefence) lines.push_back(codeLine(civilDefenceCode()));
    return lines;
}

}  // namespace wallcalc::sheet
