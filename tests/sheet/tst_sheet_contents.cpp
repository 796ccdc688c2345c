// What a calculation sheet shows, filled from the window without a screen: the inputs as
// typed with the window's labels and units, the grades, case and mode, the six results
// and the calculation text line by line.
#include <QtTest>

#include "wallcalc/engine/window_model.hpp"
#include "wallcalc/sheet/calculation_sheet.hpp"

using wallcalc::Box;
using wallcalc::List;
using wallcalc::PressResult;
using wallcalc::WindowModel;
using wallcalc::sheet::CalculationSheet;
using wallcalc::sheet::sheetOf;

namespace {

QStringList entries(const std::vector<wallcalc::sheet::SheetEntry>& list) {
    QStringList out;
    for (const auto& e : list)
        out << QString::fromStdString(e.label + "=" + e.value);
    return out;
}

// Clicks, typing and list choices, as an engineer does them, then "计算".
PressResult pressed(const QString& mode, const QStringList& typed, const QList<int>& lists) {
    WindowModel w;
    if (mode == "人防") w.clickCivilDefence();
    if (mode == "非人防") w.clickOrdinary();
    for (const QString& t : typed) {
        if (t == "click:人防") {
            w.clickCivilDefence();
        } else if (t == "click:非人防") {
            w.clickOrdinary();
        } else {
            const qsizetype eq = t.indexOf('=');  // "Text4= 350" types " 350" into Text4
            w.type(wallcalc::boxNumber(t.left(eq).mid(4).toInt()), t.mid(eq + 1).toStdString());
        }
    }
    for (qsizetype i = 0; i < lists.size(); ++i)
        w.select(static_cast<List>(i), lists[i]);
    return w.pressCompute();
}

}  // namespace

class SheetContents : public QObject {
    Q_OBJECT

