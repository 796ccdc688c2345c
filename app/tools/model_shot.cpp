// wallcalc-model-shot: renders the program's window on its wall model page, with a model
// file opened, into a PNG (docs/wall-model-page.png); for a machine without a screen run
// it under xvfb-run or QT_QPA_PLATFORM=offscreen.
//
//   wallcalc-model-shot MODEL.json OUT.png [--size WxH] [--bad KEY=TEXT] [--page N]
//                       [--show KEY]
//
// MODEL.json may be - for the page as it opens, with no file. --bad types TEXT into the field KEY
// ("ground=abc") after the file is opened, so that the picture shows a marked cell and the results
// greyed; --page 0 shows the first page (the wall strip) instead, as the window opens; --show
// scrolls the inputs until the field KEY ("panel.width") is in sight.
#include <QApplication>
#include <QLineEdit>
#include <QScrollArea>
#include <QStandardPaths>
#include <QTabWidget>
#include <cstdio>

#include "app_settings.hpp"
#include "chinese_texts.hpp"
#include "main_window.hpp"
#include "model_window.hpp"
#include "window_fonts.hpp"

namespace {

QString valueOf(const QStringList& args, const char* option) {
    const qsizetype at = args.indexOf(QLatin1String(option));
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : QString();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setFont(wallcalc::app::windowFont());
    wallcalc::app::useChineseTexts(application);
    const QStringList args = QApplication::arguments().mid(1);
    if (args.size() < 2 || args[0].startsWith(QLatin1String("--"))) {
        std::fprintf(stderr,
                     "usage: wallcalc-model-shot MODEL.json OUT.png [--size WxH] "
                     "[--bad KEY=TEXT] [--page N] [--show KEY]\n");
        return 2;
    }
    // The settings of Qt's test mode, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    wallcalc::app::appSettings().clear();
    wallcalc::app::MainWindow window;
    const QStringList size = valueOf(args, "--size").split(QLatin1Char('x'));
    if (size.size() == 2) window.resize(size[0].toInt(), size[1].toInt());
    window.pages().setCurrentIndex(valueOf(args, "--page") == QLatin1String("0") ? 0 : 1);
    window.show();
    QApplication::processEvents();
    // "-" for no file: the page as it opens.
    if (args[0] != QLatin1String("-") && !window.modelPage().openModelFile(args[0])) return 1;
    if (const QString bad = valueOf(args, "--bad"); bad.contains(QLatin1Char('='))) {
        auto* edit = window.findChild<QLineEdit*>(bad.section(QLatin1Char('='), 0, 0));
        if (edit != nullptr) edit->setText(bad.section(QLatin1Char('='), 1));
    }
    if (const QString key = valueOf(args, "--show"); !key.isEmpty()) {
        auto* area = window.findChild<QScrollArea*>(QStringLiteral("ModelInputsArea"));
        auto* field = window.findChild<QWidget*>(key);
        if (area != nullptr && field != nullptr) area->ensureWidgetVisible(field, 0, 200);
    }
    QApplication::processEvents();
    if (window.grab().save(args[1])) return 0;
    std::fprintf(stderr, "wallcalc-model-shot: cannot write %s\n", qPrintable(args[1]));
    return 1;
}
