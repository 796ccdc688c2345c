#pragma once
// The menu bar above Form1's page: "文件(&F)" with the wall files, the calculation sheet's
// commands and "退出", and "帮助(&H)" with "帮助" and "关于". Each action's objectName
// names it for the tests.
class QAction;
class QMainWindow;
class QMenu;

namespace wallcalc::app {

struct Form1Menu {
    QAction* newWall = nullptr;      // "新建", Ctrl+N
    QAction* open = nullptr;         // "打开…", Ctrl+O
    QMenu* recent = nullptr;         // "最近打开的文件"
    QAction* save = nullptr;         // "保存", Ctrl+S
    QAction* saveAs = nullptr;       // "另存为…", Ctrl+Shift+S
    QAction* projectInfo = nullptr;  // "计算书信息…"
    QAction* exportPdf = nullptr;    // "导出计算书(PDF)…", Ctrl+E
    QAction* print = nullptr;        // "打印计算书…", Ctrl+P
    QAction* copy = nullptr;         // "复制计算书"
    QAction* exit = nullptr;         // "退出", Ctrl+Q
    QAction* help = nullptr;         // "帮助", F1
    QAction* about = nullptr;        // "关于"
};

// Creates the menu bar of `window` with its menus; the caller connects the actions.
Form1Menu buildMenu(QMainWindow& window);

}  // namespace wallcalc::app
