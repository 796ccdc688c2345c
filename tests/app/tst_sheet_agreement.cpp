// The window and the command line make the same calculation sheet for the same inputs:
// the same contents from Form1 and from the window without a screen, and the same text
// in a PDF exported from the window and one written by `wallcalc-cli --pdf`.
#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "form1.hpp"
#include "message_catcher.hpp"
#include "pdf_tools.hpp"
#include "scratch_settings.hpp"
#include "wallcalc/engine/window_model.hpp"
#include "wallcalc/sheet/calculation_sheet.hpp"

using wallcalc::Box;
using wallcalc::List;
using wallcalc::sheet::CalculationSheet;

namespace {

QStringList entries(const std::vector<wallcalc::sheet::SheetEntry>& list) {
    QStringList out;
    for (const auto& e : list)
        out << QString::fromStdString(e.label + "=" + e.value);
    return out;
}

QStringList lines(const CalculationSheet& s) {
    QStringList out;
    for (const auto& line : s.calculation)
        out << QString::fromStdString(line);
    return out;
}

// "Text4= 350.00" → the box and what is typed into it.
std::pair<Box, QString> typing(const QString& t) {
    const qsizetype eq = t.indexOf('=');
    return {wallcalc::boxNumber(t.left(eq).mid(4).toInt()), t.mid(eq + 1)};
}

std::string keyOf(Box box) {
    return std::string(wallcalc::inputIn(box)->key);
}

}  // namespace

class SheetAgreement : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;

  private slots:
    // The window opens on the settings of a machine where it never ran.
    void initTestCase() { wallcalc::app::testing::useScratchSettings(); }
    // Each row: the mode ("ordinary", "civil-defence"), the positions of the concrete,
    // steel and case lists, and what is typed.
    void sameSheet_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QList<int>>("lists");
        QTest::addColumn<QStringList>("typed");
        QTest::newRow("ordinary, the defaults")
            << "ordinary" << QList<int>{0, 0, 0} << QStringList{};
        QTest::newRow("ordinary, case B, C30, HRB335")
            << "ordinary" << QList<int>{3, 1, 1} << QStringList{"Text2=-3.45"};
        QTest::newRow("civil-defence, case C, C40, HRB400")
            << "civil-defence" << QList<int>{5, 2, 2} << QStringList{"Text2=-7", "Text20=50"};
        QTest::newRow("typed with blanks and zeros")
            << "ordinary" << QList<int>{1, 3, 0}
            << QStringList{"Text4= 350.00", "Text14=18.0", "Text10=150", "Text17=25"};
    }
    void sameSheet() {
        QFETCH(QString, mode);
        QFETCH(QList<int>, lists);
        QFETCH(QStringList, typed);
        const bool civil = mode == "civil-defence";

        wallcalc::app::Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        wallcalc::app::testing::MessageCatcher catcher;
        QTest::mouseClick(form.findChild<QAbstractButton*>(civil ? "Option1_0" : "Option1_1"),
                          Qt::LeftButton);
        wallcalc::WindowModel model;
        civil ? model.clickCivilDefence() : model.clickOrdinary();
        QStringList cli{"--mode", mode};
        for (const QString& t : typed) {
            const auto [box, text] = typing(t);
            auto* edit = form.findChild<QLineEdit*>(QString::fromUtf8(wallcalc::boxName(box)));
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Delete);
            QTest::keyClicks(edit, text);
            model.type(box, text.toStdString());
            cli << QString::fromStdString("--" + keyOf(box)) << text;
        }
        const char* combos[] = {"Combo1", "Combo2", "Combo3"};
        const char* cliLists[] = {"--concrete", "--steel", "--case"};
        for (int i = 0; i < 3; ++i) {
            form.findChild<QComboBox*>(combos[i])->setCurrentIndex(lists[i]);
            model.select(static_cast<List>(i), lists[i]);
            const auto item = wallcalc::listItems(static_cast<List>(i))[std::size_t(lists[i])];
            cli << cliLists[i] << QString::fromUtf8(item.data(), qsizetype(item.size()));
        }
        QTest::mouseClick(form.findChild<QAbstractButton*>("Command1"), Qt::LeftButton);
        const wallcalc::PressResult press = model.pressCompute();
        QVERIFY(press.completed());
        QCOMPARE(catcher.seen().size(), 0);

        QVERIFY(form.calculationSheet() != nullptr);
        const CalculationSheet fromWindow = *form.calculationSheet();
        const CalculationSheet fromCli = wallcalc::sheet::sheetOf(press);
        QCOMPARE(entries(fromWindow.inputs), entries(fromCli.inputs));
        QCOMPARE(fromWindow.results.size(), fromCli.results.size());
        for (std::size_t g = 0; g < fromCli.results.size(); ++g)
            QCOMPARE(entries(fromWindow.results[g].entries), entries(fromCli.results[g].entries));
        QCOMPARE(lines(fromWindow), lines(fromCli));
        QVERIFY(fromWindow == fromCli);

        // The two PDFs, read back as text with their layout.
        if (!wallcalc::testing::popplerInstalled()) QSKIP("poppler-utils is not installed");
        const QString windowPdf = dir_.filePath("window.pdf");
        const QString cliPdf = dir_.filePath("cli.pdf");
        QVERIFY(form.exportSheetTo(windowPdf, QDate(2024, 5, 1)));
        QProcess run;
        run.start(WALLCALC_CLI, cli << "--pdf" << cliPdf << "--date"
                                    << "2024-05-01");
        QVERIFY(run.waitForFinished(30000));
        // Written either way: 0 for a wall that satisfies the codes, 3 for one that does not.
        QVERIFY2(run.exitCode() == 0 || run.exitCode() == 3,
                 qPrintable(run.readAllStandardError()));
        const QString windowText = wallcalc::testing::pdfText(windowPdf, true);
        QVERIFY(windowText.contains("地下室外墙配筋计算书"));
        QCOMPARE(wallcalc::testing::pdfText(cliPdf, true), windowText);
    }
};

QTEST_MAIN(SheetAgreement)
#include "tst_sheet_agreement.moc"
