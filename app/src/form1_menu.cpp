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

}  // namespace

Form1Menu buildMenu(QMainWindow& window) {
    QMenuBar* bar = window.menuBar();
    bar->setObjectName(QStringLiteral("MenuBar"));
    QMenu* file = bar->addMenu(QStringLiteral("文件"));
    file->setObjectName(QStringLiteral("menuFile"));
    Form1Menu m;
    m.exportPdf = addAction(*file, "actionExportPdf", QStringLiteral("导出计算书(PDF)…"),
                            QKeySequence(Qt::CTRL | Qt::Key_S));
    m.print = addAction(*file, "actionPrint", QStringLiteral("打印计算书…"),
                        QKeySequence(Qt::CTRL | Qt::Key_P));
    m.copy = addAction(*file, "actionCopy", QStringLiteral("复制计算书"));
    file->addSeparator();
    m.exit = addAction(*file, "actionExit", QStringLiteral("退出"));
    return m;
}

}  // namespace wallcalc::app
