// The calculation sheet as a PDF file: written whole or not at all, A4 pages numbered
// "第 i 页 共 n 页", the title block, every line of the calculation on the page and none cut
// at its edge, the Chinese face embedded. Read back with poppler-utils.
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <functional>

#include "pdf/pdf_device.hpp"
#include "pdf_tools.hpp"
#include "sheet_style.hpp"
#include "wallcalc/engine/window_model.hpp"
#include "wallcalc/sheet/calculation_sheet.hpp"
#include "wallcalc/sheet/pdf_file.hpp"
#include "wallcalc/sheet/sheet_rendering.hpp"

using wallcalc::WindowModel;
using wallcalc::sheet::CalculationSheet;
using wallcalc::sheet::writeSheetPdf;
using namespace wallcalc::testing;

namespace {

CalculationSheet defaultsSheet(bool civilDefence = false, int kase = 0) {
    WindowModel w;
    civilDefence ? w.clickCivilDefence() : w.clickOrdinary();
    w.select(wallcalc::List::Combo3, kase);
    if (kase == 2) w.type(wallcalc::Box::Text2, "-7");
    CalculationSheet sheet = wallcalc::sheet::sheetOf(w.pressCompute());
    sheet.date = "2024-05-01";
    return sheet;
}

// A calculation text far longer than any real one, with lines no page is wide enough for.
// A line added to the calculation, as the window's text and as the sheet sets it.
void addLine(CalculationSheet& sheet, const std::string& line) {
    sheet.calculation.push_back(line);
    sheet.calculationTypeset.push_back(wallcalc::report::typesetText(line, sheet.notation));
}

CalculationSheet longSheet() {
    CalculationSheet sheet = defaultsSheet();
    for (int i = 0; i < 300; ++i)
        addLine(sheet, "第" + std::to_string(i) + "行 q=" + std::to_string(i * 7));
    addLine(sheet, std::string(700, '9'));  // no place to break at all
    std::string chinese;
    for (int i = 0; i < 150; ++i)
        chinese += "钢筋";
    addLine(sheet, chinese);
    sheet.inputs[5].value = std::string(400, '5');  // a box typed far past its width
    sheet.name = "外墙W1";
    return sheet;
}

QStringList folderEntries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

// Something drawn on a page of the program's PDF writer.
using Drawing = std::function<void(QPainter&)>;

}  // namespace

Q_DECLARE_METATYPE(Drawing)

