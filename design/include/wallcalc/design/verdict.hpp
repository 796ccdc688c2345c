#pragma once
// The verdict of a design: every check the program makes, judged. 满足 when all hold,
// else 不满足 with the list of what failed, each with its figures and what to change.
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace wallcalc::design {

enum class Check {
    Strength,      // αs < 0.5 and a bar of the list
    Xi,            // ξ ≤ ξb
    MinimumSteel,  // the bars placed meet the minimum steel
    Crack,         // the crack width of the bars placed within the limit
    Shear,         // V ≤ Vc
    Span,          // the inner face at the span
    Horizontal,    // the horizontal bars
    Thickness,     // the wall at least as thick as the codes ask
    Cover,         // the water-face cover
    CrackLimit,    // the crack-width limit typed no larger than the codes allow
    Concrete,      // the concrete grade the codes allow
};

struct CheckName {
    Check check;
    std::string_view key;   // "shear": the JSON's and the batch's name
    std::string_view name;  // "受剪": the verdict line's
};
std::span<const CheckName> checkNames();
const CheckName& checkName(Check check);

struct Failure {
    Check check;
    std::string text;  // what failed with its figures, and what to change
};

struct Verdict {
    std::vector<Failure> failed;

    bool ok() const { return failed.empty(); }
    void fail(Check check, std::string text);
    // "满足", or "不满足（受剪、裂缝）"; each check named once, in the order found.
    std::string line() const;
    // "受剪、裂缝" and "shear;crack": the names and keys of the failed checks, once each.
    std::string names() const;
    std::string keys() const;
};

}  // namespace wallcalc::design
