#pragma once
// The controls of Form1, created on its page from the window layout table, each at its
// place and in the table's tab order. Each widget's objectName is its control name (Text1,
// Combo1, Frame1, Option1_0, Command1 …) so that tests and accessibility tools find it.
#include <QSize>
#include <array>
#include <utility>
#include <vector>

#include "wallcalc/engine/controls.hpp"
#include "wallcalc/engine/window_layout.hpp"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTextEdit;
class QWidget;

namespace wallcalc::app {

class WallFigure;

struct Form1Controls {
    std::array<QLineEdit*, kBoxCount> boxes{};  // every text box but Text12 (left null)
    QPlainTextEdit* Text12 = nullptr;           // the calculation text
    QTextEdit* TextChecks = nullptr;            // the supplementary design, "补充验算", wrapped
    QLabel* staleNote = nullptr;  // "输入已修改，请重新计算", while the results are stale
    QLabel* verdictLine = nullptr;  // "结论：满足" or "结论：不满足（受剪）" of the last press
    std::array<QComboBox*, kListCount> lists{};
    std::array<QRadioButton*, 2> Option1{};  // index 0 "人防", index 1 "非人防"
    QPushButton* Command1 = nullptr;         // "计算"
    QPushButton* Command2 = nullptr;         // "帮助"
    QPushButton* Command3 = nullptr;         // "退出"
    WallFigure* figure = nullptr;
    // Every control with its row of the layout table, in the table's order.
    std::vector<std::pair<const ControlPlace*, QWidget*>> placed;
};

// The specified size of the page the controls stand on, the layout table's window area.
// The window scrolls below it; above it the panels grow.
QSize clientSize();

// Creates every control of the layout table on `page`, in its tab order, at its place
// for the specified size. The lists are left empty and nothing is checked: the window's
// opening fills them.
Form1Controls buildControls(QWidget& page);

// Places the controls on a page of `size` (never less than clientSize()): at the specified
// size where the layout table puts them, and beyond it as the table's growth rule moves
// and widens them (form1_places.cpp).
void placeControls(const Form1Controls& c, QSize size);

}  // namespace wallcalc::app
