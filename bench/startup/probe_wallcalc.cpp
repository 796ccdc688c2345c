// The program's start-up (as app/src/main.cpp does it) up to its first paint.
#include <QApplication>

#include "first_paint_probe.hpp"
#include "form1.hpp"
#include "window_fonts.hpp"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("wallcalc"));
    QApplication::setFont(wallcalc::app::windowFont());
    wallcalc::app::Form1 form1;
    startup::reportFirstPaint(form1);
    form1.show();
    return QApplication::exec();
}
