#pragma once
// The controls of Form1, created on its page at their places. Each widget's objectName is
// its control name (Text1, Combo1, Frame1, Option1_0, Command1 …) so that tests and
// accessibility tools find it.
#include <QSize>
#include <array>

#include "wallcalc/engine/controls.hpp"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace wallcalc::app {

class WallFigure;

struct Form1Controls {
    std::array<QLineEdit*, kBoxCount> boxes{};  // every text box but Text12 (left null)
    QPlainTextEdit* Text12 = nullptr;           // the calculation text
    QWidget* basisFrame = nullptr;              // "设计规范": the basis and the 2010 factors
    QPlainTextEdit* TextChecks = nullptr;       // the supplementary design, "补充验算"
    QLabel* checksCaption = nullptr;
    QLabel* staleNote = nullptr;  // "输入已修改，请重新计算", while the results are stale
    std::array<QComboBox*, kListCount> lists{};
    std::array<QRadioButton*, 2> Option1{};  // index 0 "人防", index 1 "非人防"
    QPushButton* Command1 = nullptr;         // "计算"
    QPushButton* Command2 = nullptr;         // "帮助"
    QPushButton* Command3 = nullptr;         // "退出"
    WallFigure* figure = nullptr;
};

// The specified size of the page the controls stand on: the controls of the control
// table, the supplementary design beside Text12, and the window's margin on every side.
// The window scrolls below it; above it the panels grow.
QSize clientSize();

// Creates every control, its label and its frame on `page`, in screen tab order, and
// places the panels for the specified size. The lists are left empty and nothing is
// checked: the window's opening fills them.
Form1Controls buildControls(QWidget& page);

// The panels that grow with the window: the figure, the stale line, Text12 and the
// supplementary design with its caption (form1_panels.cpp).
void buildPanels(Form1Controls& c, QWidget& page);
// Places the panels on a page of `size` (never less than clientSize()): at the specified
// size where the control table puts them, and beyond it sharing the extra room. The
// other controls keep their places.
void placePanels(const Form1Controls& c, QSize size);

}  // namespace wallcalc::app
