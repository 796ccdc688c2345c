// Form1's menu bar and its calculation-sheet commands: export as PDF (Ctrl+S), print
// (Ctrl+P), copy the calculation text, exit; the message when there is no completed
// calculation yet, and the message that names a file that cannot be written.
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
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "form1.hpp"
#include "form1_controls.hpp"
#include "message_catcher.hpp"
#include "pdf_tools.hpp"
#include "wallcalc/sheet/sheet_rendering.hpp"

using wallcalc::app::Form1;
using wallcalc::app::testing::MessageCatcher;

namespace {

// Answers the file dialog that "导出计算书(PDF)…" opens: with a file name, or by
// cancelling it. Counts the dialogs it saw; any other dialog is cancelled too.
class FileDialogAnswer : public QObject {
  public:
    explicit FileDialogAnswer(QString file = {}) : file_(std::move(file)) {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, [this] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr || qobject_cast<QMessageBox*>(dialog)) return;
            ++seen_;
            auto* files = qobject_cast<QFileDialog*>(dialog);
            if (files != nullptr && !file_.isEmpty()) {
                files->selectFile(file_);
                dialog->accept();  // QFileDialog's own accept(), as its Save button
            } else {
                dialog->reject();
            }
        });
        timer_.start();
    }
    int seen() const { return seen_; }

  private:
    QString file_;
    QTimer timer_;
    int seen_ = 0;
};

}  // namespace

class Form1Sheet : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<Form1> form_;
    QTemporaryDir dir_;

    template <typename W>
    W* get(const QString& name) {
        W* w = form_->findChild<W*>(name);
        if (w == nullptr) qFatal("no widget %s", qPrintable(name));
        return w;
    }
    void click(const QString& name) {
        QTest::mouseClick(get<QAbstractButton>(name), Qt::LeftButton);
    }
    void computeOrdinary() {
        click("Option1_1");
        click("Command1");
        QVERIFY(form_->calculationSheet() != nullptr);
    }
    QString path(const QString& name) const { return dir_.filePath(name); }

  private slots:
    void init() {
        form_ = std::make_unique<Form1>();
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    }
    void cleanup() { form_.reset(); }

    // "文件" above the controls, which keep their client area and places.
    void menuBarAboveTheControls() {
        QMenuBar* bar = form_->menuBar();
        QVERIFY(bar->isVisible());
        QVERIFY(bar->geometry().bottom() < form_->centralWidget()->geometry().top());
        QCOMPARE(form_->centralWidget()->size(), wallcalc::app::clientSize());
        QCOMPARE(bar->actions().size(), 1);
        QCOMPARE(bar->actions().first()->text(), QString("文件"));
        QStringList items;
        for (QAction* a : bar->actions().first()->menu()->actions())
            items << (a->isSeparator() ? QString("—") : a->text());
        QCOMPARE(items,
                 (QStringList{"导出计算书(PDF)…", "打印计算书…", "复制计算书", "—", "退出"}));
        QCOMPARE(get<QAction>("actionExportPdf")->shortcut(), QKeySequence("Ctrl+S"));
        QCOMPARE(get<QAction>("actionPrint")->shortcut(), QKeySequence("Ctrl+P"));
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
        FileDialogAnswer dialogs;
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
        QTest::newRow("Ctrl+S exports") << int(Qt::Key_S) << "导出";
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
        FileDialogAnswer dialogs(path("from-dialog"));
        get<QAction>("actionExportPdf")->trigger();
        QCOMPARE(dialogs.seen(), 1);
        QCOMPARE(catcher.seen().size(), 0);
        QFile file(path("from-dialog.pdf"));  // ".pdf" added to a name without one
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("%PDF-"));
    }

    void exportFailureNamesTheFile_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("under a regular file") << "plain/sheet.pdf";
        QTest::newRow("in a folder that does not exist") << "missing/sheet.pdf";
    }
    void exportFailureNamesTheFile() {
        QFETCH(QString, target);
        QFile plain(path("plain"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        MessageCatcher catcher;
        computeOrdinary();
        QVERIFY(!form_->exportSheetTo(path(target)));
        QCOMPARE(catcher.seen().size(), 1);
        const auto& m = catcher.seen().first();
        QCOMPARE(m.title, QString("友情提示:"));
        QVERIFY(m.text.startsWith("计算书未能写入："));
        QVERIFY2(m.text.contains(path(target)), qPrintable(m.text));
        QVERIFY(m.onlyOk && m.modal);
        QCOMPARE(m.parent, form_.get());
        QVERIFY(!QFile::exists(path(target)));
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
        QCOMPARE(wallcalc::testing::pdfPages(path("printed.pdf")), 2);
        // The printer draws at its own resolution: the same words, columns a hair apart.
        const QString text = wallcalc::testing::pdfText(path("exported.pdf"));
        QVERIFY(text.contains("计算日期：2024-05-01"));
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