  private slots:
    // Each row: the window's mode, what is typed (in order; "click:…" clicks an option),
    // the three list positions; then the inputs the sheet lists, in the window's order.
    void inputs_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QList<int>>("lists");
        QTest::addColumn<QStringList>("expected");
        const QStringList defaults = {"h1(m)=-0.45",
                                      "h2(m)=-1.35",
                                      "h3(m)=-2.45",
                                      "h4(m)=-6.3",
                                      "墙厚度h5（mm）=350",
                                      "迎水面保护层厚度c1(mm)=50",
                                      "背水面保护层厚度c2(mm)=30",
                                      "土容重(kN/m3)=18",
                                      "附加荷载(kN/m2)=10",
                                      "荷载分项系数=1.35",
                                      "钢筋间距（mm）=100",
                                      "裂缝限值（mm）=0.2"};
        QTest::newRow("ordinary, the window's defaults")
            << "非人防" << QStringList{} << QList<int>{0, 0, 0}
            << QStringList{"砼强度等级=C15", "钢筋种类=Ⅰ级(HPB235)", "情况选择=情况A",
                           "人防选择=非人防"} +
                   defaults;
        QStringList civil = defaults;
        civil[1] = "h2(m)=-3.45";
        civil.insert(4, "人防荷载(kN/m2)=50");
        QTest::newRow("civil-defence lists its load after the elevations")
            << "人防" << QStringList{"Text2=-3.45", "Text20=50"} << QList<int>{3, 2, 1}
            << QStringList{"砼强度等级=C30", "钢筋种类=Ⅲ级(HRB400)", "情况选择=情况B",
                           "人防选择=人防"} +
                   civil;
        QStringList asTyped = defaults;
        asTyped[0] = "h1(m)=-0.450";
        asTyped[4] = "墙厚度h5（mm）= 350.00";
        QTest::newRow("values exactly as typed")
            << "非人防" << QStringList{"Text1=-0.450", "Text4= 350.00"} << QList<int>{0, 0, 0}
            << QStringList{"砼强度等级=C15", "钢筋种类=Ⅰ级(HPB235)", "情况选择=情况A",
                           "人防选择=非人防"} +
                   asTyped;
        QTest::newRow("ordinary leaves out a load typed before")
            << "人防" << QStringList{"Text20=80", "click:非人防"} << QList<int>{0, 1, 0}
            << QStringList{"砼强度等级=C15", "钢筋种类=Ⅱ级(HRB335)", "情况选择=情况A",
                           "人防选择=非人防"} +
                   defaults;
    }
    void inputs() {
        QFETCH(QString, mode);
        QFETCH(QStringList, typed);
        QFETCH(QList<int>, lists);
        QFETCH(QStringList, expected);
        const PressResult press = pressed(mode, typed, lists);
        QVERIFY(press.messages.empty());
        const CalculationSheet sheet = sheetOf(press);
        QCOMPARE(entries(sheet.inputs), expected);
        QCOMPARE(sheet.title, std::string("地下室外墙配筋计算书"));
        QVERIFY(sheet.name.empty());
        QVERIFY(sheet.date.empty());
    }

    void results_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QStringList>("strength");
        QTest::addColumn<QStringList>("crack");
        QTest::newRow("ordinary") << "非人防"
                                  << QStringList{"MBk（kN.m）=106.067", "As（mm2）=2602.286",
                                                 "选用钢筋（mm）=20"}
                                  << QStringList{"As（mm2）=3463.606", "选用钢筋（mm）=21",
                                                 "Wmax（mm）=0.165"};
        QTest::newRow("civil-defence leaves the crack boxes blank")
            << "人防"
            << QStringList{"MBk（kN.m）=198.708", "As（mm2）=3404.571", "选用钢筋（mm）=22"}
            << QStringList{"As（mm2）= ", "选用钢筋（mm）= ", "Wmax（mm）= "};
    }
    void results() {
        QFETCH(QString, mode);
        QFETCH(QStringList, strength);
        QFETCH(QStringList, crack);
        const PressResult press =
            pressed(mode, mode == "人防" ? QStringList{"Text20=50"} : QStringList{}, {0, 0, 0});
        const CalculationSheet sheet = sheetOf(press);
        QCOMPARE(sheet.results.size(), std::size_t(2));
        QCOMPARE(sheet.results[0].caption, std::string("配筋计算结果"));
        QCOMPARE(sheet.results[1].caption, std::string("裂缝控制"));
        QCOMPARE(entries(sheet.results[0].entries), strength);
        QCOMPARE(entries(sheet.results[1].entries), crack);
    }

    // The calculation text as Text12 holds it, one entry per line, blank lines kept.
    void calculationLines() {
        const PressResult press = pressed("非人防", {}, {0, 0, 0});
        const CalculationSheet sheet = sheetOf(press);
        QCOMPARE(sheet.calculation.size(), std::size_t(39));
        QCOMPARE(sheet.calculation.front(), std::string("1.荷载计算："));
        QCOMPARE(sheet.calculation.back(),
                 std::string("    则实际所配钢筋为 18@200+20@200（依次类推）"));
        std::string joined;
        for (const std::string& line : sheet.calculation)
            joined += (joined.empty() ? "" : "\r\n") + line;
        QCOMPARE(joined, press.report());
    }

    // A list with nothing selected, or a position past its items, shows nothing.
    void listWithoutAnItem() {
        WindowModel w;
        w.clickOrdinary();
        w.select(List::Combo1, -1);
        w.select(List::Combo2, 99);
        const CalculationSheet sheet = sheetOf(w.pressCompute());
        QCOMPARE(entries(sheet.inputs).mid(0, 3),
                 (QStringList{"砼强度等级=", "钢筋种类=", "情况选择=情况A"}));
    }

    void textLines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << "a\r\nb" << QStringList{"a", "b"};
        QTest::newRow("LF") << "a\nb" << QStringList{"a", "b"};
        QTest::newRow("blank lines kept") << "a\r\n\r\nb" << QStringList{"a", "", "b"};
        QTest::newRow("leading blanks kept") << "    说明" << QStringList{"    说明"};
        QTest::newRow("a final break ends an empty line") << "a\r\n" << QStringList{"a", ""};
    }
    void textLines() {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QStringList got;
        for (const std::string& line : wallcalc::sheet::textLines(text.toStdString()))
            got << QString::fromStdString(line);
        QCOMPARE(got, lines);
    }
};

QTEST_MAIN(SheetContents)
#include "tst_sheet_contents.moc"
