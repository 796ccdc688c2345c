#include "press_invariants.hpp"

#include <algorithm>
#include <cmath>
#include <type_traits>

#include "wallcalc/design/verdict.hpp"
#include "wallcalc/engine/check_fields.hpp"
#include "wallcalc/engine/number_input.hpp"

namespace wallcalc::fuzz {
namespace {

using report::CrackSection;

constexpr std::string_view kReminder = "注意人防选择，搞结构的要细心哟！";
constexpr std::string_view kFirstLine = "1.荷载计算：";
constexpr std::string_view kCodesLine = "依据：GB 50010-2010(2015年版)";  // the 2010 text opens so
constexpr std::string_view kLastNote = "    则实际所配钢筋为 18@200+20@200（依次类推）";
constexpr std::string_view kCivilDefenceLast = "3.人防工程不计算裂缝。";
constexpr int kTableDiameters[] = {12, 14, 16, 18, 20, 22, 25};
constexpr int kLargestBarMade = 50;  // mm, where the crack loop stops

bool isResultBox(Box box) {
    const auto results = resultBoxes();
    return std::any_of(results.begin(), results.end(),
                       [box](const ResultBox& r) { return r.box == box; });
}

bool isNumber(std::string_view text) {
    return toNumber(text).has_value();
}

// A bar diameter as the boxes write it: digits only, no sign, no point.
std::optional<int> diameterOf(std::string_view text) {
    if (text.empty() || text.size() > 3) return std::nullopt;
    int mm = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        mm = mm * 10 + (c - '0');
    }
    return mm;
}

bool endsWith(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

class Findings {
  public:
    // `what` is a text, or something that makes one; it is only made when the
    // invariant is broken, so a sound press costs no strings.
    template <typename What>
    void require(bool holds, What&& what) {
        if (holds) return;
        if constexpr (std::is_invocable_v<What>) {
            list.emplace_back(what());
        } else {
            list.emplace_back(what);
        }
    }
    std::vector<std::string> list;
};

struct Press {
    const PressRecord& record;
    const PressResult& after;

    const std::string& before(Box box) const { return record.before[index(box)]; }
    const std::string& now(Box box) const { return after.text(box); }
    bool unchanged(Box box) const { return before(box) == now(box); }
    int list(List l) const { return after.lists[index(l)]; }
};

std::string boxed(Box box, std::string_view what) {
    return std::string(boxName(box)) + " " + std::string(what);
}

void checkMessages(const Press& p, Findings& f) {
    for (const Message& m : p.after.messages) {
        f.require(m.title == kMessageTitle,
                  [&] { return "a message has the title \"" + m.title + "\""; });
        f.require(!m.text.empty(), "a message has no text");
    }
}

void checkNothingWritten(const Press& p, Findings& f, std::string_view why) {
    for (std::size_t i = 0; i < kBoxCount; ++i) {
        const Box box = static_cast<Box>(i);
        f.require(p.unchanged(box),
                  [&] { return boxed(box, "changed although ") + std::string(why); });
    }
}

// The engine writes the six result boxes and Text12, never an input box.
void checkInputBoxesKept(const Press& p, Findings& f) {
    for (std::size_t i = 0; i < kBoxCount; ++i) {
        const Box box = static_cast<Box>(i);
        if (isResultBox(box) || box == Box::Text12) continue;
        f.require(p.unchanged(box),
                  [&] { return boxed(box, "is an input box but the press wrote it"); });
    }
}

void checkStopped(const Press& p, Findings& f) {
    f.require(!p.after.messages.empty(), "a press ended early without a message");
    f.require(p.unchanged(Box::Text12), "a press that ended early changed Text12");

    // Either nothing was written, or Text6 and Text7 (and perhaps Text19) were written
    // and every result box after them emptied.
    const auto results = resultBoxes();
    const auto emptiedFrom = [&](std::size_t first) {
        return std::all_of(results.begin() + static_cast<std::ptrdiff_t>(first), results.end(),
                           [&](const ResultBox& r) { return p.now(r.box).empty(); });
    };
    const bool untouched = std::all_of(results.begin(), results.end(),
                                       [&](const ResultBox& r) { return p.unchanged(r.box); });
    // The 2010 basis may stop after Text6: a section over-reinforced has no steel area.
    const bool afterMBk = p.after.basis() == Basis::Gb2010 && emptiedFrom(1);
    f.require(untouched || afterMBk || emptiedFrom(2) || emptiedFrom(3),
              "a press that ended early left results of an earlier press beside new ones");
    if (!untouched) {
        const bool text7Written = !(afterMBk && p.now(Box::Text7).empty());
        f.require(isNumber(p.now(Box::Text6)) && (!text7Written || isNumber(p.now(Box::Text7))),
                  "a press that ended early wrote Text6 or Text7 without a number");
    }
    for (const ResultBox& r : results) {
        const Box box = r.box;
        if (!p.unchanged(box)) {
            f.require(!holdsNanOrInf(p.now(box)),
                      [&] { return boxed(box, "holds nan or inf: " + p.now(box)); });
        }
    }
}

void checkCrackBoxes(const Press& p, CrackSection section, Findings& f) {
    const std::string& as = p.now(Box::Text9);
    const std::string& w = p.now(Box::Text11);
    const std::string& bars = p.now(Box::Text18);
    switch (section) {
        case CrackSection::CivilDefence:
        case CrackSection::NoBarFits:
        case CrackSection::LimitNotReached:
            f.require(as == " " && w == " " && bars == " ",
                      "the crack boxes do not hold one blank each");
            break;
        case CrackSection::NoTension:
            f.require(as == p.now(Box::Text7) && w == "0" && bars == p.now(Box::Text19),
                      "without tension the crack boxes do not repeat the strength bars");
            break;
        case CrackSection::Checked: {
            f.require(isNumber(as), [&] { return "Text9 is not a number: " + as; });
            f.require(isNumber(w), [&] { return "Text11 is not a number: " + w; });
            const auto crackBars = diameterOf(bars);
            const auto strengthBars = diameterOf(p.now(Box::Text19));
            f.require(
                crackBars && strengthBars && *crackBars >= *strengthBars &&
                    *crackBars <= kLargestBarMade,
                [&] { return "Text18 is not a diameter from Text19's up to 50 mm: " + bars; });
            break;
        }
    }
}

void checkCompleted(const Press& p, Findings& f) {
    const int position = p.list(List::Combo3);
    f.require(position >= 0 && position <= 2, "a press completed without a case selected");
    if (position < 0 || position > 2) return;
    const auto mode =
        p.after.X == kCivilDefence ? report::Mode::CivilDefence : report::Mode::Ordinary;
    const auto loadCase = static_cast<report::Case>(position);
    const CrackSection section = crackSectionShown(p.after);

    for (const ResultBox& r : resultBoxes()) {
        const Box box = r.box;
        f.require(!holdsNanOrInf(p.now(box)),
                  [&] { return boxed(box, "holds nan or inf: " + p.now(box)); });
    }
    f.require(isNumber(p.now(Box::Text6)),
              [&] { return "Text6 is not a number: " + p.now(Box::Text6); });
    f.require(isNumber(p.now(Box::Text7)),
              [&] { return "Text7 is not a number: " + p.now(Box::Text7); });
    const std::string& bars = p.now(Box::Text19);
    const auto mm = diameterOf(bars);
    f.require(bars == kTooLarge || (mm && std::count(std::begin(kTableDiameters),
                                                     std::end(kTableDiameters), *mm) == 1),
              [&] { return "Text19 is neither a bar of the table nor 太大了: " + bars; });
    checkCrackBoxes(p, section, f);

    const std::string& text = p.now(Box::Text12);
    f.require(!holdsNanOrInf(text), "the calculation text holds nan or inf");
    const int lines = lineCountOf(text);
    const auto basis =
        p.after.basis() == Basis::Gb2010 ? report::Basis::Gb2010 : report::Basis::Gb2002;
    const int expected = report::lineCount(basis, mode, loadCase, section);

    f.require(lines == expected, [&] {
        return "the calculation text has " + std::to_string(lines) + " lines where " +
               std::to_string(expected) + " belong to its mode, case and section 3";
    });
    const std::string_view opening = basis == report::Basis::Gb2010 ? kCodesLine : kFirstLine;
    f.require(text.starts_with(opening),
              [&] { return "the calculation text does not open with " + std::string(opening); });
    const bool notes = section != CrackSection::CivilDefence && section != CrackSection::NoBarFits;
    f.require(section != CrackSection::CivilDefence || endsWith(text, kCivilDefenceLast),
              "a civil-defence text does not end with its closing line");
    f.require(!notes || endsWith(text, kLastNote), "an ordinary text does not end with the notes");
}

// A text without what it quotes between “ and ”: a typed text that is no number, quoted
// in a message, may spell anything.
std::string withoutQuotes(std::string_view text) {
    std::string out;
    while (true) {
        const auto open = text.find("“");
        const auto close = open == std::string_view::npos ? open : text.find("”", open);
        if (close == std::string_view::npos) return out += text;
        out += text.substr(0, open);
        text.remove_prefix(close);
    }
}

// The supplementary design of a completed press: every value a number (no NaN, no
// infinity), its text free of both too.
void checkSupplementaryDesign(const Press& p, Findings& f) {
    const PressResult& after = p.after;
    if (!after.checks) {
        const bool listsSelected = p.list(List::Combo1) >= 0 && p.list(List::Combo1) < 14 &&
                                   p.list(List::Combo2) >= 0 && p.list(List::Combo2) < 4;
        f.require(!listsSelected, "a completed press with both grades chosen has no checks");
        return;
    }
    for (const CheckField& field : checkFields()) {
        const CheckValue value = field.of(*after.checks);
        const double* d = std::get_if<double>(&value);
        const float* s = std::get_if<float>(&value);
        f.require((d == nullptr || std::isfinite(*d)) && (s == nullptr || std::isfinite(*s)), [&] {
            return "the supplementary value " + checkColumn(field) + " is not finite";
        });
    }
    f.require(!holdsNanOrInf(withoutQuotes(supplementaryText(after))),
              "the supplementary design's text holds nan or inf");
}

// The values of the 2010 basis's design, each with its name: the figures its text and its
// verdict are written from.
struct Named2010 {
    std::string_view name;
    double value;
};

void addForces(std::vector<Named2010>& out, std::string_view which, const MemberForces& m) {
    for (const double v : {m.MB, m.R, m.VB, m.total, m.xA, m.MA})
        out.push_back({which, v});
}

void addFace(std::vector<Named2010>& out, const design::FaceDesign& f) {
    const design::Flexure& s = f.strength;
    for (const double v : {s.M, s.h0, s.alphaS, s.xi, s.As, f.AsMin})
        out.push_back({"strength design", v});
    if (f.strengthBars) out.push_back({"strength bars' area", f.strengthBars->area});
    if (f.placed) out.push_back({"placed bars' area", f.placed->area});
    if (!f.crack) return;
    const design::CrackWidth& k = *f.crack;
    for (const double v : {k.As, k.h0, k.rhoTe.value, k.rhoTe.used, k.sigma, k.psi.value,
                           k.psi.used, k.cs.value, k.cs.used, k.deq, k.w})
        out.push_back({"crack width", v});
}

std::vector<Named2010> valuesOf2010(const Supplementary2010& s) {
    std::vector<Named2010> out = {{"γ0", s.gamma0}, {"ξb", s.xiB}, {"c2", s.spanCover}};
    addForces(out, "design forces", s.design);
    if (s.quasi) addForces(out, "quasi-permanent forces", *s.quasi);
    addFace(out, s.base);
    if (s.span) addFace(out, *s.span);
    for (const auto& t : {s.baseThicknessForXi, s.spanThicknessForXi, s.shearThickness})
        if (t) out.push_back({"a thickness asked for", *t});
    for (const design::HorizontalBars* h : {&s.earthHorizontal, &s.innerHorizontal}) {
        for (const double v : {h->byRatio, h->byShare, h->As, h->spacing})
            out.push_back({"horizontal bars", v});
    }
    const design::Shear& v = s.shear;
    for (const double x : {v.V, v.h0, v.h0ForBeta.value, v.h0ForBeta.used, v.betaH, v.ft, v.Vc})
        out.push_back({"shear", x});
    for (const auto& g : {s.governingBase, s.governingSpan}) {
        if (!g) continue;
        out.push_back({"governing As", g->civilAs});
        out.push_back({"governing As", g->ordinaryAs});
    }
    return out;
}

// The verdict: one for every completed press and for no other; 满足 exactly when nothing
// failed, else 不满足 naming each check that failed; every failure of a check of the
// table, with a text free of nan and inf. In the 2010 basis every value of the design it
// judges is a number.
void checkVerdict(const Press& p, Findings& f) {
    const PressResult& after = p.after;
    f.require(after.verdict.has_value() == after.completed(),
              after.completed() ? "a completed press has no verdict"
                                : "a press that did not complete has a verdict");
    if (!after.verdict) return;
    const design::Verdict& v = *after.verdict;
    const std::string line = v.line();
    f.require(v.failed.empty() == (line == "满足"),
              [&] { return "the verdict line \"" + line + "\" disagrees with its failures"; });
    const auto names = design::checkNames();
    for (const design::Failure& failure : v.failed) {
        const auto known = std::find_if(names.begin(), names.end(),
                                        [&](const auto& n) { return n.check == failure.check; });
        f.require(known != names.end() && !known->key.empty(),
                  "a failed check is none of the verdict's checks");
        if (known == names.end()) continue;
        f.require(line.find(known->name) != std::string::npos,
                  [&] { return "the verdict line does not name " + std::string(known->key); });
        f.require(!failure.text.empty(),
                  [&] { return "the failed check " + std::string(known->key) + " has no text"; });
        f.require(!holdsNanOrInf(withoutQuotes(failure.text)),
                  [&] { return "a verdict text holds nan or inf: " + failure.text; });
    }
    if (!after.checks || !after.checks->code2010) return;
    for (const Named2010& value : valuesOf2010(*after.checks->code2010)) {
        f.require(std::isfinite(value.value), [&] {
            return "a value of the 2010 design is not finite: " + std::string(value.name);
        });
    }
}

void checkReplay(const PressRecord& record, Findings& f) {
    const PressResult fresh = replayOnNewWindow(record);
    const PressResult& after = record.result;
    f.require(after.messages == fresh.messages,
              "the same press on a new window shows other messages");
    for (std::size_t i = 0; i < kBoxCount; ++i) {
        const Box box = static_cast<Box>(i);
        f.require(after.text(box) == fresh.text(box),
                  [&] { return boxed(box, "differs from the same press on a new window"); });
    }
}

}  // namespace

PressRecord press(WindowModel& window) {
    PressRecord record;
    for (std::size_t i = 0; i < kBoxCount; ++i) {
        record.before[i] = window.boxText(static_cast<Box>(i));
    }
    record.result = window.pressCompute();
    return record;
}

PressResult replayOnNewWindow(const PressRecord& record) {
    WindowModel window;
    if (record.result.X == kOrdinary) window.clickOrdinary();
    if (record.result.X == kCivilDefence) window.clickCivilDefence();
    for (std::size_t i = 0; i < kBoxCount; ++i)
        window.type(static_cast<Box>(i), record.before[i]);
    for (std::size_t i = 0; i < kListCount; ++i) {
        window.select(static_cast<List>(i), record.result.lists[i]);
    }
    return window.pressCompute();
}

report::CrackSection crackSectionShown(const PressResult& after) {
    if (after.X == kCivilDefence) return CrackSection::CivilDefence;
    if (after.text(Box::Text19) == kTooLarge) return CrackSection::NoBarFits;
    if (after.text(Box::Text11) == " ") return CrackSection::LimitNotReached;
    // The water face has no crack width without tension: under MBk (2002), under the
    // quasi-permanent Mq (2010), which no box shows.
    if (after.basis() == Basis::Gb2010) {
        if (!(after.state.code2010.Mq > 0)) return CrackSection::NoTension;
    } else if (const auto mbk = toNumber(after.text(Box::Text6)); mbk && !(*mbk > 0)) {
        return CrackSection::NoTension;
    }
    return CrackSection::Checked;
}

int lineCountOf(std::string_view text) {
    int lines = 1;
    for (std::size_t i = text.find('\n'); i != std::string_view::npos; i = text.find('\n', i + 1)) {
        ++lines;
    }
    return lines;
}

bool holdsNanOrInf(std::string_view text) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    for (std::size_t i = 0; i + 3 <= text.size(); ++i) {
        const char a = lower(text[i]), b = lower(text[i + 1]), c = lower(text[i + 2]);
        if ((a == 'n' && b == 'a' && c == 'n') || (a == 'i' && b == 'n' && c == 'f')) return true;
    }
    return false;
}

