// wallcalc-window-shot: renders Form1 into a PNG, for the README and for looking at the
// window on a machine without a screen (run under xvfb-run or QT_QPA_PLATFORM=offscreen).
//
//   wallcalc-window-shot OUT.png [--computed] [--help OUT-HELP.png]
//
// --computed clicks "非人防" and "计算" first, so the results and the calculation text
// show; --help also presses "帮助" and renders the message box.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>

#include "form1.hpp"
#include "window_fonts.hpp"

namespace {

bool save(QWidget& widget, const QString& path) {
    if (widget.grab().save(path)) return true;
    std::fprintf(stderr, "wallcalc-window-shot: cannot write %s\n", qPrintable(path));
    return false;
}

void click(QWidget& window, const char* name) {
    if (auto* button = window.findChild<QAbstractButton*>(QLatin1String(name))) button->click();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setFont(wallcalc::app::windowFont());
    const QStringList args = QApplication::arguments().mid(1);
    if (args.isEmpty() || args.first().startsWith(QLatin1String("--"))) {
        std::fprintf(stderr, "usage: wallcalc-window-shot OUT.png [--computed] [--help OUT.png]\n");
        return 2;
    }
    wallcalc::app::Form1 form1;
    form1.show();
    QApplication::processEvents();
    if (args.contains(QLatin1String("--computed"))) {
        click(form1, "Option1_1");
        click(form1, "Command1");
    }
    bool ok = true;
    const qsizetype help = args.indexOf(QLatin1String("--help"));
    if (help > 0 && help + 1 < args.size()) {
        const QString helpPath = args.at(help + 1);
        QTimer::singleShot(200, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ok = save(*box, helpPath) && ok;
                box->accept();
            }
        });
        click(form1, "Command2");
    }
    QApplication::processEvents();
    return save(form1, args.first()) && ok ? 0 : 1;
}
