// 配筋汇总: the bars of each face at each position, from the supplementary design of the
// press's basis, with the areas as the calculation shows them.
#include <algorithm>

#include "wallcalc/engine/checks.hpp"
#include "wallcalc/engine/crack.hpp"
#include "wallcalc/engine/typeset_text.hpp"
#include "wallcalc/report/number_text.hpp"
#include "wallcalc/report/shown_value.hpp"
#include "wallcalc/sheet/calculation_sheet.hpp"

namespace wallcalc::sheet {
namespace {

constexpr std::string_view kBase = "迎水面竖向（墙底B处）";
constexpr std::string_view kSpan = "背水面竖向（跨中A处）";
constexpr std::string_view kEarthHorizontal = "迎水面水平";
constexpr std::string_view kInnerHorizontal = "背水面水平";

struct Writer {
    std::string_view symbol;
    std::string bars(int d, std::string_view spacing) const {
        return std::string(symbol) + std::to_string(d) + "@" + std::string(spacing);
    }
};

// A value of the 2002 basis: rounded to three decimals, 7 significant digits.
std::string single(float value) {
    return report::singleText(value);
}
// A value of the 2010 basis: unrounded, shown to three decimals.
std::string shown(double value) {
    return report::shownText(value);
}

SummaryRow missing(std::string_view position) {
    return {std::string(position), std::string(kNoValue), std::string(kNoValue),
            std::string(kNoValue), std::string(kNoValue)};
}

// ---- GB 50010-2002 ----

// Bars of the 2002 design at the typed spacing, with their area (π/4·d²·1000/s, rounded).
void placed2002(SummaryRow& row, const Writer& w, const Diameter& d, const Checks& c) {
    const int* mm = std::get_if<int>(&d);
    if (mm == nullptr) {
        row.bars = std::get<std::string>(d);
        row.provided = std::string(kNoValue);
        return;
    }
    row.bars = w.bars(*mm, c.spacingText);
    row.provided = single(barArea(*mm, c.spacing).value_or(0));
}

// The crack width of the bars a face places: that of the last pass where it met the limit
// (those are the bars placed), else that of the strength bars where it was taken.
std::string crack2002(const FaceDesign& f, const std::optional<StrengthBarsCrack>& strength) {
    if (f.crack && f.crack->end == CrackEnd::Met) return single(f.crack->last.W);
    if (strength) return single(strength->pass.W);
    return std::string(kNoValue);
}

SummaryRow vertical2002(std::string_view position, const Writer& w, const Checks& c,
                        const FaceDesign& f, const Governing::Choice* governing,
                        const std::optional<StrengthBarsCrack>& strength) {
    SummaryRow row;
    row.position = std::string(position);
    if (governing != nullptr) {
        placed2002(row, w, governing->bars(), c);
        row.required = single(std::max(governing->As(), c.minimum.As));
        row.crackWidth = std::string(kNoValue);  // civil-defence works: not calculated
        return row;
    }
    placed2002(row, w, f.placed, c);
    // The crack-controlled area where the crack check raised the steel and met the limit,
    // as the results show it.
    const bool cracked = f.crack && f.crack->end == CrackEnd::Met && f.crack->passes > 1;
    const float needed = cracked ? std::max(f.crack->Aas, f.strength.Aas) : f.strength.Aas;
    row.required = single(std::max(needed, c.minimum.As));
    row.crackWidth = crack2002(f, strength);
    return row;
}

SummaryRow horizontal2002(std::string_view position, const Writer& w, const Checks& c) {
    const HorizontalBars& h = c.horizontal;
    SummaryRow row;
    row.position = std::string(position);
    row.bars =
        h.diameter == 0 ? std::string(kTooLarge) : w.bars(h.diameter, c.horizontalSpacingText);
    row.provided = h.diameter == 0 ? std::string(kNoValue) : single(h.area);
    row.required = single(h.As);
    row.crackWidth = std::string(kNoValue);
    return row;
}

std::vector<SummaryRow> summary2002(const Checks& c, const Writer& w) {
    std::vector<SummaryRow> rows;
    const Governing* g = c.governing ? &*c.governing : nullptr;
    rows.push_back(vertical2002(kBase, w, c, *c.base, g ? &g->base : nullptr, c.strengthBarsCrack));
    if (c.span) {
        const Governing::Choice* span = g && g->span ? &*g->span : nullptr;
        rows.push_back(vertical2002(kSpan, w, c, *c.span, span, std::nullopt));
    } else {
        rows.push_back(missing(kSpan));
    }
    rows.push_back(horizontal2002(kEarthHorizontal, w, c));
    rows.push_back(horizontal2002(kInnerHorizontal, w, c));
    return rows;
}

// ---- GB 50010-2010 ----

void placed2010(SummaryRow& row, const Writer& w, const std::optional<design::Bars>& bars,
                std::string_view spacing) {
    row.bars = bars ? w.bars(bars->d, spacing) : std::string(kTooLarge);
    row.provided = bars ? shown(bars->area) : std::string(kNoValue);
}

SummaryRow vertical2010(std::string_view position, const Writer& w, const Checks& c,
                        const design::FaceDesign& f,
                        const std::optional<Supplementary2010::Choice>& governing) {
    SummaryRow row;
    row.position = std::string(position);
    if (governing) {
        placed2010(row, w, governing->bars(), c.spacingText);
        row.required = shown(governing->As());
        row.crackWidth = std::string(kNoValue);
        return row;
    }
    placed2010(row, w, f.placed, c.spacingText);
    // Bars grown beyond the strength bars until the crack width held: their area is what
    // the crack width requires.
    const bool grown = f.crackMet && f.placed && f.strengthBars && f.placed->d > f.strengthBars->d;
    row.required = shown(grown ? f.placed->area : std::max(f.strength.As, f.AsMin));
    row.crackWidth = f.crack ? shown(f.crack->w) : std::string(kNoValue);
    return row;
}

SummaryRow horizontal2010(std::string_view position, const Writer& w,
                          const design::HorizontalBars& h) {
    SummaryRow row;
    row.position = std::string(position);
    placed2010(row, w, h.bars, report::doubleText(h.spacing));
    row.required = shown(h.As);
    row.crackWidth = std::string(kNoValue);
    return row;
}

std::vector<SummaryRow> summary2010(const Checks& c, const Writer& w) {
    const Supplementary2010& s = *c.code2010;
    std::vector<SummaryRow> rows;
    rows.push_back(vertical2010(kBase, w, c, s.base, s.governingBase));
    rows.push_back(s.span ? vertical2010(kSpan, w, c, *s.span, s.governingSpan) : missing(kSpan));
    rows.push_back(horizontal2010(kEarthHorizontal, w, s.earthHorizontal));
    rows.push_back(horizontal2010(kInnerHorizontal, w, s.innerHorizontal));
    return rows;
}

}  // namespace

std::vector<SummaryRow> summaryOf(const PressResult& press) {
    if (!press.checks) return {};
    const Checks& c = *press.checks;
    const Writer w{notationOf(press).barSymbol};
    if (c.code2010) return summary2010(c, w);
    if (!c.base) return {};
    return summary2002(c, w);
}

}  // namespace wallcalc::sheet
