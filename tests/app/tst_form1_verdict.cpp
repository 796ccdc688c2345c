// The verdict in the window: after a press, the line beside the six results says 满足 in
// green or 不满足 with the failed checks in red, and 补充验算 shows exactly its failed lines
// in red; a press that ends early clears the line.
#include <QComboBox>
#include <QLabel>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

#include "form1.hpp"
#include "message_catcher.hpp"
#include "scratch_settings.hpp"
#include "window_under_test.hpp"

using wallcalc::app::testing::MessageCatcher;
namespace testing = wallcalc::app::testing;

namespace {

const QColor kSatisfied(0x1b, 0x5e, 0x20);
const QColor kFailed(0xb7, 0x1c, 0x1c);

// The lines (paragraphs) of a panel drawn in `colour`, each whole.
QStringList linesIn(const QTextEdit& panel, const QColor& colour) {
    QStringList out;
    for (QTextBlock b = panel.document()->begin(); b.isValid(); b = b.next()) {
        bool whole = !b.text().isEmpty();
        for (auto f = b.begin(); !f.atEnd(); ++f)
            whole = whole && f.fragment().charFormat().foreground().color() == colour;
        if (whole) out << b.text();
    }
    return out;
}

}  // namespace

class Form1Verdict : public QObject, private testing::WindowUnderTest {
    Q_OBJECT

  private:
    void choose(const QString& list, const QString& item) {
        auto* combo = get<QComboBox>(list);
        const int position = combo->findText(item);
        QVERIFY2(position >= 0, qPrintable(list + ": " + item));
        combo->setCurrentIndex(position);
    }
    void press() {
        MessageCatcher catcher;
        click("Command1");
        QVERIFY2(catcher.seen().isEmpty(), "a press of a sound wall shows no message");
    }
    QColor shownColour(QLabel* label) {
        label->ensurePolished();
        return label->palette().color(QPalette::WindowText);
    }

  private slots:
    void initTestCase() { testing::useScratchSettings(); }
    void init() {
        testing::clearSettings();
        QVERIFY(open());
        click("Option1_1");
    }
    void cleanup() { form_.reset(); }

    void verdictOfAPress_data() {
        QTest::addColumn<QString>("basis");
        QTest::addColumn<QString>("concrete");
        QTest::addColumn<QString>("steel");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QStringList>("redLines");
        // The default wall's shear at B: V = 1.35·151.584 = 204.639 kN > Vc = 191.1 kN.
        QTest::newRow("default wall, GB 50010-2002: fails shear")
            << "GB 50010-2002"
            << ""
            << ""
            << "结论：不满足（受剪）" << kFailed
            << QStringList{
                   "V=204.639>Vc=191.1，不满足，请增加外墙厚度至h5≥372(mm)或提高砼强度等级"};
        QTest::newRow("C30, HRB400, GB 50010-2010: satisfies every check")
            << "GB 50010-2010(2015年版)"
            << "C30"
            << "HRB400"
            << "结论：满足" << kSatisfied << QStringList{};
    }
    void verdictOfAPress() {
        QFETCH(QString, basis);
        QFETCH(QString, concrete);
        QFETCH(QString, steel);
        QFETCH(QString, line);
        QFETCH(QColor, colour);
        QFETCH(QStringList, redLines);
        choose("Combo4", basis);
        if (!concrete.isEmpty()) choose("Combo1", concrete);
        if (!steel.isEmpty()) choose("Combo2", steel);
        press();
        auto* verdict = get<QLabel>("VerdictLine");
        QCOMPARE(verdict->text(), line);
        QCOMPARE(shownColour(verdict), colour);
        // The failed checks' figures are at hand over the line.
        QCOMPARE(verdict->toolTip().isEmpty(), redLines.isEmpty());
        const auto* checks = get<QTextEdit>("TextChecks");
        QVERIFY(checks->toPlainText().startsWith("补充验算："));
        QCOMPARE(linesIn(*checks, kFailed), redLines);
    }

    // A press that ends at a thickness that is no number judges nothing: no verdict shows,
    // not even the last press's.
    void pressEndingEarlyClearsTheVerdict() {
        press();
        QVERIFY(!get<QLabel>("VerdictLine")->text().isEmpty());
        type("Text4", "abc");
        MessageCatcher catcher;
        click("Command1");
        QCOMPARE(catcher.seen().size(), 1);
        QCOMPARE(get<QLabel>("VerdictLine")->text(), QString());
    }
};

QTEST_MAIN(Form1Verdict)
#include "tst_form1_verdict.moc"
