// The window's events through its widgets: the option buttons, "计算" in each state and
// from Enter in an input box, the run's messages, results shown as stale once the inputs
// change, and "帮助".
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "form1.hpp"
#include "help_text.hpp"
#include "message_catcher.hpp"
#include "scratch_settings.hpp"
#include "window_under_test.hpp"

using wallcalc::app::Form1;
using wallcalc::app::testing::MessageCatcher;

namespace {

const QStringList kAllBoxes = {"Text1",  "Text2",  "Text3",  "Text4",  "Text5",  "Text6",  "Text7",
                               "Text8",  "Text9",  "Text10", "Text11", "Text13", "Text14", "Text15",
                               "Text16", "Text17", "Text18", "Text19", "Text20"};

}  // namespace

class Form1Events : public QObject, private wallcalc::app::testing::WindowUnderTest {
    Q_OBJECT

  private:
    QLineEdit* box(const QString& name) { return get<QLineEdit>(name); }
    QString report() { return get<QPlainTextEdit>("Text12")->toPlainText(); }
    // Every box's text and Text12, to compare before and after a press.
    QStringList snapshot() {
        QStringList all;
        for (const QString& name : kAllBoxes)
            all << box(name)->text();
        all << report();
        return all;
    }
    QStringList results() {
        QStringList r;
        for (const char* name : {"Text6", "Text7", "Text19", "Text9", "Text11", "Text18"}) {
            r << box(name)->text();
        }
        return r;
    }

  private slots:
    // The window opens on the settings of a machine where it never ran.
    void initTestCase() { wallcalc::app::testing::useScratchSettings(); }
    void init() { QVERIFY(open()); }
    void cleanup() { form_.reset(); }

    // Each row: clicks and typing in order, then X, the load's text and whether it is
    // enabled, and which option shows checked.
    void options_data() {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<int>("X");
        QTest::addColumn<QString>("load");
        QTest::addColumn<bool>("loadEnabled");
        QTest::addColumn<QString>("checked");
        QTest::newRow("人防") << QStringList{"Option1_0"} << 0 << "0" << true << "Option1_0";
        QTest::newRow("非人防") << QStringList{"Option1_1"} << 1 << "0" << false << "Option1_1";
        QTest::newRow("typed load, 非人防, 人防 resets it")
            << QStringList{"Option1_0", "type 15", "Option1_1", "Option1_0"} << 0 << "0" << true
            << "Option1_0";
        QTest::newRow("非人防 keeps a typed load visible")
            << QStringList{"Option1_0", "type 15", "Option1_1"} << 1 << "15" << false
            << "Option1_1";
        QTest::newRow("a second click of 人防 resets again")
            << QStringList{"Option1_0", "type 7.5", "Option1_0"} << 0 << "0" << true << "Option1_0";
        QTest::newRow("a second click of 非人防 changes nothing")
            << QStringList{"Option1_0", "type 7.5", "Option1_1", "Option1_1"} << 1 << "7.5" << false
            << "Option1_1";
    }
    void options() {
        QFETCH(QStringList, actions);
        for (const QString& action : actions) {
            if (action.startsWith("type ")) {
                type("Text20", action.mid(5));
            } else {
                click(action);
            }
        }
        QFETCH(int, X);
        QFETCH(QString, load);
        QFETCH(bool, loadEnabled);
        QFETCH(QString, checked);
        QCOMPARE(form_->X(), X);
        QCOMPARE(box("Text20")->text(), load);
        QCOMPARE(box("Text20")->isEnabled(), loadEnabled);
        QCOMPARE(get<QRadioButton>("Option1_0")->isChecked(), checked == "Option1_0");
        QCOMPARE(get<QRadioButton>("Option1_1")->isChecked(), checked == "Option1_1");
    }

    void computeRightAfterOpening() {
        const QStringList before = snapshot();
        MessageCatcher catcher;
        click("Command1");
        QCOMPARE(catcher.seen().size(), 1);
        const auto& m = catcher.seen().first();
        QCOMPARE(m.title, QString("友情提示:"));
        QCOMPARE(m.text, QString("注意人防选择，搞结构的要细心哟！"));
        QVERIFY(m.onlyOk);
        QVERIFY(m.modal);
        QCOMPARE(m.parent, form_.get());
        QCOMPARE(snapshot(), before);
        QCOMPARE(form_->X(), 20);
    }

