#pragma once
// The menu bar above Form1's controls: "文件" with the calculation sheet's commands and
// "退出". Each action's objectName names it for the tests.
class QAction;
class QMainWindow;

namespace wallcalc::app {

struct Form1Menu {
    QAction* exportPdf = nullptr;  // "导出计算书(PDF)…", Ctrl+S
    QAction* print = nullptr;      // "打印计算书…", Ctrl+P
    QAction* copy = nullptr;       // "复制计算书"
    QAction* exit = nullptr;       // "退出"
};

// Creates the menu bar of `window` with its "文件" menu; the caller connects the actions.
Form1Menu buildMenu(QMainWindow& window);

}  // namespace wallcalc::app
