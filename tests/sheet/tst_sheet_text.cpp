// What a reader gets back from a sheet's PDF: the text of every page, as pdftotext reads it
// in reading order and with the layout kept, is held page for page against the text
// recorded for a few sheets (sheet_text/*.txt). Every character the sheet prints, and
// where it stands closely enough for the columns to line up, stays as recorded whatever is
// changed in how the sheet is drawn or written.
//
// The recorded text depends on the face's measures (where lines break), so it is checked
// where the sheet's face, WenQuanYi Micro Hei, is installed. To record a deliberate change
// of the sheet: WALLCALC_RECORD_SHEET_TEXT=1 tst_sheet_text, then read the difference.
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "pdf_tools.hpp"
#include "wallcalc/engine/window_model.hpp"
#include "wallcalc/sheet/calculation_sheet.hpp"
#include "wallcalc/sheet/pdf_file.hpp"
#include "wallcalc/sheet/sheet_rendering.hpp"

using wallcalc::Box;
using wallcalc::List;
using wallcalc::WindowModel;
using wallcalc::sheet::CalculationSheet;
using namespace wallcalc::testing;

namespace {

// One sheet of the record: its mode, case, basis and grades, what is typed, and its title
// block.
struct Wall {
    bool civilDefence = false;
    int loadCase = 0;
    int basis = 0;
    int concrete = 0;
    int steel = 0;
    QList<QPair<Box, QString>> typed;
    std::string name;
    wallcalc::ProjectInfo project;
};

CalculationSheet sheetOf(const Wall& wall) {
    WindowModel w;
    wall.civilDefence ? w.clickCivilDefence() : w.clickOrdinary();
    w.select(List::Combo1, wall.concrete);
    w.select(List::Combo2, wall.steel);
    w.select(List::Combo3, wall.loadCase);
    w.select(List::Combo4, wall.basis);
    for (const auto& [box, text] : wall.typed)
        w.type(box, text.toStdString());
    CalculationSheet sheet = wallcalc::sheet::sheetOf(w.pressCompute());
    sheet.name = wall.name;
    sheet.project = wall.project;
    sheet.date = "2024-05-01";
    return sheet;
}

QString recorded(const QString& file) {
    QFile f(QStringLiteral(WALLCALC_SHEET_TEXT_DIR "/") + file);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

void record(const QString& file, const QString& text) {
    QFile f(QStringLiteral(WALLCALC_SHEET_TEXT_DIR "/") + file);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text.toUtf8());
}

// The sheet as Qt's own PDF writer, QPdfWriter, writes it: the sheets' writer before the
// program had its own, kept here to compare with.
bool writtenByQt(const CalculationSheet& sheet, const QString& path) {
    QPdfWriter writer(path);
    writer.setResolution(600);
    wallcalc::sheet::setUpSheetPage(writer);
    return !wallcalc::sheet::renderSheet(sheet, writer);
}

// The share of the pixels of page `a` that differ from every pixel of page `b` within one
// pixel of the same place by more than a quarter of the way from white to black: a line or
// a glyph drawn a hair apart (which the rasteriser may round to the next pixel) does not
// count, a stroke or a glyph missing or out of place does.
double differingShare(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return 1;
    qint64 differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const int shade = a.constScanLine(y)[x];
            int nearest = 255;
            for (int v = std::max(y - 1, 0); v <= std::min(y + 1, b.height() - 1); ++v) {
                const uchar* line = b.constScanLine(v);
                for (int u = std::max(x - 1, 0); u <= std::min(x + 1, b.width() - 1); ++u)
                    nearest = std::min(nearest, std::abs(shade - line[u]));
            }
            differing += nearest > 64;
        }
    }
    return static_cast<double>(differing) / (static_cast<double>(a.width()) * a.height());
}

}  // namespace

Q_DECLARE_METATYPE(Wall)