    void ordinaryDefaults() {
        MessageCatcher catcher;
        click("Option1_1");
        click("Command1");
        QCOMPARE(catcher.seen().size(), 0);
        QCOMPARE(results(), (QStringList{"106.067", "2602.286", "20", "3463.606", "0.165", "21"}));
        const QString text = report();
        QVERIFY(!text.contains('\r'));
        const QStringList lines = text.split('\n');
        QCOMPARE(lines.size(), 39);
        QCOMPARE(lines.first(), QString("1.荷载计算："));
        QCOMPARE(lines.last(), QString("    则实际所配钢筋为 18@200+20@200（依次类推）"));
        QCOMPARE(lines.at(23), QString("As=Fc*1000*h0*ζ/Fy=7.2*1000*300*0.253/210=2602.286(mm2)"));
        // The engine gets back what it wrote: the lines joined by CR LF.
        QCOMPARE(QString::fromStdString(form_->text(wallcalc::Box::Text12)), lines.join("\r\n"));
    }

    void civilDefenceAndBack() {
        MessageCatcher catcher;
        click("Option1_1");
        click("Command1");
        click("Option1_0");
        click("Command1");
        QCOMPARE(results(), (QStringList{"106.067", "1645.714", "16", " ", " ", " "}));
        const QStringList lines = report().split('\n');
        QCOMPARE(lines.size(), 31);
        QCOMPARE(lines.last(), QString("3.人防工程不计算裂缝。"));
        QVERIFY(!report().contains("说明："));
        // A typed civil-defence load stays in its box but an ordinary run ignores it.
        type("Text20", "25");
        click("Option1_1");
        click("Command1");
        QCOMPARE(box("Text20")->text(), QString("25"));
        QCOMPARE(results(), (QStringList{"106.067", "2602.286", "20", "3463.606", "0.165", "21"}));
        QCOMPARE(catcher.seen().size(), 0);
    }

    // The case list is read at every press: "情况C" with the default elevations (water
    // above the base) stops with the elevation message and leaves every box as it was.
    void elevationMessageKeepsEveryBox() {
        MessageCatcher catcher;
        click("Option1_1");
        click("Command1");
        const QStringList before = snapshot();
        QComboBox* cases = get<QComboBox>("Combo3");
        cases->setFocus();
        QTest::keyClick(cases, Qt::Key_Down);
        QTest::keyClick(cases, Qt::Key_Down);
        QCOMPARE(cases->currentText(), QString("情况C"));
        click("Command1");
        QCOMPARE(catcher.seen().size(), 1);
        QCOMPARE(catcher.seen().first().title, QString("友情提示:"));
        QCOMPARE(catcher.seen().first().text, QString("输入标高与实际情况不符，请重新输入"));
        QVERIFY(catcher.seen().first().onlyOk);
        QCOMPARE(snapshot(), before);
    }

    // A box that holds no number ends the run with a message, not with the program.
    void textThatIsNoNumber() {
        MessageCatcher catcher;
        const QStringList before = snapshot();
        type("Text4", "abc");
        click("Option1_1");
        click("Command1");
        QCOMPARE(catcher.seen().size(), 1);
        QCOMPARE(catcher.seen().first().title, QString("友情提示:"));
        QVERIFY(catcher.seen().first().onlyOk);
        QCOMPARE(report(), before.last());
    }

