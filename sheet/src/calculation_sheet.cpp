#include "wallcalc/sheet/calculation_sheet.hpp"

#include <algorithm>
#include <charconv>

#include "sheet_figure.hpp"
#include "wallcalc/engine/materials.hpp"
#include "wallcalc/engine/number_input.hpp"
#include "wallcalc/engine/typeset_text.hpp"
#include "wallcalc/report/number_text.hpp"
#include "wallcalc/sheet/design_codes.hpp"

namespace wallcalc::sheet {
namespace {

// The window's labels end in a full-width colon; in a table the column says it.
std::string withoutColon(std::string_view label) {
    constexpr std::string_view colon = "：";
    if (label.ends_with(colon)) label.remove_suffix(colon.size());
    return std::string(label);
}

// The item at `position` of a list, or nothing when no item is selected.
std::string_view itemAt(std::span<const std::string_view> items, int position) {
    if (position < 0 || static_cast<std::size_t>(position) >= items.size()) return {};
    return items[static_cast<std::size_t>(position)];
}

SheetEntry listEntry(const PressResult& press, const ListInfo& list) {
    return {withoutColon(list.label),
            std::string(listItem(list.list, press.basis(), press.lists[index(list.list)]))};
}

bool wholeNumber(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Bars as drawings write them: the grade's symbol, the diameter, "@" and the spacing as
// typed (Φ20@100). A box without a diameter ("太大了", blank) is shown as it stands.
struct Bars {
    std::string text;
    std::string note;  // for an odd diameter, what it stands for
};

Bars barsOf(std::string_view diameter, std::string_view symbol, std::string_view spacing) {
    if (!wholeNumber(diameter)) return {std::string(diameter), {}};
    const std::string sym(symbol);
    Bars bars{sym + std::string(diameter) + "@" + std::string(spacing), {}};
    // An odd diameter from the crack check stands for the two sizes either side of it
    // placed alternately, each at twice the spacing, as the note of the calculation text
    // says: 19@100 is 18@200+20@200.
    long long d = 0;
    const auto read = std::from_chars(diameter.data(), diameter.data() + diameter.size(), d);
    const auto s = toNumber(spacing);
    if (read.ec == std::errc() && d % 2 == 1 && s) {
        const std::string twice = report::doubleText(2 * *s);
        bars.note = "注：" + bars.text + " 即 " + sym + std::to_string(d - 1) + "@" + twice + "+" +
                    sym + std::to_string(d + 1) + "@" + twice + "，两种直径交替布置。";
    }
    return bars;
}

// The results frame by frame, the two bar boxes in bar notation.
void fillResults(CalculationSheet& sheet, const PressResult& press) {
    const int steel = press.lists[index(List::Combo2)];
    const std::string_view symbol =
        itemAt(listInfo(List::Combo2).byBasis[index(press.basis())].barSymbols, steel);
    const std::string& spacing = press.text(inputBox(Input::ss).box);
    for (const ResultBox& r : resultBoxesAsShown()) {
        if (sheet.results.size() <= static_cast<std::size_t>(r.frame)) {
            sheet.results.push_back({withoutColon(frameCaption(r.frame)), {}});
        }
        std::string value = press.text(r.box);
        if (r.box == Box::Text19 || r.box == Box::Text18) {
            Bars bars = barsOf(value, symbol, spacing);
            value = std::move(bars.text);
            if (!bars.note.empty()) sheet.resultNotes.push_back(std::move(bars.note));
        }
        sheet.results.back().entries.push_back({withoutColon(r.label), std::move(value)});
    }
}

// Es as engineers write it: 2.1×10^5.
std::string modulusText(double Es) {
    return report::doubleText(Es / 1e5) + "×10^5";
}

// The strengths the press calculated with, and Es of its steel grade.
void fillMaterials(CalculationSheet& sheet, const PressResult& press) {
    const int concrete = press.lists[index(List::Combo1)];
    const int steel = press.lists[index(List::Combo2)];
    sheet.materialGrades = std::string(listItem(List::Combo1, press.basis(), concrete)) + "，" +
                           std::string(listItem(List::Combo2, press.basis(), steel));
    sheet.headings.materials = "二、材料强度（" + sheet.materialGrades + "）";
    const CalcState& s = press.state;
    const auto add = [&](const char* label, const std::optional<std::string>& value) {
        if (value) sheet.materials.push_back({label, *value});
    };
    const auto number = [](const std::optional<double>& v) -> std::optional<std::string> {
        if (!v) return std::nullopt;
        return report::doubleText(*v);
    };
    add("轴心抗压强度设计值fc(N/mm2)", number(s.Fc));
    add("轴心抗拉强度设计值ft(N/mm2)", number(s.Ft));
    add("轴心抗拉强度标准值ftk(N/mm2)", number(s.Ftk));
    if (s.Fy) add("钢筋抗拉强度设计值fy(N/mm2)", report::doubleText(value(*s.Fy)));
    if (const auto Es = steelModulus(steel)) add("钢筋弹性模量Es(N/mm2)", modulusText(*Es));
    if (press.X == kCivilDefence) {
        sheet.materialNotes.push_back("人防工程：fc、fy 已乘材料强度综合调整系数。");
    }
}

// What an odd diameter of 配筋汇总 stands for, where the notes of the results do not
// already say it.
void addSummaryNotes(CalculationSheet& sheet) {
    for (const SummaryRow& row : sheet.summary) {
        const std::size_t at = row.bars.find('@');
        if (at == std::string::npos) continue;
        const std::string_view bars = row.bars;
        std::size_t digits = at;
        while (digits > 0 && bars[digits - 1] >= '0' && bars[digits - 1] <= '9')
            --digits;
        const Bars b =
            barsOf(bars.substr(digits, at - digits), bars.substr(0, digits), bars.substr(at + 1));
        const auto& notes = sheet.resultNotes;
        if (!b.note.empty() && std::find(notes.begin(), notes.end(), b.note) == notes.end())
            sheet.summaryNotes.push_back(b.note);
    }
}

}  // namespace

CalculationSheet sheetOf(const PressResult& press) {
    CalculationSheet sheet;
    const bool civilDefence = press.X == kCivilDefence;
    const Basis basis = press.basis();
    sheet.codes = designCodeLines(index(basis), civilDefence);
    // In the order of the window, top to bottom; the basis stands with the codes, and
    // only the inputs the press read are listed.
    for (const ListInfo& list : lists()) {
        if (list.list != List::Combo4) sheet.inputs.push_back(listEntry(press, list));
    }
    sheet.inputs.push_back({"人防选择", civilDefence ? "人防" : "非人防"});
    for (const InputBox& in : inputBoxes()) {
        if (in.input == Input::RFHZ && !civilDefence) continue;
        if (!readIn(in, basis)) continue;
        sheet.inputs.push_back({withoutColon(in.label), press.text(in.box)});
    }
    fillMaterials(sheet, press);
    sheet.figure = figureOf(press);
    fillResults(sheet, press);
    if (press.verdict) {
        sheet.verdict.ok = press.verdict->ok();
        sheet.verdict.line = press.verdict->line();
        for (const design::Failure& f : press.verdict->failed)
            sheet.verdict.failures.push_back(f.text);
    }
    sheet.calculation = textLines(press.report());
    if (press.checks) sheet.supplementary = textLines(supplementaryText(press));
    sheet.notation = notationOf(press);
    if (press.completed()) sheet.calculationTypeset = typesetCalculation(press, sheet.notation);
    sheet.supplementaryTypeset = typesetSupplementary(press, sheet.notation);
    sheet.summary = summaryOf(press);
    addSummaryNotes(sheet);
    return sheet;
}

std::vector<std::string> textLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        std::string_view line =
            text.substr(start, end == std::string_view::npos ? end : end - start);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.emplace_back(line);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return lines;
}

}  // namespace wallcalc::sheet