class SheetText : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;

  private slots:
    void initTestCase() {
        if (!popplerInstalled()) QSKIP("poppler-utils is not installed");
        if (!QFontDatabase::hasFamily("WenQuanYi Micro Hei"))
            QSKIP("the recorded text is that of WenQuanYi Micro Hei, which is not installed");
    }

    void everyPageReadsAsRecorded_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Wall>("wall");
        QTest::newRow("ordinary, case A, the window's defaults, no title block")
            << "ordinary-a" << Wall{};
        QTest::newRow("civil-defence, case B, C30 and HRB400, a whole title block")
            << "civil-defence-b"
            << Wall{true, 1,
                    0,    3,
                    2,    {{Box::Text2, "-3.5"}, {Box::Text4, "400"}, {Box::Text20, "50"}},
                    "W3", {"滨江花园二期", "W3 地下一层", "张工", "李工", "王工"}};
        QTest::newRow("ordinary, case C, GB 50010-2010, a long name that wraps")
            << "ordinary-c-2010"
            << Wall{false,
                    2,
                    1,
                    2,
                    1,
                    {{Box::Text2, "-7.2"}, {Box::Text15, "20"}},
                    "地下车库外墙（轴线①～⑫交A～D）第三施工段，迎水面加厚，附加荷载按消防车道取值，"
                    "顶板覆土1.5m",
                    {"城南片区综合管廊配套工程", "WQ-12", "Zoë", "", ""}};
        QTest::newRow("civil-defence, case A, names with uncommon characters")
            << "civil-defence-a-uncommon"
            << Wall{true,
                    0,
                    0,
                    1,
                    1,
                    {{Box::Text20, "100"}},
                    "堃喆苑 W-7",
                    {"龘工程 ㊣", "W7", "詹姆斯·O'Brien", "갑", "Ωμέγα"}};
    }
    void everyPageReadsAsRecorded() {
        QFETCH(QString, file);
        QFETCH(Wall, wall);
        const QString pdf = dir_.filePath(file + ".pdf");
        QVERIFY(!wallcalc::sheet::writeSheetPdf(sheetOf(wall), pdf.toStdString()).failure);
        for (const bool layout : {false, true}) {
            const QString name = file + (layout ? ".layout.txt" : ".txt");
            const QString text = pdfText(pdf, layout);
            QVERIFY(!text.isEmpty());
            if (qEnvironmentVariableIsSet("WALLCALC_RECORD_SHEET_TEXT")) record(name, text);
            // What a checker reads is typeset: no "*" or "^" of the window's text, no unit
            // with its power written after it.
            for (const QString plain : {"*", "^", "mm2", "m2", "m3", "h0^2", "kNm"}) {
                QVERIFY2(!text.contains(plain), qPrintable(name + " holds " + plain));
            }
            const QStringList pages = text.split('\f');
            const QStringList expected = recorded(name).split('\f');
            QVERIFY2(expected.size() > 1, qPrintable("no recorded text in " + name));
            QCOMPARE(pages.size(), expected.size());
            for (qsizetype page = 0; page < pages.size(); ++page) {
                if (pages[page] != expected[page]) {
                    QFAIL(qPrintable(QStringLiteral("%1, page %2 differs:\n%3\n--- recorded:\n%4")
                                         .arg(name)
                                         .arg(page + 1)
                                         .arg(pages[page], expected[page])));
                }
            }
        }
    }

    // The same sheets: the file sound (qpdf --check), every font an embedded subset named
    // with its tag and mapped to Unicode, nothing drawn left out or unprintable, and every
    // page, rendered by pdftoppm at 100 dpi in grey, as QPdfWriter's: fewer than 0.1 % of
    // its pixels (some 970 of an A4 page) differ from every pixel within one pixel of the
    // same place in the other rendering by more than a quarter of the way from white to
    // black. (Measured: up to 0.06 % on a first page, where the bold title and headings
    // are made bold as Qt does not; up to 0.015 % on the others.)
    void writtenAsQtWritesIt_data() { everyPageReadsAsRecorded_data(); }
    void writtenAsQtWritesIt() {
        QFETCH(QString, file);
        QFETCH(Wall, wall);
        if (!qpdfInstalled()) QSKIP("qpdf is not installed");
        const CalculationSheet sheet = sheetOf(wall);
        const QString ours = dir_.filePath(file + ".pdf");
        const QString qts = dir_.filePath(file + ".qt.pdf");
        const auto written = wallcalc::sheet::writeSheetPdf(sheet, ours.toStdString());
        QVERIFY(!written.failure);
        QCOMPARE(written.notWritten, std::vector<std::string>{});
        QCOMPARE(written.unprintable, std::vector<char32_t>{});
        QString report;
        QVERIFY2(qpdfFindsNoFault(ours, &report), qPrintable(report));
        static const QRegularExpression subset(
            "^[A-Z]{6}\\+[!-~]+ +CID TrueType +Identity-H +yes +yes +yes ");
        for (const QString& font : pdfFonts(ours))
            QVERIFY2(subset.match(font).hasMatch(), qPrintable(font));

        QVERIFY(writtenByQt(sheet, qts));
        const QList<QImage> mine = pdfPageImages(ours, 100);
        const QList<QImage> theirs = pdfPageImages(qts, 100);
        QVERIFY(!mine.isEmpty());
        QCOMPARE(mine.size(), theirs.size());
        for (qsizetype page = 0; page < mine.size(); ++page) {
            const double share = std::max(differingShare(mine[page], theirs[page]),
                                          differingShare(theirs[page], mine[page]));
            qInfo("%s, page %lld: %.3f %% of the pixels differ", qPrintable(file), page + 1,
                  share * 100);
            QVERIFY2(share < 0.001, qPrintable(QString::number(share * 100) + " %"));
        }
    }
};

QTEST_MAIN(SheetText)
#include "tst_sheet_text.moc"
