#pragma once
// Where the window places its controls: every frame, label, box, list, option button,
// push button, the calculation text and the wall figure, with its rectangle in twips
// (1/1440 inch, 15 to a pixel at 96 DPI) as the control table gives it, in the order a user
// tabs through them. A control inside a frame is placed relative to the frame and comes
// after it. Where a control is wider than the control table says, the table says why.
// Every host builds its window from this one table: the texts of labels come from the
// tables of controls.hpp, the captions of frames, options and buttons stand here.
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
    Frame,   // a labelled frame: "标高："
    Label,   // the label of a box or a list
    Input,   // a single-line box the user types into
    Result,  // a single-line box a press writes
    List,    // a drop-down list
    Option,  // an option button of Option1
    Button,  // a push button
    Report,  // Text12, the calculation text
    Figure,  // the wall figure
};

struct ControlPlace {
    ControlKind kind;
    std::string_view name;     // "Text4", "Combo1", "Option1_0", "Frame1", "Command1"
    std::string_view frame;    // the frame it stands in; empty: the window itself
    Twips rect;                // relative to its frame
    std::string_view caption;  // of a frame, an option or a button
    // Of a label: the box or list it names ("Text14"), and whether it is set over two
    // lines, broken before its unit ("土容重" over "(kN/m3)：").
    std::string_view buddy = {};
    bool twoLines = false;
};

// The controls in tab order, each frame before what it holds.
std::span<const ControlPlace> windowLayout();
// The control named `name` ("Text4", "Label_Text4"); null when the window has none.
const ControlPlace* controlPlace(std::string_view name);
// The text of a label, from the table of its box or list, as its lines: one, or two
// broken before the unit ("土容重", "(kN/m3)："); empty for a control that is no label.
std::array<std::string_view, 2> labelLines(const ControlPlace& label);
// The window's inside: the right column beside Text12 (the design basis, the
// supplementary design), Text12's bottom edge, and the margin beyond them.
Twips windowArea();

inline constexpr int kTwipsPerPixel = 15;
inline constexpr std::string_view kWindowTitle = "地下室外墙配筋计算";

}  // namespace wallcalc
