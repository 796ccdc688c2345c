#pragma once
// The controls of Form1, created on its client area at their places. Each widget's
// objectName is its control name (Text1, Combo1, Frame1, Option1_0, Command1 …) so that
// tests and accessibility tools find it.
#include <QSize>
#include <array>

#include "wallcalc/engine/controls.hpp"

class QComboBox;
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
    std::array<QComboBox*, kListCount> lists{};
    std::array<QRadioButton*, 2> Option1{};  // index 0 "人防", index 1 "非人防"
    QPushButton* Command1 = nullptr;         // "计算"
    QPushButton* Command2 = nullptr;         // "帮助"
    QPushButton* Command3 = nullptr;         // "退出"
    WallFigure* figure = nullptr;
};

// The size of the client area: the controls plus the window's margin on every side.
QSize clientSize();

// Creates every control, its label and its frame on `client`, in screen tab order.
// The lists are left empty and nothing is checked: the window's opening fills them.
Form1Controls buildControls(QWidget& client);

}  // namespace wallcalc::app
