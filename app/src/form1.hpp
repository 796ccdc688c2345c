#pragma once
// Form1, the program's one window. It holds the inputs, lists, civil-defence option,
// result boxes, calculation text and wall figure, and is the engine's host: it reads
// and writes its boxes and shows the run's messages for the engine. It calculates
// nothing itself.
#include <QMainWindow>
#include <string>
#include <string_view>

#include "form1_controls.hpp"
#include "wallcalc/engine/compute.hpp"

namespace wallcalc::app {

class Form1 final : public QMainWindow, public Host {
    Q_OBJECT

  public:
    explicit Form1(QWidget* parent = nullptr);

    // The engine's four operations over the widgets. Texts are UTF-8; Text12 gives
    // back its lines separated by CR LF, as the engine wrote them.
    std::string text(Box box) const override;
    int selected(List list) const override;
    void setText(Box box, std::string_view text) override;
    void showMessage(std::string_view title, std::string_view text) override;

    // The civil-defence choice: 20 until an option is clicked, then 0 or 1.
    int X() const { return X_; }
    const CalcState& state() const { return state_; }

  private:
    void Form_Load();
    void Option1_Click(int index);
    void Command1_Click();  // "计算"
    void Command2_Click();  // "帮助"
    void Command3_Click();  // "退出"

    Form1Controls controls_;
    int X_ = kNoChoiceYet;
    CalcState state_;
};

}  // namespace wallcalc::app
