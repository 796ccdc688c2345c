#pragma once
// The codes a design follows, as the calculation sheet and the window's "关于" name them:
// the concrete code of the design basis and, in civil-defence works, the civil-defence
// code. One table of bases; a further basis is one more row of it.
#include <string>
#include <string_view>
#include <vector>

namespace wallcalc::sheet {

struct DesignCode {
    std::string_view number;  // "GB 50010-2002"
    std::string_view title;   // "混凝土结构设计规范"
};

// The basis the calculation follows: its name and the codes it rests on.
struct DesignBasis {
    std::string_view name;
    std::vector<DesignCode> codes;
};

// Every basis the program knows, the one it calculates with first.
const std::vector<DesignBasis>& designBases();
// The code of civil-defence works, added to the basis's own.
const DesignCode& civilDefenceCode();

// One line per code: "GB 50010-2002《混凝土结构设计规范》".
std::string codeLine(const DesignCode& code);
// The lines of a calculation with `basis` (by its place in designBases(), which is its
// place in the window's list "设计规范：").
std::vector<std::string> designCodeLines(std::size_t basis, bool civilDefence);

}  // namespace wallcalc::sheet
