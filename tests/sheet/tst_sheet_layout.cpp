// The sheet's layout rules: long lines of the calculation text broken where the formula
// moves on and never cut, and blocks poured onto pages with headings kept with what
// follows them.
#include <QtTest>

#include "line_wrapping.hpp"
#include "page_flow.hpp"
#include "set_lines.hpp"
#include "sheet_blocks.hpp"
#include "wallcalc/engine/window_model.hpp"

using wallcalc::sheet::Block;
using wallcalc::sheet::flowOntoPages;
using wallcalc::sheet::wrapLine;

namespace {

// One unit per character, two for a Chinese one, as a proportional face roughly sets them.
qreal unitAdvance(QStringView g) {
    return g.front().unicode() >= 0x2E80 ? 2 : 1;
}

qreal width(const QString& s) {
    qreal w = 0;
    for (const QChar c : s)
        w += c.isMark() ? 0 : unitAdvance(QStringView(&c, 1));
    return w;
}

// The characters a set line prints, in order, blanks left out.
QString printed(const wallcalc::sheet::SetLine& line) {
    QString out;
    for (const wallcalc::sheet::SetPiece& piece : line.pieces)
        out += piece.text;
    return out.remove(' ');
}

// The typeset calculation and supplementary design of a press of the window's defaults,
// in the 2002 or the 2010 basis.
wallcalc::report::TypesetText typesetLines(int basis) {
    wallcalc::WindowModel w;
    w.clickOrdinary();
    w.select(wallcalc::List::Combo4, basis);
    const auto sheet = wallcalc::sheet::sheetOf(w.pressCompute());
    wallcalc::report::TypesetText lines = sheet.calculationTypeset;
    lines.insert(lines.end(), sheet.supplementaryTypeset.begin(), sheet.supplementaryTypeset.end());
    return lines;
}

}  // namespace

class SheetLayout : public QObject {
    Q_OBJECT

