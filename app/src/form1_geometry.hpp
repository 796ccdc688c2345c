#pragma once
// Where Form1's parts stand at the specified size, in twips. The controls of the control
// table keep these places at every size; the calculation text Text12, the supplementary
// design TextChecks and the figure start here and take the room a larger window gives.
namespace wallcalc::app::geometry {

// The window's margin: the controls start 240 twips from the left edge, and the same
// margin is kept right of the last column and below the buttons.
inline constexpr int kMargin = 240;

// Text12 as the control table places it.
inline constexpr int kReportLeft = 3120;
inline constexpr int kReportTop = 5640;
inline constexpr int kReportRight = 3120 + 6975;
inline constexpr int kBottom = 5640 + 5415;  // bottom edge of Text12 and of the buttons

// The figure, right of the inputs and above Text12, and under it the line that says the
// results belong to earlier inputs.
inline constexpr int kFigureLeft = 3960;
inline constexpr int kFigureBottom = 5220;
inline constexpr int kStaleTop = 5265;
inline constexpr int kStaleHeight = 330;

// The supplementary design: a column right of Text12, under the design basis's frame
// (1800 twips high) and its own caption, down to the bottom.
inline constexpr int kChecksLeft = kReportRight + 120;
inline constexpr int kChecksWidth = 4560;
inline constexpr int kCaptionHeight = 285;
inline constexpr int kChecksCaptionTop = kMargin + 1800 + 120;
inline constexpr int kChecksTop = kChecksCaptionTop + kCaptionHeight + 15;

inline constexpr int kPageWidth = kChecksLeft + kChecksWidth + kMargin;
inline constexpr int kPageHeight = kBottom + kMargin;

// Of the room beyond the specified size: the share of the width the middle column (the
// figure and Text12) takes, the rest going to the supplementary design; and the share of
// the height the figure takes, the rest going to Text12.
inline constexpr int kMiddleShare = 60;  // per cent
inline constexpr int kFigureShare = 35;  // per cent

}  // namespace wallcalc::app::geometry
