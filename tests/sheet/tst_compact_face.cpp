// The compact copy of WenQuanYi Micro Hei the sheets are set in: it draws every character
// it keeps exactly as the installed face does (the same glyph outline, advance and
// kerning), keeps every character a sheet prints of itself, leaves the rest to the
// installed face, and carries no hinting.
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QRawFont>
#include <QTemporaryDir>
#include <QtTest>
#include <set>

#include "compact_face.hpp"
#include "face_repertoire.hpp"
#include "pdf_tools.hpp"
#include "sheet_style.hpp"
#include "wallcalc/engine/window_model.hpp"
#include "wallcalc/sheet/calculation_sheet.hpp"
#include "wallcalc/sheet/pdf_file.hpp"

using namespace wallcalc::sheet;

namespace {

const QString kInstalled = QStringLiteral("WenQuanYi Micro Hei");
constexpr qreal kPixels = 1000;  // large enough for outlines to compare point by point

QRawFont installedFace() {
    QFont font(kInstalled);
    font.setPixelSize(static_cast<int>(kPixels));
    font.setHintingPreference(QFont::PreferNoHinting);
    return QRawFont::fromFont(font);
}

const QByteArray& copyBytes() {
    static const QByteArray bytes =
        compactFace(installedFace(), sheetRepertoire(), QStringLiteral("Sheet Face Test"));
    return bytes;
}

QRawFont copyFace() {
    return QRawFont(copyBytes(), kPixels, QFont::PreferNoHinting);
}

quint32 glyphOf(const QRawFont& face, char32_t c) {
    const QString text = QString::fromUcs4(&c, 1);
    const QList<quint32> glyphs = face.glyphIndexesForString(text);
    return glyphs.size() == 1 ? glyphs.front() : 0;
}

// What a sheet of every mode, case and design basis prints of itself, without a name or a
// title block: read back from its PDF.
QString printedBySheets() {
    QTemporaryDir dir;
    QString printed;
    for (const bool civilDefence : {false, true}) {
        for (int kase = 0; kase < 3; ++kase) {
            for (int basis = 0; basis < 2; ++basis) {
                wallcalc::WindowModel w;
                civilDefence ? w.clickCivilDefence() : w.clickOrdinary();
                w.select(wallcalc::List::Combo3, kase);
                w.select(wallcalc::List::Combo4, basis);
                w.type(wallcalc::Box::Text2, kase == 2 ? "-7" : kase == 1 ? "-3.5" : "-1.35");
                CalculationSheet sheet = wallcalc::sheet::sheetOf(w.pressCompute());
                sheet.date = "2024-05-01";
                const QString file = dir.filePath("sheet.pdf");
                if (writeSheetPdf(sheet, file.toStdString()).failure) return {};
                printed += wallcalc::testing::pdfText(file);
            }
        }
    }
    return printed;
}

}  // namespace

class CompactFaceTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        if (!QFontDatabase::hasFamily(kInstalled)) QSKIP("WenQuanYi Micro Hei is not installed");
        QVERIFY(!copyBytes().isEmpty());
        QVERIFY(copyFace().isValid());
    }

    // The copy, the installed face, then the faces installed with the program for the
    // characters the face lacks (fonts-hanazono).
    void sheetIsSetInTheCopyThenInTheFaceThenInTheFallbacks() {
        const QStringList families = sheetFamilies();
        QCOMPARE(families.size(), 4);
        QCOMPARE(families[1], kInstalled);
        QCOMPARE(families.mid(2), QStringList({"HanaMinA", "HanaMinB"}));
        QVERIFY(QFontDatabase::hasFamily(families[0]));
        QCOMPARE(sheetFont(10).families(), families);
    }

    // Every character of the repertoire that the face has: the copy maps it, and its glyph
    // has the face's advance and outline, point for point.
    void everyCharacterKeptIsDrawnAsTheFaceDrawsIt() {
        const QRawFont face = installedFace();
        const QRawFont copy = copyFace();
        const std::vector<char32_t> repertoire = sheetRepertoire();
        const std::set<char32_t> characters(repertoire.begin(), repertoire.end());
        int compared = 0;
        for (const char32_t c : characters) {
            const quint32 inFace = glyphOf(face, c);
            const quint32 inCopy = glyphOf(copy, c);
            QVERIFY2((inFace == 0) == (inCopy == 0), qPrintable(QString::number(c, 16)));
            if (inFace == 0) continue;
            QCOMPARE(copy.advancesForGlyphIndexes({inCopy}),
                     face.advancesForGlyphIndexes({inFace}));
            QVERIFY2(copy.pathForGlyph(inCopy) == face.pathForGlyph(inFace),
                     qPrintable(QString::number(c, 16)));
            ++compared;
        }
        QVERIFY2(compared > 8000, qPrintable(QString::number(compared)));
    }

    void whatTheCopyKeeps_data() {
        QTest::addColumn<QString>("character");
        QTest::addColumn<bool>("kept");
        QTest::newRow("a Latin letter") << "A" << true;
        QTest::newRow("a Latin letter with an accent") << "ë" << true;
        QTest::newRow("a Greek letter of the formulas") << "ψ" << true;
        QTest::newRow("a hanzi of the first level of GB 2312") << "钢" << true;
        QTest::newRow("a hanzi of the second level of GB 2312 (concrete)") << "砼" << true;
        QTest::newRow("a Roman numeral of the steel grades") << "Ⅲ" << true;
        QTest::newRow("square metres as one character") << "㎡" << true;
        QTest::newRow("an enclosed number") << "⑫" << true;
        QTest::newRow("a full-width colon") << "：" << true;
        QTest::newRow("a hanzi outside GB 2312") << "堃" << false;
        QTest::newRow("a hanzi of the extended set") << "龘" << false;
        QTest::newRow("a Hangul syllable") << "갑" << false;
    }
    void whatTheCopyKeeps() {
        QFETCH(QString, character);
        QFETCH(bool, kept);
        const char32_t c = character.toUcs4().front();
        QVERIFY(glyphOf(installedFace(), c) != 0);  // the installed face has them all
        QCOMPARE(glyphOf(copyFace(), c) != 0, kept);
    }

    // Text set in the copy is as wide as in the face, kerned pairs included (the rows marked
    // kerned are pairs the face kerns).
    void textSetsAsWide_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("kerned");
        QTest::newRow("a kerned pair, A and V") << "AV" << true;
        QTest::newRow("a kerned pair, T and o") << "To" << true;
        QTest::newRow("a kerned pair, P and a full stop") << "P." << true;
        QTest::newRow("a formula") << "Wmax = 2.1*ψ*σsk/(2*10^5)" << false;
        QTest::newRow("Chinese and numbers")
            << "满足强度控制要求时选用钢筋为：Φ20@100(mm)" << false;
    }
    void textSetsAsWide() {
        QFETCH(QString, text);
        QFETCH(bool, kerned);
        QFont face(kInstalled);
        QFont copy(sheetFamilies().front());  // the copy the sheets are set in
        for (QFont* f : {&face, &copy}) {
            f->setPixelSize(static_cast<int>(kPixels));
            f->setHintingPreference(QFont::PreferNoHinting);
        }
        QVERIFY(copy.exactMatch());
        const QFontMetricsF inFace(face);
        const QFontMetricsF inCopy(copy);
        QCOMPARE(inCopy.horizontalAdvance(text), inFace.horizontalAdvance(text));
        // A kerned pair is set narrower or wider than its letters apart: the row checks kerning.
        if (kerned) {
            QVERIFY(inFace.horizontalAdvance(text) !=
                    inFace.horizontalAdvance(text.left(1)) + inFace.horizontalAdvance(text.mid(1)));
        }
    }

    void copyIsNamedApartAndUnhinted() {
        const QRawFont copy = copyFace();
        QCOMPARE(copy.familyName(), QStringLiteral("Sheet Face Test"));
        for (const char* table : {"fpgm", "prep", "cvt "})
            QVERIFY2(copy.fontTable(table).isEmpty(), table);
        // Room for instructions declared, so that FreeType does not auto-hint the outlines.
        const QByteArray maxp = copy.fontTable("maxp");
        QVERIFY(maxp.size() >= 32);
        QCOMPARE(qFromBigEndian<quint16>(maxp.constData() + 26), quint16(1));
    }

    // A sheet of common names embeds the copy alone.
    void everyCharacterASheetPrintsOfItselfIsKept() {
        if (!wallcalc::testing::popplerInstalled()) QSKIP("poppler-utils is not installed");
        const QString printed = printedBySheets();
        QVERIFY(printed.size() > 10000);
        const QRawFont copy = copyFace();
        QString missing;
        for (const char32_t c : printed.toUcs4()) {
            if (c > ' ' && glyphOf(copy, c) == 0 && !missing.contains(QString::fromUcs4(&c, 1)))
                missing += QString::fromUcs4(&c, 1);
        }
        QVERIFY2(missing.isEmpty(), qPrintable(missing));
    }
};

QTEST_MAIN(CompactFaceTest)
#include "tst_compact_face.moc"
