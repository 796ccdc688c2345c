// The design basis in the window: 设计规范 enables the boxes its basis reads and gives the
// steel list its grades, keeping a grade both lists have; and the window opens, and a new
// wall starts, on the basis chosen last, while a wall file opens on its own.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "app_settings.hpp"
#include "form1.hpp"
#include "scratch_settings.hpp"
#include "window_under_test.hpp"

using wallcalc::app::Form1;
namespace testing = wallcalc::app::testing;

namespace {

QStringList items(const QComboBox* combo) {
    QStringList out;
    for (int i = 0; i < combo->count(); ++i)
        out << combo->itemText(i);
    return out;
}

}  // namespace

class Form1Basis : public QObject, private wallcalc::app::testing::WindowUnderTest {
    Q_OBJECT

  private:
    QTemporaryDir dir_;

    QComboBox* list(const QString& name) { return get<QComboBox>(name); }
    void choose(const QString& name, int position) {
        // As the engineer picks it: the list's own signal, not the model behind it.
        list(name)->setCurrentIndex(position);
    }
    void reopen() { QVERIFY(open()); }

  private slots:
    void initTestCase() { testing::useScratchSettings(); }
    void init() {
        testing::clearSettings();
        reopen();
    }
    void cleanup() { form_.reset(); }

    void basisDecidesBoxesAndSteel_data() {
        QTest::addColumn<int>("basis");
        QTest::addColumn<bool>("etaEnabled");
        QTest::addColumn<bool>("factorsEnabled");
        QTest::addColumn<QStringList>("steel");
        QTest::newRow("GB 50010-2002 reads η")
            << 0 << true << false
            << QStringList{"Ⅰ级(HPB235)", "Ⅱ级(HRB335)", "Ⅲ级(HRB400)", "Ⅳ级(RRB400)"};
        QTest::newRow("GB 50010-2010 reads γG, γQ, ψq")
            << 1 << false << true << QStringList{"HPB300", "HRB335", "HRB400", "RRB400", "HRB500"};
    }
    void basisDecidesBoxesAndSteel() {
        QFETCH(int, basis);
        QFETCH(bool, etaEnabled);
        QFETCH(bool, factorsEnabled);
        QFETCH(QStringList, steel);
        choose("Combo4", basis);
        QCOMPARE(get<QLineEdit>("Text5")->isEnabled(), etaEnabled);
        for (const char* factor : {"Text21", "Text22", "Text23", "Text24"})
            QVERIFY2(get<QLineEdit>(factor)->isEnabled() == factorsEnabled, factor);
        QCOMPARE(items(list("Combo2")), steel);
    }

    // The steel selection across a change of basis, as the model keeps it.
    void steelAcrossBases_data() {
        QTest::addColumn<int>("basisFrom");
        QTest::addColumn<int>("steel");
        QTest::addColumn<QString>("shown");
        QTest::newRow("HRB335 stays HRB335") << 0 << 1 << "HRB335";
        QTest::newRow("HPB235 becomes HPB300, in its place") << 0 << 0 << "HPB300";
        QTest::newRow("HRB500 has no 2002 grade: nothing chosen") << 1 << 4 << "";
    }
    void steelAcrossBases() {
        QFETCH(int, basisFrom);
        QFETCH(int, steel);
        QFETCH(QString, shown);
        choose("Combo4", basisFrom);
        choose("Combo2", steel);
        choose("Combo4", 1 - basisFrom);
        QCOMPARE(list("Combo2")->currentIndex(), form_->model().selected(wallcalc::List::Combo2));
        QVERIFY(list("Combo2")->currentText().contains(shown));
        if (shown.isEmpty()) QCOMPARE(list("Combo2")->currentIndex(), -1);
    }

    // Each row: what the engineer does before the window closes, then what the next window
    // opens on.
    void rememberedBetweenStarts_data() {
        QTest::addColumn<QStringList>("choices");
        QTest::addColumn<int>("opensOn");
        QTest::newRow("never chosen: 2002") << QStringList{} << 0;
        QTest::newRow("2010 chosen") << QStringList{"2010"} << 1;
        QTest::newRow("2010, then 2002 again") << QStringList{"2010", "2002"} << 0;
        QTest::newRow("settings naming no basis: 2002") << QStringList{"kept 2013"} << 0;
        QTest::newRow("settings kept by hand as 2010") << QStringList{"kept 2010"} << 1;
    }
    void rememberedBetweenStarts() {
        QFETCH(QStringList, choices);
        QFETCH(int, opensOn);
        for (const QString& c : choices) {
            if (c.startsWith("kept ")) {
                wallcalc::app::appSettings().setValue("basis", c.mid(5));
            } else {
                choose("Combo4", c == "2010" ? 1 : 0);
            }
        }
        reopen();
        QCOMPARE(list("Combo4")->currentIndex(), opensOn);
        QCOMPARE(form_->model().selected(wallcalc::List::Combo4), opensOn);
        QCOMPARE(get<QLineEdit>("Text21")->isEnabled(), opensOn == 1);
        QVERIFY2(!form_->isWindowModified(), "a window as it opens has nothing to save");
    }

    // 新建 after a wall of the other basis: the new wall is on the one chosen last.
    void newWallStartsOnTheRememberedBasis() {
        const QString path = dir_.filePath("w2002.wall");
        QVERIFY(form_->saveWallFile(path));
        choose("Combo4", 1);
        QVERIFY(form_->openWallFile(path));
        QCOMPARE(list("Combo4")->currentIndex(), 0);
        get<QAction>("actionNew")->trigger();
        QCOMPARE(list("Combo4")->currentIndex(), 1);
        QCOMPARE(items(list("Combo2")).first(), QString("HPB300"));
        QVERIFY(!form_->isWindowModified());
    }

    // A wall file keeps the basis it was saved with, whatever the window remembers; opening
    // it does not change what the next window opens on.
    void wallFileOpensOnItsOwnBasis() {
        const QString path = dir_.filePath("w2002.wall");
        QVERIFY(form_->saveWallFile(path));
        choose("Combo4", 1);
        QVERIFY(form_->openWallFile(path));
        QCOMPARE(list("Combo4")->currentIndex(), 0);
        QVERIFY(get<QLineEdit>("Text5")->isEnabled());
        reopen();
        QCOMPARE(list("Combo4")->currentIndex(), 1);
    }
};

QTEST_MAIN(Form1Basis)
#include "tst_form1_basis.moc"
