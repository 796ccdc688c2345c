#include "wallcalc/engine/check_fields.hpp"

namespace wallcalc {
namespace {

// Bars as drawings and the JSON write them: "12@100"; "太大了" when none fits.
CheckValue barsAt(const Diameter& d, std::string_view spacing) {
    if (const int* mm = std::get_if<int>(&d))
        return std::to_string(*mm) + "@" + std::string(spacing);
    return std::get<std::string>(d);
}

constexpr CheckField kFields[] = {
    {"member", "baseMoment", [](const Checks& c) -> CheckValue { return c.member.MB; }},
    {"member", "spanMoment", [](const Checks& c) -> CheckValue { return c.member.MA; }},
    {"member", "spanDepth", [](const Checks& c) -> CheckValue { return c.member.xA; }},
    {"member", "topReaction", [](const Checks& c) -> CheckValue { return c.member.R; }},
    {"member", "baseShear", [](const Checks& c) -> CheckValue { return c.member.VB; }},
    {"span", "As",
     [](const Checks& c) -> CheckValue {
         if (!c.span) return {};
         return c.span->strength.Aas;
     }},
    {"span", "bars",
     [](const Checks& c) -> CheckValue {
         if (!c.span) return {};
         return barsAt(c.span->placed, c.spacingText);
     }},
    {"xi", "base", [](const Checks& c) -> CheckValue { return c.xi.base; }},
    {"xi", "span",
     [](const Checks& c) -> CheckValue {
         if (!c.span) return {};
         return c.xi.span;
     }},
    {"xi", "limit", [](const Checks& c) -> CheckValue { return c.xi.xib; }},
    {"", "minAs", [](const Checks& c) -> CheckValue { return c.minimum.As; }},
    {"horizontal", "As", [](const Checks& c) -> CheckValue { return c.horizontal.As; }},
    {"horizontal", "bars",
     [](const Checks& c) -> CheckValue {
         if (c.horizontal.diameter == 0) return std::string(kTooLarge);
         return barsAt(c.horizontal.diameter, c.horizontalSpacingText);
     }},
    {"shear", "design", [](const Checks& c) -> CheckValue { return c.shear.V; }},
    {"shear", "capacity", [](const Checks& c) -> CheckValue { return c.shear.capacity; }},
    {"strengthBarsCrack", "area",
     [](const Checks& c) -> CheckValue {
         if (!c.strengthBarsCrack) return {};
         return c.strengthBarsCrack->area;
     }},
    {"strengthBarsCrack", "Wmax",
     [](const Checks& c) -> CheckValue {
         if (!c.strengthBarsCrack) return {};
         return c.strengthBarsCrack->pass.W;
     }},
    {"strengthBarsCrack", "meets",
     [](const Checks& c) -> CheckValue {
         if (!c.strengthBarsCrack) return {};
         return c.strengthBarsCrack->meets;
     }},
    {"plainBarsCrack", "Wmax",
     [](const Checks& c) -> CheckValue {
         if (!c.plainBars) return {};
         return c.plainBars->W;
     }},
    {"plainBarsCrack", "meets",
     [](const Checks& c) -> CheckValue {
         if (!c.plainBars) return {};
         return c.plainBars->meets;
     }},
    {"governing", "As",
     [](const Checks& c) -> CheckValue {
         if (!c.governing) return {};
         return c.governing->base.As();
     }},
    {"governing", "bars",
     [](const Checks& c) -> CheckValue {
         if (!c.governing) return {};
         return barsAt(c.governing->base.bars(), c.spacingText);
     }},
    {"governing", "from",
     [](const Checks& c) -> CheckValue {
         if (!c.governing) return {};
         return std::string(c.governing->base.fromOrdinary ? "ordinary" : "civil-defence");
     }},
    {"", "warnings", [](const Checks& c) -> CheckValue { return c.warnings; }},
};

}  // namespace

std::span<const CheckField> checkFields() {
    return kFields;
}

std::string checkColumn(const CheckField& field) {
    if (field.group.empty()) return std::string(field.key);
    return std::string(field.group) + "." + std::string(field.key);
}

}  // namespace wallcalc
