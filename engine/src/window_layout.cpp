#include "wallcalc/engine/window_layout.hpp"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "wallcalc/engine/controls.hpp"

namespace wallcalc {
namespace {

// The window's margin: the controls start 240 twips from the left edge, and the same
// margin is kept to the right of the right column and below Text12.
constexpr int kMargin = 240;
constexpr Twips kReport = {3120, 5640, 6975, 5415};
constexpr int kRight = kReport.left + kReport.width;
constexpr int kBottom = kReport.top + kReport.height;  // Text12's and the buttons' bottom
constexpr int kLabelGap = 30;                          // between a label's right end and its box
constexpr int kTwoLineHeight = 480;                    // a label over two lines

// The figure stands right of the inputs and above Text12; between them, under the figure
// (clear of 附加荷载, whose box reaches down beside it), the line that says the results
// belong to earlier inputs.
constexpr int kFigureLeft = 3960;
constexpr Twips kFigure = {kFigureLeft, kMargin, kRight - kFigureLeft, 5220 - kMargin};
constexpr Twips kStaleNote = {kFigureLeft, 5265, kRight - kFigureLeft, 330};

// Of the room a window larger than the specified size gives: the share of the extra width
// the middle column (the figure, the stale line, Text12) takes, the rest going to the
// column right of it (the design basis moves, the supplementary design widens); and the
// share of the extra height the figure takes, the rest going to Text12. The supplementary
// design takes all of the extra height.
constexpr int kMiddleShare = 60;  // per cent
constexpr int kFigureShare = 35;  // per cent
constexpr Growth kFigureGrows = {0, kMiddleShare, 0, kFigureShare};
constexpr Growth kNoteGrows = {0, kMiddleShare, kFigureShare, kFigureShare};
constexpr Growth kReportGrows = {0, kMiddleShare, kFigureShare, 100};
constexpr Growth kColumnMoves = {kMiddleShare, kMiddleShare, 0, 0};
constexpr Growth kCaptionGrows = {kMiddleShare, 100, 0, 0};
constexpr Growth kChecksGrow = {kMiddleShare, 100, 0, 100};

// A box or list with its label: the label starts at `labelLeft` on the box's own top and
// ends `kLabelGap` before the box (a two-line label reaches the box: the full-width colon
// at its end keeps it clear).
struct Labelled {
    ControlKind kind;
    std::string_view name;
    std::string_view frame;
    Twips rect;
    int labelLeft;
    bool twoLines = false;
};

// The lists are 1695 twips wide rather than 1455, so that "Ⅰ级(HPB235)" shows whole
// beside the drop-down arrow.
constexpr Labelled kLists[] = {
    {ControlKind::List, "Combo1", "", {1560, 600, 1695, 315}, kMargin},
    {ControlKind::List, "Combo2", "", {1560, 1080, 1695, 315}, kMargin},
    {ControlKind::List, "Combo3", "", {1560, 1560, 1695, 315}, kMargin},
};

constexpr Labelled kElevations[] = {
    {ControlKind::Input, "Text1", "Frame1", {960, 240, 855, 285}, 120},
    {ControlKind::Input, "Text2", "Frame1", {960, 600, 855, 285}, 120},
    {ControlKind::Input, "Text3", "Frame1", {960, 960, 855, 285}, 120},
    {ControlKind::Input, "Text16", "Frame1", {960, 1320, 855, 285}, 120},
};

// Text14 starts 120 twips right of 960 so that its two-line label "(kN/m3)：" is not cut;
// its right edge stays where the control table puts it.
constexpr Labelled kColumn[] = {
    {ControlKind::Input, "Text4", "", {2640, 3960, 1095, 285}, kMargin},
    {ControlKind::Input, "Text13", "", {2640, 4320, 1095, 285}, kMargin},
    {ControlKind::Input, "Text17", "", {2640, 4680, 1095, 285}, kMargin},
    {ControlKind::Input, "Text14", "", {1080, 5040, 615, 405}, kMargin, true},
    {ControlKind::Input, "Text15", "", {2640, 5040, 1095, 405}, 1800, true},
    {ControlKind::Input, "Text5", "", {1920, 5760, 855, 285}, kMargin},
    {ControlKind::Input, "Text10", "", {1920, 6240, 855, 285}, kMargin},
    {ControlKind::Input, "Text8", "", {1920, 6720, 855, 285}, kMargin},
};

// The design basis and the partial factors the 2010 basis reads, in a frame at the top of
// the column right of Text12; below it the supplementary design under its caption, down
// to Text12's bottom.
constexpr int kColumnLeft = kRight + 120;
constexpr int kColumnWidth = 4560;
constexpr Twips kBasisFrame = {kColumnLeft, kMargin, kColumnWidth, 2160};
constexpr int kChecksCaptionTop = kBasisFrame.top + kBasisFrame.height + 120;
constexpr int kCaptionHeight = 285;
constexpr Twips kChecksCaption = {kColumnLeft, kChecksCaptionTop, kColumnWidth, kCaptionHeight};
constexpr int kChecksTop = kChecksCaptionTop + kCaptionHeight + 15;
constexpr Twips kChecks = {kColumnLeft, kChecksTop, kColumnWidth, kBottom - kChecksTop};
constexpr Labelled kBasis[] = {
    {ControlKind::List, "Combo4", "Frame6", {1200, 240, 3240, 315}, 120},
    {ControlKind::Input, "Text21", "Frame6", {2640, 660, 855, 285}, 120},
    {ControlKind::Input, "Text22", "Frame6", {2640, 1020, 855, 285}, 120},
    {ControlKind::Input, "Text23", "Frame6", {2640, 1380, 855, 285}, 120},
    {ControlKind::Input, "Text24", "Frame6", {2640, 1740, 855, 285}, 120},
};

// The result frames (2775 twips rather than 2655) and boxes (900 rather than 735) are
// wide enough for a steel area such as 3463.606 within the borders of a text box. Each
// frame holds its three boxes at tops 360, 720 and 1080, in the rows of the result table.
// The second frame stands 120 twips higher than the first window had it, so that the
// verdict line fits between it and the buttons.
constexpr std::string_view kResultFrames[] = {"Frame2", "Frame3"};
constexpr int kResultFrameTops[] = {7200, 8760};
constexpr Twips kVerdictLine = {kMargin, 10245, 2775, 285};
constexpr int kResultFrameWidth = 2775;
constexpr int kResultBoxWidth = 900;

// The labels' names ("Label_Text4"), kept for as long as the program runs: the table
// refers to them.
std::deque<std::string>& labelNames() {
    static std::deque<std::string> names;
    return names;
}

struct LayoutBuilder {
    std::vector<ControlPlace> places;

