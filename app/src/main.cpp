// wallcalc: the window in which an engineer designs the vertical bars of a basement
// exterior wall: the wall strip of one storey, and the wall model of several.
#include <QApplication>
#include <QIcon>

#include "chinese_texts.hpp"
#include "main_window.hpp"
#include "window_fonts.hpp"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("wallcalc"));
    QApplication::setApplicationVersion(QStringLiteral(WALLCALC_VERSION));
    // The installed menu entry (wallcalc.desktop) and icon, so that the desktop shows the
    // running window under its own name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("wallcalc"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("wallcalc")));
    QApplication::setFont(wallcalc::app::windowFont());
    wallcalc::app::useChineseTexts(application);
    wallcalc::app::MainWindow window;
    window.show();
    return QApplication::exec();  // "退出" closes the window, the last one, and ends here
}