    // Enter in any input box computes, as "计算" does.
    void enterComputes_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("box");
        for (const char* box : {"Text1", "Text16", "Text4", "Text17", "Text14", "Text8"})
            QTest::addRow("%s", box) << "Option1_1" << box;
        QTest::newRow("Text20 in civil-defence works") << "Option1_0"
                                                       << "Text20";
    }
    void enterComputes() {
        QFETCH(QString, option);
        QFETCH(QString, box);
        MessageCatcher catcher;
        click(option);
        QLineEdit* edit = this->box(box);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(catcher.seen().size(), 0);
        QCOMPARE(this->box("Text6")->text(), QString("106.067"));
        QVERIFY(form_->calculationSheet() != nullptr);
    }

    // After a completed press, a change of an input, a list or the option greys the six
    // results, Text12 and the supplementary design and shows "输入已修改，请重新计算", until
    // the next press completes; put back as it was, nothing is stale.
    void staleResults_data() {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<bool>("stale");
        QTest::newRow("nothing changed") << QStringList{} << false;
        QTest::newRow("h5 typed") << QStringList{"type Text4 500"} << true;
        QTest::newRow("h5 typed back") << QStringList{"type Text4 500", "type Text4 350"} << false;
        QTest::newRow("a list") << QStringList{"select Combo1 3"} << true;
        QTest::newRow("the other option") << QStringList{"click Option1_0"} << true;
        QTest::newRow("computed again") << QStringList{"type Text4 500", "click Command1"} << false;
        QTest::newRow("a press that ends early")
            << QStringList{"type Text4 500", "select Combo3 2", "click Command1"} << true;
        QTest::newRow("the project of the title block") << QStringList{"project"} << false;
    }
    void staleResults() {
        QFETCH(QStringList, actions);
        QFETCH(bool, stale);
        MessageCatcher catcher;
        click("Option1_1");
        click("Command1");
        const QColor normal = box("Text6")->palette().color(QPalette::Text);
        for (const QString& action : actions) {
            const QStringList words = action.split(' ');
            if (words[0] == "type") type(words[1], words[2]);
            if (words[0] == "click") click(words[1]);
            if (words[0] == "select") get<QComboBox>(words[1])->setCurrentIndex(words[2].toInt());
            if (words[0] == "project") form_->setProject({"滨江花园", "W3", "", "", ""});
        }
        QCOMPARE(get<QLabel>("StaleNote")->isVisible(), stale);
        QCOMPARE(get<QLabel>("StaleNote")->text(), QString("输入已修改，请重新计算"));
        const QColor grey = QApplication::palette().color(QPalette::Disabled, QPalette::Text);
        QVERIFY(grey != normal);
        QList<QWidget*> shown;
        for (const char* name : {"Text6", "Text7", "Text19", "Text9", "Text11", "Text18"})
            shown << box(name);
        shown << get<QWidget>("Text12") << get<QWidget>("TextChecks");
        for (QWidget* w : shown) {
            QCOMPARE(w->palette().color(QPalette::Text), stale ? grey : normal);
        }
        // The input boxes are never greyed.
        QCOMPARE(box("Text4")->palette().color(QPalette::Text), normal);
    }

    // Before any press has completed there is nothing to be stale.
    void nothingStaleBeforeAPress() {
        type("Text4", "500");
        click("Option1_0");
        QVERIFY(!get<QLabel>("StaleNote")->isVisible());
    }

    // The supplementary design waits for its press, saying so.
    void supplementaryDesignPanel() {
        auto* checks = get<QTextEdit>("TextChecks");
        QVERIFY(checks->isReadOnly());
        QCOMPARE(checks->placeholderText(), QString("补充验算将在计算后显示"));
        QCOMPARE(get<QLabel>("Label_TextChecks")->text(), QString("补充验算"));
        QCOMPARE(get<QLabel>("Label_TextChecks")->buddy(), checks);
    }

    void help() {
        const QStringList before = snapshot();
        MessageCatcher catcher;
        click("Command2");
        QCOMPARE(catcher.seen().size(), 1);
        const auto& m = catcher.seen().first();
        QCOMPARE(m.title, QString("友情帮助:"));
        QVERIFY(m.onlyOk);
        QCOMPARE(m.parent, form_.get());
        QCOMPARE(m.text, QString::fromStdString(wallcalc::app::helpText()).replace("\r\n", "\n"));
        QCOMPARE(snapshot(), before);
        QCOMPARE(form_->X(), 20);
    }
};

QTEST_MAIN(Form1Events)
#include "tst_form1_events.moc"
