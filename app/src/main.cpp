// wallcalc: the window in which an engineer designs the vertical bars of a basement
// exterior wall.
#include <QApplication>

#include "form1.hpp"
#include "window_fonts.hpp"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("wallcalc"));
    QApplication::setFont(wallcalc::app::windowFont());
    wallcalc::app::Form1 form1;
    form1.show();
    return QApplication::exec();  // "退出" closes Form1, the last window, and ends here
}
