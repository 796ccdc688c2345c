// Form1's menu bar and its calculation-sheet commands: the title block's project, export
// as PDF (Ctrl+E), print (Ctrl+P), copy the calculation text, exit; the message when there
// is no completed calculation yet, the offer to compute first when the inputs changed
// since, and the message that names a file that cannot be written and says why.
#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "dialog_answer.hpp"
#include "form1.hpp"
#include "form1_controls.hpp"
#include "message_catcher.hpp"
#include "pdf_tools.hpp"
#include "scratch_settings.hpp"
#include "wallcalc/sheet/sheet_rendering.hpp"
#include "window_under_test.hpp"

using wallcalc::app::Form1;
using wallcalc::app::testing::DialogAnswer;
using wallcalc::app::testing::MessageCatcher;

namespace {

// The buttons of a message box, in alphabetical order.
QStringList sorted(QStringList buttons) {
    buttons.sort();
    return buttons;
}

}  // namespace

class Form1Sheet : public QObject, private wallcalc::app::testing::WindowUnderTest {
    Q_OBJECT

  private:
    QTemporaryDir dir_;

    void computeOrdinary() {
        click("Option1_1");
        click("Command1");
        QVERIFY(form_->calculationSheet() != nullptr);
    }
    QString path(const QString& name) const { return dir_.filePath(name); }

  private slots:
    void initTestCase() {
        // A saved wall goes into the recent files: a scratch copy of the settings, not the
        // user's.
        wallcalc::app::testing::useScratchSettings();
    }
    void init() { QVERIFY(open()); }
    void cleanup() { form_.reset(); }

    // "文件" and "帮助" above the controls, which keep their page and places.
    void menuBarAboveTheControls() {
        QMenuBar* bar = form_->menuBar();
        QVERIFY(bar->isVisible());
        QVERIFY(bar->geometry().bottom() < form_->centralWidget()->geometry().top());
        QCOMPARE(get<QWidget>("client")->size(), wallcalc::app::clientSize());
        QStringList menus;
        for (QAction* a : bar->actions())
            menus << a->text();
        QCOMPARE(menus, (QStringList{"文件(&F)", "帮助(&H)"}));
        const auto items = [](QMenu* menu) {
            QStringList out;
            for (QAction* a : menu->actions())
                out << (a->isSeparator() ? QString("—") : a->text());
            return out;
        };
        QCOMPARE(items(bar->actions().at(0)->menu()),
                 (QStringList{"新建(&N)", "打开(&O)…", "最近打开的文件(&R)", "保存(&S)",
                              "另存为(&A)…", "—", "计算书信息(&I)…", "导出计算书(PDF)(&E)…",
                              "打印计算书(&P)…", "复制计算书(&C)", "—", "退出(&X)"}));
        QCOMPARE(items(bar->actions().at(1)->menu()), (QStringList{"帮助(&H)", "关于(&A)"}));
        const struct {
            const char* action;
            const char* keys;
        } shortcuts[] = {{"actionNew", "Ctrl+N"},       {"actionOpen", "Ctrl+O"},
                         {"actionSave", "Ctrl+S"},      {"actionSaveAs", "Ctrl+Shift+S"},
                         {"actionExportPdf", "Ctrl+E"}, {"actionPrint", "Ctrl+P"},
                         {"actionExit", "Ctrl+Q"},      {"actionHelp", "F1"}};
        for (const auto& s : shortcuts)
            QCOMPARE(get<QAction>(s.action)->shortcut(), QKeySequence(s.keys));
    }