  private slots:
    void wrapping_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<qreal>("first");
        QTest::addColumn<qreal>("next");
        QTest::addColumn<QStringList>("pieces");
        QTest::newRow("a line that fits stays whole")
            << "q42 =0.5*Qfj=0.5*10=5 (kN/m)" << 40.0 << 40.0
            << QStringList{"q42 =0.5*Qfj=0.5*10=5 (kN/m)"};
        QTest::newRow("broken after the = where the formula moves on")
            << "ab*c=de*fgh=ijk" << 12.0 << 12.0 << QStringList{"ab*c=de*fgh=", "ijk"};
        QTest::newRow("an = early in the line gives way to a later term")
            << "ab=cdefgh*ijklmn" << 10.0 << 10.0 << QStringList{"ab=cdefgh*", "ijklmn"};
        QTest::newRow("after a blank when there is no =")
            << "abc defgh ijklm" << 10.0 << 10.0 << QStringList{"abc defgh ", "ijklm"};
        QTest::newRow("anywhere when there is no place to break")
            << "abcdefghijklmnop" << 10.0 << 8.0 << QStringList{"abcdefghij", "klmnop"};
        QTest::newRow("continuations are narrower")
            << "aaaa=bbbb=cccc=dddd=" << 10.0 << 6.0 << QStringList{"aaaa=bbbb=", "cccc=", "dddd="};
        QTest::newRow("Chinese characters set twice as wide")
            << "满足强度控制要求时每延米所需钢筋面积为：2602.286(mm2)" << 30.0 << 30.0
            << QStringList{"满足强度控制要求时每延米所需钢", "筋面积为：2602.286(mm2)"};
        QTest::newRow("leading blanks kept")
            << "    为节约成本" << 40.0 << 40.0 << QStringList{"    为节约成本"};
        QTest::newRow("a character wider than its room stands alone")
            << "墙体" << 1.0 << 1.0 << QStringList{"墙", "体"};
        QTest::newRow("a letter and its accent stay together")
            << QString("ae\u0301b") << 1.0 << 1.0 << QStringList{"a", "e\u0301", "b"};
        QTest::newRow("an empty line") << "" << 10.0 << 10.0 << QStringList{""};
    }
    void wrapping() {
        QFETCH(QString, line);
        QFETCH(qreal, first);
        QFETCH(qreal, next);
        QFETCH(QStringList, pieces);
        const QStringList got = wrapLine(line, first, next, unitAdvance);
        QCOMPARE(got, pieces);
        // Nothing lost, nothing wider than its room but a lone character.
        QCOMPARE(got.join(QString()), line);
        for (qsizetype i = 0; i < got.size(); ++i) {
            const qreal room = i == 0 ? first : next;
            QVERIFY2(width(got[i]) <= room || got[i].size() <= 2, qPrintable(got[i]));
        }
    }

    // The longest line of an ordinary calculation, on the sheet's measure of 85 units.
    void wmaxLineBreaksAtItsEquals() {
        const QString wmax =
            "Wmax = 2.1*ψ*σsk/(2*10^5)*(1.9*c1+0.08*deq/ρte)=2.1*0.748*117.331/"
            "(2*10^5)*(1.9*50+0.08*21/0.02)=0.165(mm)";
        const QStringList got = wrapLine(wmax, 85, 80, unitAdvance);
        QCOMPARE(got, (QStringList{"Wmax = 2.1*ψ*σsk/(2*10^5)*(1.9*c1+0.08*deq/ρte)=",
                                   "2.1*0.748*117.331/(2*10^5)*(1.9*50+0.08*21/0.02)=0.165(mm)"}));
    }

    // Every typeset line of two sheets set on a narrow measure: nothing is lost or added,
    // no printed line but the last is wider than its room, and a formula is broken only
    // after an operator or in its Chinese words (never in a number, a name or a unit).
    void typesetLinesBreakAtOperators_data() {
        QTest::addColumn<int>("basis");
        QTest::newRow("GB 50010-2002") << 0;
        QTest::newRow("GB 50010-2010") << 1;
    }
    void typesetLinesBreakAtOperators() {
        QFETCH(int, basis);
        const wallcalc::sheet::SheetStyle style;
        const wallcalc::sheet::SetFonts fonts(style);
        const qreal room = style.mm(70);
        const QString operators = QStringLiteral("=+−×÷,<>≤≥");
        int broken = 0;
        for (const auto& line : typesetLines(basis)) {
            const auto whole = wallcalc::sheet::setLine(line, fonts, 1e9, 1e9);
            QCOMPARE(whole.size(), std::size_t(1));
            const auto pieces = wallcalc::sheet::setLine(line, fonts, room, room - style.mm(8));
            QString joined;
            for (std::size_t i = 0; i < pieces.size(); ++i) {
                joined += printed(pieces[i]);
                if (i + 1 == pieces.size()) continue;
                ++broken;
                QVERIFY(pieces[i].width <= (i == 0 ? room : room - style.mm(8)));
                const QString text = printed(pieces[i]);
                const bool formula = printed(whole[0]).contains('=');
                // In a formula after an operator, or in the prose about it (Chinese).
                const QChar last = text.back();
                if (formula) {
                    QVERIFY2(operators.contains(last) || last.unicode() >= 0x2E80,
                             qPrintable(text));
                }
            }
            QCOMPARE(joined, printed(whole[0]));
        }
        QVERIFY(broken > 10);
    }

    // The lines of the calculation text as blocks: a line introducing the next ones (it
    // ends in a colon) and the pieces of a wrapped line stay with what follows them.
    void calculationLinesKeepTogether() {
        const wallcalc::sheet::SheetStyle style;
        const std::vector<std::string> lines = {"1.荷载计算：",
                                                " (2)水下土压力： ",
                                                "q22 =0.5*(γ-10)*(h2- h3)=4.4 (kN/m)",
                                                "",
                                                std::string(300, '9'),
                                                "说明：",
                                                "    为节约成本，裂缝计算允许误差为5%"};
        const auto blocks = wallcalc::sheet::textBlocks(lines, style, style.mm(170));
        QList<bool> keep;
        for (const Block& b : blocks)
            keep << b.keepWithNext;
        // The 300 digits take several printed lines on the 170 mm measure.
        const qsizetype digits = keep.size() - 6;
        QVERIFY(digits >= 3);
        QList<bool> expected{true, true, false, false};
        for (qsizetype i = 0; i < digits; ++i)
            expected << (i + 1 < digits);
        expected << true << false;
        QCOMPARE(keep, expected);
        for (const Block& b : blocks)
            QCOMPARE(b.height, style.lineHeight(style.body));
    }

    // Each row: block heights, the marks of each block ("k" keeps it with the next, "s"
    // gives it 10 units of space before), the room on the first page and on the others;
    // then the page and the top of each block.
    void flow_data() {
        QTest::addColumn<QList<qreal>>("heights");
        QTest::addColumn<QStringList>("marks");
        QTest::addColumn<qreal>("firstPage");
        QTest::addColumn<qreal>("page");
        QTest::addColumn<QList<int>>("pages");
        QTest::addColumn<QList<qreal>>("tops");
        QTest::newRow("all on one page")
            << QList<qreal>{10, 10, 10} << QStringList{"", "", ""} << 100.0 << 100.0
            << QList<int>{0, 0, 0} << QList<qreal>{0, 10, 20};
        QTest::newRow("a block that does not fit goes over")
            << QList<qreal>{40, 40, 40} << QStringList{"", "", ""} << 100.0 << 100.0
            << QList<int>{0, 0, 1} << QList<qreal>{0, 40, 0};
        QTest::newRow("space before is dropped at the top of a page")
            << QList<qreal>{40, 40, 40} << QStringList{"", "s", "s"} << 100.0 << 100.0
            << QList<int>{0, 0, 1} << QList<qreal>{0, 50, 0};
        QTest::newRow("a heading goes over with what follows it")
            << QList<qreal>{50, 10, 50} << QStringList{"", "k", ""} << 100.0 << 100.0
            << QList<int>{0, 1, 1} << QList<qreal>{0, 0, 10};
        QTest::newRow("the pieces of a line stay together")
            << QList<qreal>{85, 10, 10} << QStringList{"", "k", ""} << 100.0 << 100.0
            << QList<int>{0, 1, 1} << QList<qreal>{0, 0, 10};
        QTest::newRow("a run taller than a page is broken where it must be")
            << QList<qreal>{10, 30, 30, 30, 30} << QStringList{"", "k", "k", "k", ""} << 100.0
            << 100.0 << QList<int>{0, 0, 0, 0, 1} << QList<qreal>{0, 10, 40, 70, 0};
        QTest::newRow("the first page holds less")
            << QList<qreal>{30, 30, 30, 30} << QStringList{"", "", "", ""} << 50.0 << 100.0
            << QList<int>{0, 1, 1, 1} << QList<qreal>{0, 0, 30, 60};
        QTest::newRow("a block taller than a page gets a page of its own")
            << QList<qreal>{10, 150, 10} << QStringList{"", "", ""} << 100.0 << 100.0
            << QList<int>{0, 1, 2} << QList<qreal>{0, 0, 0};
    }
    void flow() {
        QFETCH(QList<qreal>, heights);
        QFETCH(QStringList, marks);
        QFETCH(qreal, firstPage);
        QFETCH(qreal, page);
        QFETCH(QList<int>, pages);
        QFETCH(QList<qreal>, tops);
        std::vector<Block> blocks;
        for (qsizetype i = 0; i < heights.size(); ++i) {
            Block b;
            b.height = heights[i];
            b.keepWithNext = marks[i].contains('k');
            b.spaceBefore = marks[i].contains('s') ? 10 : 0;
            blocks.push_back(b);
        }
        const auto places = flowOntoPages(blocks, firstPage, page);
        QList<int> gotPages;
        QList<qreal> gotTops;
        for (const auto& p : places) {
            gotPages << p.page;
            gotTops << p.top;
        }
        QCOMPARE(gotPages, pages);
        QCOMPARE(gotTops, tops);
        // The first and last block of each page know it: a table closes its rules there.
        for (std::size_t i = 0; i < places.size(); ++i) {
            QCOMPARE(places[i].firstOnPage, i == 0 || places[i - 1].page != places[i].page);
            QCOMPARE(places[i].lastOnPage,
                     i + 1 == places.size() || places[i + 1].page != places[i].page);
        }
    }
};

QTEST_MAIN(SheetLayout)
#include "tst_sheet_layout.moc"