class SheetPdf : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    QString path(const QString& name) const { return dir_.filePath(name); }

  private slots:
    void writesAWholeFileAndNothingElse() {
        const QString file = path("whole/sheet.pdf");
        QVERIFY(QDir().mkpath(path("whole")));
        for (int time = 0; time < 2; ++time) {  // the second time over the first
            QVERIFY(!writeSheetPdf(defaultsSheet(), file.toStdString()).failure);
            QFile f(file);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QVERIFY(f.readAll().startsWith("%PDF-"));
            QCOMPARE(folderEntries(path("whole")), QStringList{"sheet.pdf"});
        }
    }

    // The failure names the file and carries the system's error code, for the host to say
    // in the user's words.
    void failureNamesTheFileAndLeavesNothing_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("error");
        QTest::newRow("under a regular file") << "plain-file/sheet.pdf" << ENOTDIR;
        QTest::newRow("in a folder that does not exist") << "missing/sheet.pdf" << ENOENT;
        QTest::newRow("over a folder") << "a-folder" << EISDIR;
    }
    void failureNamesTheFileAndLeavesNothing() {
        QFETCH(QString, target);
        QFETCH(int, error);
        QFile plain(path("plain-file"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.write("not a folder");
        plain.close();
        QVERIFY(QDir().mkpath(path("a-folder")));
        const QStringList before = folderEntries(dir_.path());
        const auto failed = writeSheetPdf(defaultsSheet(), path(target).toStdString()).failure;
        QVERIFY(failed);
        QCOMPARE(QString::fromStdString(failed->file), path(target));
        QVERIFY(!failed->reason.empty());
        QCOMPARE(failed->error, error);
        QCOMPARE(folderEntries(dir_.path()), before);
        QVERIFY(folderEntries(path("a-folder")).isEmpty());
    }

    void pagesAreNumbered_data() {
        QTest::addColumn<CalculationSheet>("sheet");
        QTest::addColumn<int>("fewest");
        QTest::addColumn<int>("most");
        // With the supplementary design after the calculation.
        QTest::newRow("ordinary, case A") << defaultsSheet() << 4 << 4;
        QTest::newRow("civil-defence, case C") << defaultsSheet(true, 2) << 3 << 4;
        // The red band of a wall that does not satisfy the codes takes room at every foot.
        QTest::newRow("a very long calculation") << longSheet() << 8 << 14;
    }
    void pagesAreNumbered() {
        QFETCH(CalculationSheet, sheet);
        QFETCH(int, fewest);
        QFETCH(int, most);
        if (!popplerInstalled()) QSKIP("poppler-utils is not installed");
        const QString file = path("numbered.pdf");
        QVERIFY(!writeSheetPdf(sheet, file.toStdString()).failure);
        const int pages = pdfPages(file);
        QVERIFY2(pages >= fewest && pages <= most, qPrintable(QString::number(pages)));
        const QString text = withoutBlanks(pdfText(file));
        for (int i = 1; i <= pages; ++i)
            QVERIFY(text.contains(QStringLiteral("第%1页共%2页").arg(i).arg(pages)));
        // The date in the title block, and in the running head of every later page (read
        // with the layout kept, so that a cell follows its label).
        const QString laidOut = withoutBlanks(pdfText(file, true));
        QCOMPARE(laidOut.count("计算日期2024-05-01"), 1);
        QCOMPARE(laidOut.count("计算日期：2024-05-01"), pages - 1);
    }

    // The title block names the project, the wall, the three who sign and the codes; the
    // running head of the later pages names the project and the wall again.
    void titleBlock_data() {
        QTest::addColumn<bool>("civilDefence");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("ordinary works")
            << false << QStringList{"GB50010-2002《混凝土结构设计规范》"};
        QTest::newRow("civil-defence works")
            << true
            << QStringList{
                   "GB50010-2002《混凝土结构设计规范》；GB50038-2005《人民防空地下室设计规范》"};
    }
    void titleBlock() {
        QFETCH(bool, civilDefence);
        QFETCH(QStringList, codes);
        if (!popplerInstalled()) QSKIP("poppler-utils is not installed");
        CalculationSheet sheet = defaultsSheet(civilDefence);
        sheet.project = {"滨江花园二期", "W3 地下一层", "张工", "李工", "王工"};
        const QString file = path("title-block.pdf");
        QVERIFY(!writeSheetPdf(sheet, file.toStdString()).failure);
        const QString text = withoutBlanks(pdfText(file, true));
        for (const QString& cell :
             QStringList{"工程名称滨江花园二期", "墙体编号/部位W3地下一层", "计算日期2024-05-01",
                         "设计张工", "校对李工", "审核王工", "设计依据" + codes.join("")}) {
            QVERIFY2(text.contains(cell), qPrintable(cell));
        }
        QVERIFY(text.indexOf("工程名称") < text.indexOf("一、输入数据"));
        QCOMPARE(text.count("地下室外墙配筋计算书滨江花园二期W3地下一层计算日期："),
                 pdfPages(file) - 1);
    }

    // Every line of the calculation (that reads back in line) and every input is in the
    // text, whole and in order, and no word stands outside the page's margins.
    void nothingIsCut() {
        if (!popplerInstalled()) QSKIP("poppler-utils is not installed");
        const CalculationSheet sheet = longSheet();
        const QString file = path("long.pdf");
        QVERIFY(!writeSheetPdf(sheet, file.toStdString()).failure);
        const QString text = withoutBlanks(pdfText(file));
        qsizetype at = 0;
        int lines = 0;
        for (const wallcalc::report::TypesetLine& line : sheet.calculationTypeset) {
            const QString wanted = withoutBlanks(printedInLine(line));
            if (wanted.isEmpty()) continue;
            ++lines;
            const qsizetype found = text.indexOf(wanted, at);
            QVERIFY2(found >= 0, qPrintable(wanted.left(40)));
            at = found + wanted.size();
        }
        QVERIFY(lines > 300);
        QVERIFY(text.contains(QString(400, '5')));
        const qreal mm = 72 / 25.4;
        const QList<PdfWord> words = pdfWords(file);
        QVERIFY(words.size() > 300);
        for (const PdfWord& w : words) {
            const QRectF inside = w.page.adjusted(19 * mm, 14 * mm, -19 * mm, -11 * mm);
            QVERIFY2(inside.contains(w.box), qPrintable(w.text.left(40)));
        }
    }

    // The sheet's face is embedded (a subset of it), so that the Chinese reads on a machine
    // without it: its compact copy alone for a sheet of common characters, and the
    // installed face beside it for characters the copy leaves out.
    void chineseFaceIsEmbedded_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("faces");
        QTest::newRow("a name of common characters") << "地下一层外墙 W1" << 1;
        QTest::newRow("a name with hanzi outside GB 2312") << "堃喆苑 W1" << 2;
    }
    void chineseFaceIsEmbedded() {
        QFETCH(QString, name);
        QFETCH(int, faces);
        if (!popplerInstalled()) QSKIP("poppler-utils is not installed");
        CalculationSheet sheet = defaultsSheet();
        sheet.name = name.toStdString();
        const QString file = path("fonts.pdf");
        QVERIFY(!writeSheetPdf(sheet, file.toStdString()).failure);
        const QStringList fonts = pdfFonts(file);
        QVERIFY(!fonts.isEmpty());
        for (const QString& font : fonts) {
            // name, type words, encoding, then "emb sub uni": every font embedded
            const QStringList columns = font.split(' ', Qt::SkipEmptyParts);
            QVERIFY2(columns.size() >= 6 && columns[columns.size() - 5] == "yes", qPrintable(font));
        }
        QVERIFY(withoutBlanks(pdfText(file)).contains(withoutBlanks(name)));
        if (QFontDatabase::hasFamily("WenQuanYi Micro Hei")) {
            QCOMPARE(fonts.size(), faces);
            // A subset, named with its tag of six capitals (ISO 32000-1 §9.6.4), embedded
            // ("emb" and "sub" yes) with its map to Unicode ("uni" yes).
            static const QRegularExpression subset(
                "^[A-Z]{6}\\+WenQuanYiMicroHei +CID TrueType +Identity-H +yes +yes +yes ");
            for (const QString& font : fonts)
                QVERIFY2(subset.match(font).hasMatch(), qPrintable(font));
        }
    }

    // A character the sheet's face lacks is drawn from the faces installed with the program
    // and reads back from the PDF; one no face has is said, by its code and itself, and
    // drawn as the face's missing glyph, which reads back as nothing. A private-use
    // character is never taken from another face: what it stands for is agreed for one
    // face only.
    void everyCharacterIsPrintedOrSaid_data() {
        QTest::addColumn<QString>("character");
        QTest::addColumn<bool>("printed");
        QTest::newRow("a circled capital, as a grid line is named") << "Ⓐ" << true;
        QTest::newRow("a circled digit") << "①" << true;
        QTest::newRow("square metres as one character") << "㎡" << true;
        QTest::newRow("the ideographic zero") << "〇" << true;
        QTest::newRow("a hanzi of CJK Extension B, beyond the Basic Multilingual Plane")
            << "𠀀" << true;
        QTest::newRow("a private-use character") << QString(QChar(0xE000)) << false;
        QTest::newRow("a private-use character one of the other faces has (HanaMinA)")
            << QString(QChar(0xF137)) << false;
    }
    void everyCharacterIsPrintedOrSaid() {
        QFETCH(QString, character);
        QFETCH(bool, printed);
        if (!popplerInstalled()) QSKIP("poppler-utils is not installed");
        CalculationSheet sheet = defaultsSheet();
        sheet.project.project = ("轴线" + character + "外墙").toStdString();
        const QString file = path("character.pdf");
        const auto written = writeSheetPdf(sheet, file.toStdString());
        QVERIFY(!written.failure);
        const QString text = withoutBlanks(pdfText(file, true));
        const char32_t code = character.toUcs4().front();
        if (printed) {
            QCOMPARE(written.unprintable, std::vector<char32_t>{});
            QVERIFY2(text.contains("工程名称轴线" + character + "外墙"), qPrintable(text.left(80)));
        } else {
            QCOMPARE(written.unprintable, std::vector<char32_t>{code});
            QVERIFY2(text.contains("工程名称轴线外墙"), qPrintable(text.left(80)));
        }
    }

    void unprintableCharactersAreNamedByCodeAndThemselves() {
        QCOMPARE(
            QString::fromStdString(wallcalc::sheet::unprintableMessage({0xE000, 0x2A6DF, 'a'})),
            QString("计算书中有已安装的字体都没有的字符，未能印出：U+E000“\uE000”、"
                    "U+2A6DF“%1”、U+0061“a”")
                .arg(QString::fromUcs4(U"\U0002A6DF", 1)));
    }

    // What the sheet draws is written; anything else drawn is recorded, once, by name.
    void whatThePdfWriterLeavesOutIsRecorded_data() {
        QTest::addColumn<Drawing>("drawing");
        QTest::addColumn<QString>("recorded");
        QTest::newRow("what the sheet draws") << Drawing([](QPainter& p) {
            p.setPen(QPen(Qt::red, 2, Qt::DashLine));
            p.setBrush(Qt::blue);
            p.scale(2, 2);
            p.translate(10, 10);
            p.drawLine(QPointF(0, 0), QPointF(50, 50));
            p.drawRect(QRectF(0, 0, 20, 10));
            p.drawEllipse(QPointF(30, 30), 5, 3);
            p.drawPolygon(QPolygonF({{0, 0}, {10, 0}, {5, 8}}));
            p.drawPolyline(QPolygonF({{0, 0}, {10, 0}, {5, 8}}));
            p.fillRect(QRectF(1, 1, 2, 2), Qt::gray);
            p.setFont(wallcalc::sheet::sheetFont(10, true));
            p.drawText(QPointF(0, 40), "墙厚 AV");
        }) << "";
        QTest::newRow("a pixmap") << Drawing([](QPainter& p) {
            QPixmap pixmap(4, 4);
            pixmap.fill(Qt::red);
            p.drawPixmap(0, 0, pixmap);
        }) << "pixmap";
        QTest::newRow("an image") << Drawing([](QPainter& p) {
            p.drawImage(QPointF(0, 0), QImage(4, 4, QImage::Format_RGB32));
        }) << "image";
        QTest::newRow("a gradient") << Drawing([](QPainter& p) {
            p.fillRect(QRectF(0, 0, 10, 10), QLinearGradient(0, 0, 10, 10));
        }) << "brush with a pattern or gradient";
        QTest::newRow("a clip") << Drawing([](QPainter& p) {
            p.setClipRect(QRectF(0, 0, 5, 5));
            p.drawLine(QPointF(0, 0), QPointF(10, 10));
        }) << "clipping";
        QTest::newRow("transparency") << Drawing([](QPainter& p) {
            p.setOpacity(0.5);
            p.drawLine(QPointF(0, 0), QPointF(10, 10));
        }) << "opacity";
        QTest::newRow("a translucent colour") << Drawing([](QPainter& p) {
            p.setPen(QColor(0, 0, 0, 128));
            p.drawLine(QPointF(0, 0), QPointF(10, 10));
        }) << "translucent colour";
        QTest::newRow("a rotation") << Drawing([](QPainter& p) {
            p.rotate(30);
            p.drawText(QPointF(0, 0), "墙");
        }) << "transformation other than scaling alike in both directions and translation";
        QTest::newRow("points") << Drawing([](QPainter& p) { p.drawPoint(QPointF(1, 1)); })
                                << "points";
        QTest::newRow("italic text") << Drawing([](QPainter& p) {
            QFont font = wallcalc::sheet::sheetFont(10);
            font.setItalic(true);
            p.setFont(font);
            p.drawText(QPointF(0, 0), "墙");
        }) << "italic or oblique text";
        QTest::newRow("letter spacing") << Drawing([](QPainter& p) {
            QFont font = wallcalc::sheet::sheetFont(10);
            font.setLetterSpacing(QFont::AbsoluteSpacing, 2);
            p.setFont(font);
            p.drawText(QPointF(0, 0), "墙体");
        }) << "letter or word spacing";
    }
    void whatThePdfWriterLeavesOutIsRecorded() {
        QFETCH(Drawing, drawing);
        QFETCH(QString, recorded);
        wallcalc::sheet::pdf::PdfDevice device(wallcalc::sheet::sheetFaces(),
                                               wallcalc::sheet::sheetPageLayout(), 1200);
        QPainter painter(&device);
        drawing(painter);
        QVERIFY(painter.end());
        std::string failure;
        QVERIFY(!device.finish("test", failure).empty());
        const std::vector<std::string> expected =
            recorded.isEmpty() ? std::vector<std::string>{}
                               : std::vector<std::string>{recorded.toStdString()};
        QCOMPARE(device.notWritten(), expected);
    }
};

QTEST_MAIN(SheetPdf)
#include "tst_sheet_pdf.moc"