    void add(const ControlPlace& place) { places.push_back(place); }
    void addLabelled(const Labelled& c) {
        const int height = c.twoLines ? kTwoLineHeight : c.rect.height;
        const int gap = c.twoLines ? 0 : kLabelGap;
        addLabel(c.name, c.frame,
                 {c.labelLeft, c.rect.top, c.rect.left - c.labelLeft - gap, height}, c.twoLines);
        add({c.kind, c.name, c.frame, c.rect, {}});
    }
    void addLabel(std::string_view buddy, std::string_view frame, Twips rect, bool twoLines) {
        labelNames().push_back("Label_" + std::string(buddy));
        add({ControlKind::Label, labelNames().back(), frame, rect, {}, buddy, twoLines});
    }
};

void addCivilDefence(LayoutBuilder& b) {
    b.add({ControlKind::Frame, "Frame5", "", {2640, 2040, 1095, 1695}, "人防"});
    b.add({ControlKind::Option, "Option1_0", "Frame5", {120, 240, 735, 255}, "人防"});
    // The load's label stands above its box, over two lines, between "人防" and the box:
    // from 495 to 960 twips, so that it overlaps neither.
    b.addLabel("Text20", "Frame5", {120, 495, 855, 465}, true);
    b.add({ControlKind::Input, "Text20", "Frame5", {120, 960, 855, 285}, {}});
    // "非人防" is 915 twips wide rather than 855: an option button needs the room for the
    // focus frame around its caption.
    b.add({ControlKind::Option, "Option1_1", "Frame5", {120, 1320, 915, 255}, "非人防"});
}

void addResults(LayoutBuilder& b) {
    for (int f = 0; f < 2; ++f) {
        b.add({ControlKind::Frame,
               kResultFrames[f],
               "",
               {kMargin, kResultFrameTops[f], kResultFrameWidth, 1455},
               frameCaption(f)});
        for (const ResultBox& r : resultBoxesAsShown()) {
            if (r.frame != f) continue;
            const Twips rect{1800, 360 * (r.row + 1), kResultBoxWidth, 285};
            b.addLabel(boxName(r.box), kResultFrames[f],
                       {120, rect.top, rect.left - 120 - kLabelGap, rect.height}, false);
            b.add({ControlKind::Result, boxName(r.box), kResultFrames[f], rect, {}});
        }
    }
    // The verdict of the last press beside the six results: 满足, or 不满足 with the checks.
    b.add({ControlKind::Verdict, "VerdictLine", "", kVerdictLine, "结论"});
}

void addButtons(LayoutBuilder& b) {
    constexpr std::string_view kButtons[][2] = {
        {"Command1", "计算"}, {"Command2", "帮助"}, {"Command3", "退出"}};
    for (int i = 0; i < 3; ++i) {
        b.add({ControlKind::Button,
               kButtons[i][0],
               "",
               {kMargin + 960 * i, 10560, 855, 495},
               kButtons[i][1]});
    }
}

// The middle column, which grows: the figure, the stale line and the calculation text.
void addMiddle(LayoutBuilder& b) {
    b.add({ControlKind::Figure,
           "WallFigure",
           "",
           kFigure,
           "外墙剖面与计算简图",
           {},
           false,
           kFigureGrows});
    b.add({ControlKind::Note,
           "StaleNote",
           "",
           kStaleNote,
           "输入已修改，请重新计算",
           {},
           false,
           kNoteGrows});
    b.add({ControlKind::Report, "Text12", "", kReport, "计算过程", {}, false, kReportGrows});
}

// The right column: the design basis, then the supplementary design under its caption.
void addRightColumn(LayoutBuilder& b) {
    b.add({ControlKind::Frame, "Frame6", "", kBasisFrame, "设计规范", {}, false, kColumnMoves});
    for (const Labelled& c : kBasis)
        b.addLabelled(c);
    b.add({ControlKind::Label, "Label_TextChecks", "", kChecksCaption, "补充验算", "TextChecks",
           false, kCaptionGrows});
    b.add({ControlKind::Report, "TextChecks", "", kChecks, "补充验算", {}, false, kChecksGrow});
}

std::vector<ControlPlace> buildLayout() {
    LayoutBuilder b;
    for (const Labelled& l : kLists)
        b.addLabelled(l);
    b.add({ControlKind::Frame, "Frame1", "", {kMargin, 2040, 2175, 1695}, "标高："});
    for (const Labelled& e : kElevations)
        b.addLabelled(e);
    addCivilDefence(b);
    for (const Labelled& c : kColumn)
        b.addLabelled(c);
    addResults(b);
    addButtons(b);
    addMiddle(b);
    addRightColumn(b);
    return std::move(b.places);
}

}  // namespace

std::span<const ControlPlace> windowLayout() {
    static const std::vector<ControlPlace> layout = buildLayout();
    return layout;
}

const ControlPlace* controlPlace(std::string_view name) {
    for (const ControlPlace& place : windowLayout()) {
        if (place.name == name) return &place;
    }
    return nullptr;
}

std::array<std::string_view, 2> labelLines(const ControlPlace& label) {
    if (label.kind != ControlKind::Label) return {};
    if (!label.caption.empty()) return {label.caption, {}};
    const std::string_view text = labelOfNamed(label.buddy);
    const std::size_t unit = text.find('(');
    if (!label.twoLines || unit == 0 || unit == std::string_view::npos) return {text, {}};
    return {text.substr(0, unit), text.substr(unit)};
}

Twips windowArea() {
    return {0, 0, kColumnLeft + kColumnWidth + kMargin, kBottom + kMargin};
}

Twips grownBy(const Twips& rect, const Growth& growth, int extraWidth, int extraHeight) {
    // No screen is 2^24 pixels wide; beyond that the edges would leave an int.
    constexpr int kMostExtra = 1 << 24;
    const std::int64_t width = std::clamp(extraWidth, 0, kMostExtra);
    const std::int64_t height = std::clamp(extraHeight, 0, kMostExtra);
    const auto share = [](std::int64_t extra, int percent) {
        return static_cast<int>(extra * percent / 100);
    };
    const int left = rect.left + share(width, growth.left);
    const int top = rect.top + share(height, growth.top);
    const int right = rect.left + rect.width + share(width, growth.right);
    const int bottom = rect.top + rect.height + share(height, growth.bottom);
    return {left, top, right - left, bottom - top};
}

Twips pixelPlace(const ControlPlace& control, int extraWidth, int extraHeight) {
    const Twips& t = control.rect;
    const Twips pixels{t.left / kTwipsPerPixel, t.top / kTwipsPerPixel, t.width / kTwipsPerPixel,
                       t.height / kTwipsPerPixel};
    return grownBy(pixels, control.growth, extraWidth, extraHeight);
}

}  // namespace wallcalc
