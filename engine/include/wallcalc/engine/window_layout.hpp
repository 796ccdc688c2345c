#pragma once
// Where the window places its controls: every frame, label, box, list, option button,
// push button, the calculation text, the supplementary design, the wall figure and the
// line that says the results are stale, with its rectangle in twips (1/1440 inch, 15 to a
// pixel at 96 DPI) at the window's specified size, in the order a user tabs through them.
// A control inside a frame is placed relative to the frame and comes after it. Where a
// control is wider than the control table says, the table says why.
// Every host builds its window from this one table: the texts of labels come from the
// tables of controls.hpp, the captions of frames, options, buttons and panels stand here,
// and so does how each control follows a window larger than the specified size.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace wallcalc {

struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Twips&) const = default;
};

enum class ControlKind : std::uint8_t {
    Frame,    // a labelled frame: "标高："
    Label,    // the label of a box, a list or a panel
    Input,    // a single-line box the user types into
    Result,   // a single-line box a press writes
    List,     // a drop-down list
    Option,   // an option button of Option1
    Button,   // a push button
    Report,   // a text of many lines a press writes: Text12, the supplementary design
    Figure,   // the wall figure
    Note,     // the line shown while the results belong to earlier inputs
    Verdict,  // the line that judges the last press: 满足 / 不满足（受剪、裂缝）
};

// How a control follows a window larger than its specified size: for each edge, the share
// (per cent) of the extra width (left, right) or height (top, bottom) by which it moves.
// {0, 0, 0, 0} keeps the control where it is; {0, 60, 0, 0} widens it by 60 % of the
// extra width; {60, 60, 0, 0} moves it right by as much. A window smaller than the
// specified size scrolls and moves nothing.
struct Growth {
    int left = 0;
    int right = 0;
    int top = 0;
    int bottom = 0;
    bool operator==(const Growth&) const = default;
};

struct ControlPlace {
    ControlKind kind;
    std::string_view name;     // "Text4", "Combo1", "Option1_0", "Frame1", "Command1"
    std::string_view frame;    // the frame it stands in; empty: the window itself
    Twips rect;                // relative to its frame, at the specified size
    std::string_view caption;  // of a frame, an option, a button, a note; the name a
                               // screen reader gives a panel or the figure; the text of
                               // a panel's label
    // Of a label: the box, list or panel it names ("Text14"), and whether it is set over
    // two lines, broken before its unit ("土容重" over "(kN/m3)：").
    std::string_view buddy = {};
    bool twoLines = false;
    Growth growth = {};
};

// The controls in tab order, each frame before what it holds.
std::span<const ControlPlace> windowLayout();
// The control named `name` ("Text4", "Label_Text4"); null when the window has none.
const ControlPlace* controlPlace(std::string_view name);
// The text of a label, from the table of its box or list (or its caption, for a panel's
// label), as its lines: one, or two broken before the unit ("土容重", "(kN/m3)："); empty
// for a control that is no label.
std::array<std::string_view, 2> labelLines(const ControlPlace& label);
// The window's inside at the specified size: the right column beside Text12 (the design
// basis, the supplementary design), Text12's bottom edge, and the margin beyond them.
Twips windowArea();
// `rect` moved and widened by `growth` in a window `extraWidth` wider and `extraHeight`
// taller than the specified size (negative: smaller, which moves nothing). The extra and
// the rectangle are in one unit, twips or pixels, and so is the answer.
Twips grownBy(const Twips& rect, const Growth& growth, int extraWidth, int extraHeight);
// Where a control stands, in pixels relative to its frame, in a window `extraWidth` ×
// `extraHeight` pixels larger than the specified size: its place in whole pixels (each
// edge of the table's rectangle at 15 twips a pixel), grown by its growth rule. Every
// host places its controls by this, so that they stand on the same pixels.
Twips pixelPlace(const ControlPlace& control, int extraWidth, int extraHeight);

inline constexpr int kTwipsPerPixel = 15;
inline constexpr std::string_view kWindowTitle = "地下室外墙配筋计算";
// What the supplementary design's panel shows before the first completed press.
inline constexpr std::string_view kChecksPlaceholder = "补充验算将在计算后显示";

}  // namespace wallcalc
