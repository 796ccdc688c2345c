#pragma once
// The results of the wall model's page: one column per storey, one row per figure of its
// design, from the top support down to the base: each face's design moment, bars and
// crack width, the shear and its resistance at both supports, the horizontal bars and the
// storey's verdict (green 满足, red 不满足（…）). A section that does not satisfy shows in
// red. Each row's heading carries, as its data, the name the model's answer gives that
// figure ("waterFaceTop.M", "shearBottom.Vc", "verdict").
#include <QString>
#include <QStringList>

#include "wallcalc/model/panel_analysis.hpp"
#include "wallcalc/model/wall_design.hpp"

class QTableWidget;

namespace wallcalc::app {

// The colours of a verdict that holds and of one that does not.
inline constexpr unsigned kSatisfiedColour = 0x1b5e20;
inline constexpr unsigned kFailedColour = 0xb71c1c;

// Sets up the table's rows and headings (once, before showing a design).
void setUpResultsTable(QTableWidget& table);
// The design's storeys into the table, one column each; `stale` results (of inputs that
// have changed since) in the grey of disabled text, every colour taken away.
// With a two-way panel's plate results, also its horizontal faces, its side shear and the
// total reaction of each edge of each storey (those rows are hidden without).
void showDesign(QTableWidget& table, const model::WallDesign& design,
                const model::PanelAnalysis* panel = nullptr, bool stale = false);

}  // namespace wallcalc::app
