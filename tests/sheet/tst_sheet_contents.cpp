// What a calculation sheet shows, filled from the window without a screen: the inputs as
// typed with the window's labels and units, the grades, case and mode, the codes, the
// material strengths, the figure's values and loads, the six results with the bars in bar
// notation, and the calculation text line by line.
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

QStringList qlines(const std::vector<std::string>& lines) {
    QStringList out;
    for (const std::string& line : lines)
        out << QString::fromStdString(line);
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
                                                 "选用钢筋（mm）=Φ20@100"}
                                  << QStringList{"As（mm2）=3463.606", "选用钢筋（mm）=Φ21@100",
                                                 "Wmax（mm）=0.165"};
        QTest::newRow("civil-defence leaves the crack boxes blank")
            << "人防"
            << QStringList{"MBk（kN.m）=198.708", "As（mm2）=3404.571", "选用钢筋（mm）=Φ22@100"}
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

    // The codes of the design: the concrete code of the basis, and the civil-defence code
    // in civil-defence works only.
    void codes_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("ordinary works: the concrete code")
            << "非人防" << QStringList{"GB 50010-2002《混凝土结构设计规范》"};
        QTest::newRow("civil-defence works add the civil-defence code")
            << "人防"
            << QStringList{"GB 50010-2002《混凝土结构设计规范》",
                           "GB 50038-2005《人民防空地下室设计规范》"};
    }
    void codes() {
        QFETCH(QString, mode);
        QFETCH(QStringList, codes);
        QCOMPARE(qlines(sheetOf(pressed(mode, {}, {0, 0, 0})).codes), codes);
    }

    // The strengths the press used: GB 50010-2002 tables 4.1.3, 4.1.4, 4.2.3 and 4.2.4; in
    // civil-defence works fc and fy carry the comprehensive adjustment factor of
    // GB 50038-2005 table 4.2.3 (concrete 1.5, HRB400 1.2), ft and ftk do not.
    void materials_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QList<int>>("lists");
        QTest::addColumn<QString>("grades");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<int>("notes");
        QTest::newRow("C15 and HPB235, ordinary")
            << "非人防" << QList<int>{0, 0, 0} << "C15，Ⅰ级(HPB235)"
            << QStringList{"7.2", "0.91", "1.27", "210", "2.1×10^5"} << 0;
        QTest::newRow("C30 and HRB400, civil-defence factors on fc and fy")
            << "人防" << QList<int>{3, 2, 0} << "C30，Ⅲ级(HRB400)"
            << QStringList{"21.45", "1.43", "2.01", "432", "2×10^5"} << 1;
    }
    void materials() {
        QFETCH(QString, mode);
        QFETCH(QList<int>, lists);
        QFETCH(QString, grades);
        QFETCH(QStringList, values);
        QFETCH(int, notes);
        const CalculationSheet sheet = sheetOf(pressed(mode, {}, lists));
        QCOMPARE(QString::fromStdString(sheet.materialGrades), grades);
        QStringList shown, labels;
        for (const auto& e : sheet.materials) {
            shown << QString::fromStdString(e.value);
            labels << QString::fromStdString(e.label);
        }
        QCOMPARE(shown, values);
        QCOMPARE(labels, (QStringList{"轴心抗压强度设计值fc(N/mm2)", "轴心抗拉强度设计值ft(N/mm2)",
                                      "轴心抗拉强度标准值ftk(N/mm2)", "钢筋抗拉强度设计值fy(N/mm2)",
                                      "钢筋弹性模量Es(N/mm2)"}));
        QCOMPARE(int(sheet.materialNotes.size()), notes);
    }

    // The two bar boxes in bar notation with the grade's symbol and the spacing as typed; an
    // odd diameter gets a note of the two sizes it stands for; a box without a diameter is
    // shown as it stands.
    void bars_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<int>("steel");
        QTest::addColumn<QString>("strength");
        QTest::addColumn<QString>("crack");
        QTest::addColumn<QStringList>("notes");
        QTest::newRow("plain bars, odd crack diameter")
            << "非人防" << QStringList{} << 0 << "Φ20@100"
            << "Φ21@100" << QStringList{"注：Φ21@100 即 Φ20@200+Φ22@200，两种直径交替布置。"};
        QTest::newRow("HRB335 with the spacing as typed")
            << "非人防" << QStringList{"Text10=100.0"} << 1 << "B16@100.0"
            << "B20@100.0" << QStringList{};
        QTest::newRow("civil-defence keeps the blank crack box")
            << "人防" << QStringList{} << 2 << "C14@100"
            << " " << QStringList{};
        QTest::newRow("no bar fits: 太大了 as it stands")
            << "人防" << QStringList{"Text20=200", "Text4=250"} << 0 << "太大了"
            << " " << QStringList{};
    }
    void bars() {
        QFETCH(QString, mode);
        QFETCH(QStringList, typed);
        QFETCH(int, steel);
        QFETCH(QString, strength);
        QFETCH(QString, crack);
        QFETCH(QStringList, notes);
        const CalculationSheet sheet = sheetOf(pressed(mode, typed, {0, steel, 0}));
        QCOMPARE(QString::fromStdString(sheet.results[0].entries[2].value), strength);
        QCOMPARE(QString::fromStdString(sheet.results[1].entries[1].value), crack);
        QCOMPARE(qlines(sheet.resultNotes), notes);
    }

    // The figure of this wall: its elevations as typed, its case, and the characteristic
    // load at the top, the water level (case B) and the base, added up from the loads of
    // section 1 of the calculation text (the worked examples of the load cases).
    void figure_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<int>("kase");
        QTest::addColumn<QStringList>("loadLines");
        QTest::newRow("case A") << "非人防" << QStringList{} << 0
                                << QStringList{"墙顶 p顶=q12+q22+q32+q42=8.1+4.4+11+5=28.5 (kN/m)",
                                               "墙底 p底=p顶+q21+q31=28.5+15.4+38.5=82.4 (kN/m)"};
        QTest::newRow("case B bends at the water level")
            << "非人防" << QStringList{"Text2=-3.5"} << 1
            << QStringList{"墙顶 p顶=q12+q42=18+5=23 (kN/m)",
                           "水位处 p水=p顶+q11=23+9.45=32.45 (kN/m)",
                           "墙底 p底=p水+q21+q32=32.45+11.2+28=71.65 (kN/m)"};
        QTest::newRow("case C names the surcharge q22")
            << "非人防" << QStringList{"Text2=-7"} << 2
            << QStringList{"墙顶 p顶=q12+q22=18+5=23 (kN/m)",
                           "墙底 p底=p顶+q11=23+34.65=57.65 (kN/m)"};
        QTest::newRow("case A, civil-defence load q52")
            << "人防" << QStringList{"Text20=50"} << 0
            << QStringList{"墙顶 p顶=q12+q22+q32+q42+q52=8.1+4.4+11+5+50=78.5 (kN/m)",
                           "墙底 p底=p顶+q21+q31=78.5+15.4+38.5=132.4 (kN/m)"};
        QTest::newRow("case C, civil-defence load named q32")
            << "人防" << QStringList{"Text2=-7", "Text20=50"} << 2
            << QStringList{"墙顶 p顶=q12+q22+q32=18+5+50=73 (kN/m)",
                           "墙底 p底=p顶+q11=73+34.65=107.65 (kN/m)"};
    }
    void figure() {
        QFETCH(QString, mode);
        QFETCH(QStringList, typed);
        QFETCH(int, kase);
        QFETCH(QStringList, loadLines);
        const PressResult press = pressed(mode, typed, {0, 0, kase});
        QVERIFY(press.completed());
        const auto& f = sheetOf(press).figure;
        QCOMPARE(f.loadCase, kase);
        QCOMPARE(QString::fromStdString(f.h1 + " " + f.h3 + " " + f.h4 + " " + f.h5),
                 QString("-0.45 -2.45 -6.3 350"));
        QCOMPARE(f.h2, press.text(Box::Text2));
        QCOMPARE(f.MBk, press.text(Box::Text6));
        QCOMPARE(qlines(f.loadLines).mid(1), loadLines);
        // Each line adds up to what it says, and the values drawn are those of the lines.
        QStringList results;
        for (const QString& line : qlines(f.loadLines).mid(1)) {
            const QStringList sides = line.section(' ', 1, 1).split('=');
            double sum = 0;
            for (const QString& term : sides[2].split('+'))
                sum += term.toDouble();
            QVERIFY2(qAbs(sum - sides[3].toDouble()) < 1e-9, qPrintable(line));
            results << sides[3];
        }
        QCOMPARE(results.first(), QString::fromStdString(f.topText));
        QCOMPARE(results.last(), QString::fromStdString(f.baseText));
        if (kase == 1) QCOMPARE(results[1], QString::fromStdString(f.waterText));
    }

    // 配筋汇总: each face and position with its bars, the area they provide, the area
    // required there and their crack width, then the verdict; for the window's default wall
    // (GB 50010-2002) and for a C30 and HRB400 wall designed to GB 50010-2010.
    void summary_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QList<int>>("lists");
        QTest::addColumn<QString>("grades");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("the window's defaults")
            << "非人防" << QList<int>{0, 0, 0, 0} << "C15，Ⅰ级(HPB235)"
            << QStringList{"迎水面竖向（墙底B处）|Φ21@100|3463.606|3463.606|0.165",
                           "背水面竖向（跨中A处）|Φ12@100|1130.973|1119.086|0.165",
                           "迎水面水平|Φ8@100|502.655|350|—", "背水面水平|Φ8@100|502.655|350|—"}
            << "不满足（受剪）";
        QTest::newRow("GB 50010-2010, C30 and HRB400")
            << "非人防" << QList<int>{3, 2, 0, 1} << "C30，HRB400"
            << QStringList{"迎水面竖向（墙底B处）|C17@100|2269.801|2269.801|0.177",
                           "背水面竖向（跨中A处）|C12@100|1130.973|700|0.071",
                           "迎水面水平|C8@100|502.655|350|—", "背水面水平|C8@100|502.655|350|—"}
            << "满足";
    }
    void summary() {
        QFETCH(QString, mode);
        QFETCH(QList<int>, lists);
        QFETCH(QString, grades);
        QFETCH(QStringList, rows);
        QFETCH(QString, verdict);
        const CalculationSheet sheet = sheetOf(pressed(mode, {}, lists));
        QStringList got;
        for (const wallcalc::sheet::SummaryRow& r : sheet.summary) {
            got << QString::fromStdString(r.position + "|" + r.bars + "|" + r.provided + "|" +
                                          r.required + "|" + r.crackWidth);
        }
        QCOMPARE(QString::fromStdString(sheet.materialGrades), grades);
        QCOMPARE(got, rows);
        QCOMPARE(QString::fromStdString(sheet.verdict.line), verdict);
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