std::vector<std::string> violations(const PressRecord& record) {
    Findings f;
    const PressResult& after = record.result;
    const Press p{record, after};
    checkMessages(p, f);
    checkInputBoxesKept(p, f);

    const bool modeChosen = after.X == kOrdinary || after.X == kCivilDefence;
    switch (after.end) {
        case RunEnd::Reminder: {
            f.require(after.X == kNoChoiceYet, "the reminder was shown after an option click");
            const auto& m = after.messages;
            f.require(m.size() == 1 && m.front().text == kReminder,
                      "the reminder is not the one message of its press");
            checkNothingWritten(p, f, "the press only reminded");
            break;
        }
        case RunEnd::NoCase:
            f.require(modeChosen, "a press without a chosen mode looked for a case");
            f.require(p.list(List::Combo3) < 0 || p.list(List::Combo3) > 2,
                      "a press found no case although one was selected");
            f.require(after.messages.empty(), "a press without a case showed a message");
            checkNothingWritten(p, f, "no case was selected");
            break;
        case RunEnd::Stopped:
            f.require(modeChosen, "a press without a chosen mode ran");
            checkStopped(p, f);
            break;
        case RunEnd::Completed:
            f.require(modeChosen, "a press without a chosen mode completed");
            checkCompleted(p, f);
            checkSupplementaryDesign(p, f);
            break;
        case RunEnd::NoRun:
            f.require(!modeChosen && after.X != kNoChoiceYet,
                      "a press with a valid choice did nothing");
            checkNothingWritten(p, f, "the press did nothing");
            break;
    }

    checkVerdict(p, f);

    // A list without a selection keeps the strengths of an earlier press on purpose;
    // with both selected, nothing from earlier may show.
    const bool listsSelected = p.list(List::Combo1) >= 0 && p.list(List::Combo1) < 14 &&
                               p.list(List::Combo2) >= 0 && p.list(List::Combo2) < 4;
    if (listsSelected) checkReplay(record, f);
    return std::move(f.list);
}

}  // namespace wallcalc::fuzz
