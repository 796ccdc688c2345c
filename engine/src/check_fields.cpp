#include "wallcalc/engine/check_fields.hpp"

#include "wallcalc/report/number_text.hpp"

namespace wallcalc {
namespace {

// Bars as drawings and the JSON write them: "12@100"; "太大了" when none fits.
CheckValue barsAt(const Diameter& d, std::string_view spacing) {
    if (const int* mm = std::get_if<int>(&d))
        return std::to_string(*mm) + "@" + std::string(spacing);
    return std::get<std::string>(d);
}

// Bars of the 2010 design: "12@100"; "太大了" when none fits.
CheckValue barsAt(const std::optional<design::Bars>& b, std::string_view spacing) {
    if (!b) return std::string(kTooLarge);
    return barsAt(Diameter{b->d}, spacing);
}

// A value of the basis the checks were made in: the 2002 one's, or the unrounded 2010 one's.
template <typename Of2002, typename Of2010>
CheckValue byBasis(const Checks& c, Of2002 of2002, Of2010 of2010) {
    if (c.code2010) return of2010(*c.code2010);
    return of2002(c);
}

using S = Supplementary2010;

constexpr CheckField kFields[] = {
    {"member", "baseMoment", [](const Checks& c) -> CheckValue { return c.member.MB; }},
    {"member", "spanMoment", [](const Checks& c) -> CheckValue { return c.member.MA; }},
    {"member", "spanDepth", [](const Checks& c) -> CheckValue { return c.member.xA; }},
    {"member", "topReaction", [](const Checks& c) -> CheckValue { return c.member.R; }},
    {"member", "baseShear", [](const Checks& c) -> CheckValue { return c.member.VB; }},
    {"span", "As",
     [](const Checks& c) {
         return byBasis(
             c,
             [](const Checks& c) -> CheckValue {
                 if (!c.span) return {};
                 return c.span->strength.Aas;
             },
             [](const S& s) -> CheckValue {
                 if (!s.span) return {};
                 return s.span->strength.As;
             });
     }},
    {"span", "bars",
     [](const Checks& c) {
         return byBasis(
             c,
             [](const Checks& c) -> CheckValue {
                 if (!c.span) return {};
                 return barsAt(c.span->placed, c.spacingText);
             },
             [&c](const S& s) -> CheckValue {
                 if (!s.span) return {};
                 return barsAt(s.span->placed, c.spacingText);
             });
     }},
    {"xi", "base",
     [](const Checks& c) {
         return byBasis(
             c, [](const Checks& c) -> CheckValue { return c.xi.base; },
             [](const S& s) -> CheckValue { return s.base.strength.xi; });
     }},
    {"xi", "span",
     [](const Checks& c) {
         return byBasis(
             c,
             [](const Checks& c) -> CheckValue {
                 if (!c.span) return {};
                 return c.xi.span;
             },
             [](const S& s) -> CheckValue {
                 if (!s.span) return {};
                 return s.span->strength.xi;
             });
     }},
    {"xi", "limit",
     [](const Checks& c) {
         return byBasis(
             c, [](const Checks& c) -> CheckValue { return c.xi.xib; },
             [](const S& s) -> CheckValue { return s.xiB; });
     }},
    {"", "minAs",
     [](const Checks& c) {
         return byBasis(
             c, [](const Checks& c) -> CheckValue { return c.minimum.As; },
             [](const S& s) -> CheckValue { return s.base.AsMin; });
     }},
    {"horizontal", "As",
     [](const Checks& c) {
         return byBasis(
             c, [](const Checks& c) -> CheckValue { return c.horizontal.As; },
             [](const S& s) -> CheckValue { return s.earthHorizontal.As; });
     }},
    {"horizontal", "bars",
     [](const Checks& c) {
         return byBasis(
             c,
             [](const Checks& c) -> CheckValue {
                 if (c.horizontal.diameter == 0) return std::string(kTooLarge);
                 return barsAt(c.horizontal.diameter, c.horizontalSpacingText);
             },
             [](const S& s) -> CheckValue {
                 const auto& h = s.earthHorizontal;
                 return barsAt(h.bars, report::doubleText(h.spacing));
             });
     }},
    {"horizontal", "innerAs",
     [](const Checks& c) -> CheckValue {
         if (!c.code2010) return {};
         return c.code2010->innerHorizontal.As;
     }},
    {"horizontal", "innerBars",
     [](const Checks& c) -> CheckValue {
         if (!c.code2010) return {};
         const auto& h = c.code2010->innerHorizontal;
         return barsAt(h.bars, report::doubleText(h.spacing));
     }},
    {"shear", "design",
     [](const Checks& c) {
         return byBasis(
             c, [](const Checks& c) -> CheckValue { return c.shear.V; },
             [](const S& s) -> CheckValue { return s.shear.V; });
     }},
    {"shear", "capacity",
     [](const Checks& c) {
         return byBasis(
             c, [](const Checks& c) -> CheckValue { return c.shear.capacity; },
             [](const S& s) -> CheckValue { return s.shear.Vc; });
     }},
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
     [](const Checks& c) {
         return byBasis(
             c,
             [](const Checks& c) -> CheckValue {
                 if (!c.governing) return {};
                 return c.governing->base.As();
             },
             [](const S& s) -> CheckValue {
                 if (!s.governingBase) return {};
                 return s.governingBase->As();
             });
     }},
    {"governing", "bars",
     [](const Checks& c) {
         return byBasis(
             c,
             [](const Checks& c) -> CheckValue {
                 if (!c.governing) return {};
                 return barsAt(c.governing->base.bars(), c.spacingText);
             },
             [&c](const S& s) -> CheckValue {
                 if (!s.governingBase) return {};
                 return barsAt(s.governingBase->bars(), c.spacingText);
             });
     }},
    {"governing", "from",
     [](const Checks& c) {
         return byBasis(
             c,
             [](const Checks& c) -> CheckValue {
                 if (!c.governing) return {};
                 return std::string(c.governing->base.fromOrdinary ? "ordinary" : "civil-defence");
             },
             [](const S& s) -> CheckValue {
                 if (!s.governingBase) return {};
                 return std::string(s.governingBase->fromOrdinary ? "ordinary" : "civil-defence");
             });
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
