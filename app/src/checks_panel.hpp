#pragma once
// The supplementary design's panel (补充验算): its lines wrap at the panel's width, a
// line's continuation indented under it as on the calculation sheet, so that no line
// needs horizontal scrolling at any size of the window.
#include <QString>

class QTextEdit;
class QWidget;

namespace wallcalc::app {

QTextEdit* makeChecksPanel(const QString& accessibleName, QWidget* parent);

// Shows `text` (lines parted by LF), each line's continuation indented.
void showChecksText(QTextEdit& panel, const QString& text);

// Sets in red every line that says a check fails (不满足, 超筋).
void markFailedLines(QTextEdit& panel);

// How far a continuation stands in from the panel's left edge: two Chinese characters
// of the panel's font.
int continuationIndent(const QTextEdit& panel);

}  // namespace wallcalc::app