    // Alt+F opens "文件" rather than typing "f" into the box that has the focus.
    void altFOpensTheFileMenu() {
        QApplication::setActiveWindow(form_.get());
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        auto* h5 = get<QLineEdit>("Text4");
        h5->setFocus();
        QTest::keyClick(h5, Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(get<QMenu>("menuFile")->isVisible());
        QCOMPARE(h5->text(), QString("350"));
        get<QMenu>("menuFile")->close();
    }

    // Before a press of "计算" has completed there is no sheet: each command says so and
    // opens no dialog, whether nothing was pressed yet or the press ended early.
    void noSheetBeforeACompletedPress_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("says");
        for (const char* before :
             {"nothing pressed", "the reminder", "elevations that do not fit"}) {
            QTest::addRow("%s: export", before) << before << "actionExportPdf"
                                                << "导出";
            QTest::addRow("%s: print", before) << before << "actionPrint"
                                               << "打印";
            QTest::addRow("%s: copy", before) << before << "actionCopy"
                                              << "复制";
        }
    }
    void noSheetBeforeACompletedPress() {
        QFETCH(QString, before);
        QFETCH(QString, action);
        QFETCH(QString, says);
        {
            MessageCatcher pressMessages;
            if (before == "elevations that do not fit") {
                click("Option1_1");
                get<QComboBox>("Combo3")->setCurrentIndex(2);
            }
            if (before != "nothing pressed") click("Command1");
        }
        QVERIFY(form_->calculationSheet() == nullptr);
        QGuiApplication::clipboard()->setText("untouched");
        MessageCatcher catcher;
        DialogAnswer dialogs;
        get<QAction>(action)->trigger();
        QCOMPARE(dialogs.seen(), 0);
        QCOMPARE(catcher.seen().size(), 1);
        const auto& m = catcher.seen().first();
        QCOMPARE(m.title, QString("友情提示:"));
        QVERIFY(m.text.contains("还没有完成的计算"));
        QVERIFY(m.text.contains(says));
        QVERIFY(m.onlyOk && m.modal);
        QCOMPARE(m.parent, form_.get());
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("untouched"));
    }

    void shortcutsReachTheCommands_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("says");
        QTest::newRow("Ctrl+E exports") << int(Qt::Key_E) << "导出";
        QTest::newRow("Ctrl+P prints") << int(Qt::Key_P) << "打印";
    }
    void shortcutsReachTheCommands() {
        QFETCH(int, key);
        QFETCH(QString, says);
        QApplication::setActiveWindow(form_.get());
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        get<QLineEdit>("Text4")->setFocus();
        MessageCatcher catcher;
        QTest::keyClick(get<QLineEdit>("Text4"), Qt::Key(key), Qt::ControlModifier);
        QTRY_COMPARE(catcher.seen().size(), 1);
        QVERIFY(catcher.seen().first().text.contains(says));
    }

    // Ctrl+S saves the wall, whatever the sheet: it asks for the wall's file, not a PDF.
    void ctrlSSavesTheWall() {
        MessageCatcher catcher;
        computeOrdinary();
        QApplication::setActiveWindow(form_.get());
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        DialogAnswer dialogs(path("wall"));
        QTest::keyClick(get<QLineEdit>("Text4"), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(dialogs.seen(), 1);
        QCOMPARE(dialogs.lastTitle(), QString("保存墙体文件"));
        QVERIFY(QFile::exists(path("wall.wall")));
        QCOMPARE(catcher.seen().size(), 0);
    }

    // The sheet is that of the last completed press: typing since, or a press that ended
    // early, changes nothing on it.
    void sheetIsTheLastCompletedPress() {
        MessageCatcher catcher;
        computeOrdinary();
        const wallcalc::sheet::CalculationSheet completed = *form_->calculationSheet();
        get<QLineEdit>("Text4")->setText("400");
        get<QComboBox>("Combo3")->setCurrentIndex(2);
        click("Command1");  // 情况C with the water above the base: ends early
        QCOMPARE(catcher.seen().size(), 1);
        QVERIFY(*form_->calculationSheet() == completed);
        QCOMPARE(completed.inputs[8].label + "=" + completed.inputs[8].value,
                 std::string("墙厚度h5（mm）=350"));
        QStringList lines;
        for (const std::string& line : completed.calculation)
            lines << QString::fromStdString(line);
        QCOMPARE(lines.join('\n'), get<QPlainTextEdit>("Text12")->toPlainText());
        // A completed press with the new inputs replaces it.
        get<QComboBox>("Combo3")->setCurrentIndex(0);
        click("Command1");
        QCOMPARE(form_->calculationSheet()->inputs[8].value, std::string("400"));
    }

    void exportThroughTheFileDialog() {
        MessageCatcher catcher;
        computeOrdinary();
        DialogAnswer dialogs(path("from-dialog"));
        get<QAction>("actionExportPdf")->trigger();
        QCOMPARE(dialogs.seen(), 1);
        QCOMPARE(catcher.seen().size(), 0);
        QFile file(path("from-dialog.pdf"));  // ".pdf" added to a name without one
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("%PDF-"));
    }

    void exportFailureNamesTheFile_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason");
        QTest::newRow("under a regular file") << "plain/sheet.pdf"
                                              << "路径中有一部分不是文件夹";
        QTest::newRow("in a folder that does not exist") << "missing/sheet.pdf"
                                                         << "文件或文件夹不存在";
        QTest::newRow("over a folder") << ""
                                       << "这是一个文件夹，不是文件";
    }
    void exportFailureNamesTheFile() {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        QFile plain(path("plain"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        MessageCatcher catcher;
        computeOrdinary();
        const QString file = target.isEmpty() ? dir_.path() : path(target);
        QVERIFY(!form_->exportSheetTo(file));
        QCOMPARE(catcher.seen().size(), 1);
        const auto& m = catcher.seen().first();
        QCOMPARE(m.title, QString("友情提示:"));
        QCOMPARE(m.text, QString("计算书未能写入“%1”：\n%2").arg(file, reason));
        QVERIFY(m.onlyOk && m.modal);
        QCOMPARE(m.parent, form_.get());
        if (!target.isEmpty()) QVERIFY(!QFile::exists(file));
    }

    // Once the inputs changed after a completed press, exporting, printing and copying say
    // so and offer to compute first: "先计算" goes on with the new sheet, "用修改之前的计算书"
    // with the one of the earlier inputs, "取消" stops.
    void staleSheetOffersToComputeFirst_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("h5");  // of the sheet that went out; empty: none did
        for (const char* command : {"actionExportPdf", "actionPrint", "actionCopy"}) {
            QTest::addRow("%s, 先计算", command) << command << "先计算"
                                                 << "500";
            QTest::addRow("%s, 用修改之前的计算书", command) << command << "用修改之前的计算书"
                                                             << "350";
            QTest::addRow("%s, 取消", command) << command << "取消"
                                               << "";
        }
    }
    void staleSheetOffersToComputeFirst() {
        QFETCH(QString, command);
        QFETCH(QString, answer);
        QFETCH(QString, h5);
        {
            MessageCatcher quiet;
            computeOrdinary();
        }
        get<QLineEdit>("Text4")->setText("500");
        QGuiApplication::clipboard()->setText("untouched");
        const QString pdf = path(QString::number(qHash(QTest::currentDataTag())) + ".pdf");
        MessageCatcher catcher({answer});
        DialogAnswer dialogs(pdf);
        get<QAction>(command)->trigger();
        QCOMPARE(catcher.seen().size(), 1);
        const auto& m = catcher.seen().first();
        QCOMPARE(m.title, QString("友情提示:"));
        QVERIFY(m.text.startsWith("输入已修改"));
        QCOMPARE(sorted(m.buttons), sorted({"先计算", "用修改之前的计算书", "取消"}));
        const QString sheetH5 = QString::fromStdString(form_->calculationSheet()->inputs[8].value);
        QCOMPARE(sheetH5, h5.isEmpty() ? QString("350") : h5);
        QCOMPARE(form_->model().resultsStale(), answer != "先计算");
        const bool wentOn = !h5.isEmpty();
        if (command == "actionCopy") {
            const QString copied = QGuiApplication::clipboard()->text();
            QCOMPARE(copied == "untouched", !wentOn);
            if (wentOn) QVERIFY(copied.contains("(0.5*1000* " + h5 + " )"));
        } else {
            QCOMPARE(dialogs.seen(), wentOn ? 1 : 0);
        }
        if (command == "actionExportPdf") QCOMPARE(QFile::exists(pdf), wentOn);
    }

    // "先计算" with inputs the press cannot finish: its message, and nothing goes out.
    void computeFirstThatEndsEarlySendsNothing() {
        {
            MessageCatcher quiet;
            computeOrdinary();
        }
        get<QLineEdit>("Text4")->setText("abc");
        MessageCatcher catcher({"先计算"});
        DialogAnswer dialogs(path("never.pdf"));
        get<QAction>("actionExportPdf")->trigger();
        QCOMPARE(catcher.seen().size(), 2);  // the offer, then the press's own message
        QCOMPARE(dialogs.seen(), 0);
        QVERIFY(form_->model().resultsStale());
        QVERIFY(!QFile::exists(path("never.pdf")));
    }

    // "计算书信息…" fills the title block; the sheet prints it, and the wall keeps it.
    void titleBlockFromTheProjectDialog() {
        MessageCatcher catcher;
        computeOrdinary();
        const wallcalc::ProjectInfo project{"滨江花园二期", "W3 地下一层", "张工", "李工", "王工"};
        {
            DialogAnswer dialogs({}, project);
            get<QAction>("actionProjectInfo")->trigger();
            QCOMPARE(dialogs.seen(), 1);
            QCOMPARE(dialogs.lastTitle(), QString("计算书信息"));
        }
        QVERIFY(form_->model().project() == project);
        QVERIFY(form_->isWindowModified());
        QVERIFY(!form_->model().resultsStale());  // the title block is no input of the press
        QVERIFY(form_->exportSheetTo(path("signed.pdf"), QDate(2024, 5, 1)));
        QCOMPARE(catcher.seen().size(), 0);
        if (!wallcalc::testing::popplerInstalled()) QSKIP("poppler-utils is not installed");
        const QString text =
            wallcalc::testing::withoutBlanks(wallcalc::testing::pdfText(path("signed.pdf"), true));
        for (const QString& cell :
             QStringList{"工程名称滨江花园二期", "墙体编号/部位W3地下一层", "计算日期2024-05-01",
                         "设计张工", "校对李工", "审核王工", "设计依据GB50010-2002"}) {
            QVERIFY2(text.contains(cell), qPrintable(cell));
        }
        // A cancelled dialog changes nothing.
        {
            DialogAnswer cancel;
            get<QAction>("actionProjectInfo")->trigger();
            QCOMPARE(cancel.seen(), 1);
        }
        QVERIFY(form_->model().project() == project);
    }

    // A character of the title block that no installed face has: the sheet is written and
    // the window says which character did not print.
    void unprintableCharacterIsSaid() {
        MessageCatcher catcher;
        computeOrdinary();
        form_->setProject({"轴线\uE000外墙", "", "", "", ""});
        const QString file = path("unprintable.pdf");
        QVERIFY(form_->exportSheetTo(file, QDate(2024, 5, 1)));
        QVERIFY(QFile::exists(file));
        QCOMPARE(catcher.seen().size(), 1);
        QCOMPARE(catcher.seen().first().text,
                 QString("计算书已写入“%1”。\n计算书中有已安装的字体都没有的字符，未能印出："
                         "U+E000“\uE000”")
                     .arg(file));
    }

    // Printing and exporting draw the same sheet.
    void printedSheetIsTheExportedOne() {
        MessageCatcher catcher;
        computeOrdinary();
        const QDate day(2024, 5, 1);
        QVERIFY(form_->exportSheetTo(path("exported.pdf"), day));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path("printed.pdf"));
        wallcalc::sheet::setUpSheetPage(printer);
        QVERIFY(form_->printSheetOn(printer, day));
        QCOMPARE(catcher.seen().size(), 0);
        if (!wallcalc::testing::popplerInstalled()) QSKIP("poppler-utils is not installed");
        // Four pages: with the supplementary design after the calculation.
        QCOMPARE(wallcalc::testing::pdfPages(path("printed.pdf")), 4);
        // The printer draws at its own resolution: the same words, columns a hair apart.
        const QString text = wallcalc::testing::pdfText(path("exported.pdf"));
        QVERIFY(text.contains("计算日期：2024-05-01"));  // the running head of page 2
        QCOMPARE(wallcalc::testing::pdfText(path("printed.pdf")), text);
    }

    // "复制计算书" puts Text12's text on the clipboard, lines ending in LF.
    void copyPutsTheCalculationOnTheClipboard() {
        MessageCatcher catcher;
        computeOrdinary();
        get<QAction>("actionCopy")->trigger();
        QCOMPARE(catcher.seen().size(), 0);
        const QString copied = QGuiApplication::clipboard()->text();
        QCOMPARE(copied, get<QPlainTextEdit>("Text12")->toPlainText());
        QVERIFY(!copied.contains('\r'));
        const QStringList lines = copied.split('\n');
        QCOMPARE(lines.size(), 39);
        QCOMPARE(lines.first(), QString("1.荷载计算："));
    }

    void exitFromTheMenuClosesTheWindow() {
        get<QAction>("actionExit")->trigger();
        QVERIFY(!form_->isVisible());
    }
};

QTEST_MAIN(Form1Sheet)
#include "tst_form1_sheet.moc"
