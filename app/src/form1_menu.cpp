#include "form1_menu.hpp"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace wallcalc::app {
namespace {

QAction* addAction(QMenu& menu, const char* name, const QString& text,
                   const QKeySequence& shortcut = {}) {
    QAction* action = menu.addAction(text);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}

QMenu* addMenu(QMenuBar& bar, const char* name, const QString& title) {
    QMenu* menu = bar.addMenu(title);
    menu->setObjectName(QLatin1String(name));
    return menu;
}

}  // namespace

Form1Menu buildMenu(QMainWindow& window) {
    QMenuBar* bar = window.menuBar();
    bar->setObjectName(QStringLiteral("MenuBar"));
    // Alt and the letter opens a menu, and the letter of an item chooses it, as on every
    // desktop; Chinese menus write the letter after the text.
    QMenu* file = addMenu(*bar, "menuFile", QStringLiteral("文件(&F)"));
    Form1Menu m;
    m.newWall = addAction(*file, "actionNew", QStringLiteral("新建(&N)"), QKeySequence::New);
    m.open = addAction(*file, "actionOpen", QStringLiteral("打开(&O)…"), QKeySequence::Open);
    m.recent = file->addMenu(QStringLiteral("最近打开的文件(&R)"));
    m.recent->setObjectName(QStringLiteral("menuRecent"));
    m.save = addAction(*file, "actionSave", QStringLiteral("保存(&S)"), QKeySequence::Save);
    m.saveAs = addAction(*file, "actionSaveAs", QStringLiteral("另存为(&A)…"),
                         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    file->addSeparator();
    m.projectInfo = addAction(*file, "actionProjectInfo", QStringLiteral("计算书信息(&I)…"));
    m.exportPdf = addAction(*file, "actionExportPdf", QStringLiteral("导出计算书(PDF)(&E)…"),
                            QKeySequence(Qt::CTRL | Qt::Key_E));
    m.print = addAction(*file, "actionPrint", QStringLiteral("打印计算书(&P)…"),
                        QKeySequence(Qt::CTRL | Qt::Key_P));
    m.copy = addAction(*file, "actionCopy", QStringLiteral("复制计算书(&C)"));
    file->addSeparator();
    m.exit = addAction(*file, "actionExit", QStringLiteral("退出(&X)"),
                       QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* help = addMenu(*bar, "menuHelp", QStringLiteral("帮助(&H)"));
    m.help = addAction(*help, "actionHelp", QStringLiteral("帮助(&H)"), QKeySequence::HelpContents);
    m.about = addAction(*help, "actionAbout", QStringLiteral("关于(&A)"));
    return m;
}

}  // namespace wallcalc::app
