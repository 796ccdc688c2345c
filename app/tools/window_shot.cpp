// wallcalc-window-shot: renders Form1 into a PNG, for the README and for looking at the
// window on a machine without a screen (run under xvfb-run or QT_QPA_PLATFORM=offscreen).
//
//   wallcalc-window-shot OUT.png [--size WxH] [--basis 2010] [--computed] [--stale]
//                        [--help OUT.png] [--open-dialog OUT.png] [--sheet OUT.pdf]
//
// The window opens as on a machine where it never ran (the settings of Qt's test mode,
// not the user's: a remembered basis does not change the picture, nor does the picture
// change what the user's window remembers). --size resizes the window first; --basis
// chooses the design basis in 设计规范; --computed clicks "非人防" and "计算", so the results
// and the calculation text show; --stale then types 500 into h5, so that they show as
// belonging to earlier inputs; --help also presses "帮助" and renders the message box;
// --open-dialog renders the dialog of "打开…"; --sheet exports the calculation sheet
// with a sample title block.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "app_settings.hpp"
#include "chinese_texts.hpp"
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

// The value after `option`, or an empty string.
QString valueOf(const QStringList& args, const char* option) {
    const qsizetype at = args.indexOf(QLatin1String(option));
    return at > 0 && at + 1 < args.size() ? args.at(at + 1) : QString();
}

// Renders the next modal dialog into `path` and closes it, then runs `open` (which opens it).
bool shootDialog(const QString& path, const std::function<void()>& open) {
    bool ok = false;
    QTimer::singleShot(300, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            ok = save(*dialog, path);
            dialog->reject();
        }
    });
    open();
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setFont(wallcalc::app::windowFont());
    wallcalc::app::useChineseTexts(application);
    const QStringList args = QApplication::arguments().mid(1);
    if (args.isEmpty() || args.first().startsWith(QLatin1String("--"))) {
        std::fprintf(
            stderr,
            "usage: wallcalc-window-shot OUT.png [--size WxH] [--basis 2010] [--computed]\n"
            "       [--stale]\n"
            "       [--help OUT.png] [--open-dialog OUT.png] [--sheet OUT.pdf]\n");
        return 2;
    }
    QStandardPaths::setTestModeEnabled(true);
    wallcalc::app::appSettings().clear();
    wallcalc::app::Form1 form1;
    const QStringList size = valueOf(args, "--size").split(QLatin1Char('x'));
    if (size.size() == 2) form1.resize(size[0].toInt(), size[1].toInt());
    form1.show();
    QApplication::processEvents();
    if (valueOf(args, "--basis") == QLatin1String("2010")) {
        if (auto* basis = form1.findChild<QComboBox*>(QStringLiteral("Combo4")))
            basis->setCurrentIndex(1);
    }
    if (args.contains(QLatin1String("--computed"))) {
        click(form1, "Option1_1");
        click(form1, "Command1");
    }
    if (args.contains(QLatin1String("--stale"))) {
        if (auto* h5 = form1.findChild<QLineEdit*>(QStringLiteral("Text4"))) h5->setText("500");
    }
    bool ok = true;
    if (const QString path = valueOf(args, "--help"); !path.isEmpty()) {
        ok = shootDialog(path, [&] { click(form1, "Command2"); }) && ok;
    }
    if (const QString path = valueOf(args, "--open-dialog"); !path.isEmpty()) {
        auto* open = form1.findChild<QAction*>(QStringLiteral("actionOpen"));
        ok = open != nullptr && shootDialog(path, [open] { open->trigger(); }) && ok;
    }
    if (const QString path = valueOf(args, "--sheet"); !path.isEmpty()) {
        form1.setProject({"滨江花园二期地下车库", "W3（①~⑤轴外墙）", "张明", "李华", "王强"});
        ok = form1.exportSheetTo(path) && ok;
    }
    QApplication::processEvents();
    return save(form1, args.first()) && ok ? 0 : 1;
}
