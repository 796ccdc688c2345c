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
#include <QTemporaryDir>
#include <QtTest>

#include "pdf_tools.hpp"
#include "wallcalc/engine/window_model.hpp"
#include "wallcalc/sheet/calculation_sheet.hpp"
#include "wallcalc/sheet/pdf_file.hpp"

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
        QVERIFY(!wallcalc::sheet::writeSheetPdf(sheetOf(wall), pdf.toStdString()));
        for (const bool layout : {false, true}) {
            const QString name = file + (layout ? ".layout.txt" : ".txt");
            const QString text = pdfText(pdf, layout);
            QVERIFY(!text.isEmpty());
            if (qEnvironmentVariableIsSet("WALLCALC_RECORD_SHEET_TEXT")) record(name, text);
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
};

QTEST_MAIN(SheetText)
#include "tst_sheet_text.moc"
