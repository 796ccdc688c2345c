// The program's own PDF writer under the sheet: text set where Qt's layout measured it (so
// that centred, right-aligned and wrapped lines stand where the layout put them), the same
// file whichever thread writes it, and numbers in the content streams as PDF reads them.
#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <thread>

#include "pdf/pdf_device.hpp"
#include "pdf/pdf_objects.hpp"
#include "pdf_tools.hpp"
#include "sheet_style.hpp"
#include "text_painting.hpp"
#include "wallcalc/engine/window_model.hpp"
#include "wallcalc/sheet/calculation_sheet.hpp"
#include "wallcalc/sheet/pdf_file.hpp"
#include "wallcalc/sheet/sheet_rendering.hpp"

using namespace wallcalc::sheet;
using namespace wallcalc::testing;

namespace {

constexpr int kDpi = 600;

// The file's bytes without the moment it was made.
QByteArray withoutDate(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    static const QRegularExpression date(QStringLiteral("/CreationDate\\(D:\\d+Z\\)"));
    return QString::fromLatin1(f.readAll()).remove(date).toLatin1();
}

CalculationSheet civilDefenceSheet() {
    wallcalc::WindowModel w;
    w.clickCivilDefence();
    w.select(wallcalc::List::Combo3, 1);
    w.type(wallcalc::Box::Text2, "-3.5");
    CalculationSheet sheet = sheetOf(w.pressCompute());
    sheet.date = "2024-05-01";
    sheet.name = "W1";
    sheet.project = {"滨江花园二期", "W1 地下一层", "张工", "李工", "王工"};
    return sheet;
}

}  // namespace

class PdfWriter : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;

  private slots:
    void initTestCase() { prepareSheetFaces(); }

    // One word drawn at a known place, laid out by Qt (QPainter::drawText) or handed to the
    // writer to set (paintText, as the sheet draws): it starts there and is as wide as Qt
    // measures it (kerning, faces for missing characters and a made bold included), at the
    // painter's scale, to half a device pixel (the writer's grid, 1/600 inch) and Qt's own
    // rounding.
    void textStandsWhereItWasMeasured_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<qreal>("scale");  // of the painter, as the figure scales its own units
        QTest::addColumn<bool>("setByWriter");
        for (const bool writer : {false, true}) {
            const char* how = writer ? ", set by the writer" : ", laid out by Qt";
            auto row = [&](const char* name) -> QTestData& {
                return QTest::newRow((std::string(name) + how).c_str());
            };
            row("Latin letters with kerned pairs") << "AVATAR.To" << false << 1.0 << writer;
            row("hanzi and digits") << "钢筋面积2602.286" << false << 1.0 << writer;
            row("characters from the faces for what the face lacks")
                << "Ⓐ轴𠀀外墙" << false << 1.0 << writer;
            row("a made bold") << "三、计算简图AV" << true << 1.0 << writer;
            row("in the figure's units, scaled") << "h1=-0.45" << false << 5.37 << writer;
        }
    }
    void textStandsWhereItWasMeasured() {
        QFETCH(QString, text);
        QFETCH(bool, bold);
        QFETCH(qreal, scale);
        QFETCH(bool, setByWriter);
        if (!popplerInstalled()) QSKIP("poppler-utils is not installed");
        QFont font = sheetFont(10, bold);
        font.setPixelSize(qRound(font.pixelSize() / scale));
        const QPointF at(1000.25 / scale, 2000.5 / scale);
        pdf::PdfDevice device(sheetFaces(), sheetPageLayout(), kDpi);
        QPainter painter(&device);
        painter.scale(scale, scale);
        painter.setFont(font);
        if (setByWriter) {
            paintText(painter, at, text);
        } else {
            painter.drawText(at, text);
        }
        QVERIFY(painter.end());
        std::string failure;
        const std::string bytes = device.finish("test", failure);
        QVERIFY(failure.empty());
        const QString path = dir_.filePath("word.pdf");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        file.close();

        // pdftotext may part the word where the face changes.
        QString read;
        qreal left = 1e9, right = -1e9;
        for (const PdfWord& w : pdfWords(path)) {
            read += w.text;
            left = std::min(left, w.box.left());
            right = std::max(right, w.box.right());
        }
        QCOMPARE(read, text);
        const qreal point = 72.0 / kDpi;  // a device pixel in points
        const QPointF origin = QPointF(sheetPageLayout().paintRectPixels(kDpi).topLeft()) * point;
        const qreal width = QFontMetricsF(font).horizontalAdvance(text) * scale * point;
        const qreal grid = point / 2;  // a text starts on a whole device pixel
        QVERIFY2(std::abs(left - (origin.x() + at.x() * scale * point)) < 0.01 + grid,
                 qPrintable(QString::number(left)));
        // Qt measures each advance to 1/64 of the font's pixel, cut short: a font of few
        // pixels scaled up (the figure's) is measured a little narrower than it is drawn.
        const qreal measuring = text.size() * scale / 64 * point;
        QVERIFY2(std::abs(right - left - width) < 0.01 + measuring + grid,
                 qPrintable(QString("%1 against %2").arg(right - left).arg(width)));
    }

    // The command line writes sheets on two threads at once: each file is the one a single
    // thread writes, byte for byte but for the moment it was made.
    void sheetsWrittenOnTwoThreadsAreThoseOfOne() {
        const CalculationSheet sheet = civilDefenceSheet();
        const QString alone = dir_.filePath("alone.pdf");
        QVERIFY(!writeSheetPdf(sheet, alone.toStdString()).failure);
        const QByteArray expected = withoutDate(alone);
        QVERIFY(expected.size() > 10000);
        constexpr int kSheets = 12;
        std::vector<bool> written(2 * kSheets, false);
        const auto write = [&](int thread) {
            for (int i = 0; i < kSheets; ++i) {
                const QString path = dir_.filePath(QString("t%1-%2.pdf").arg(thread).arg(i));
                written[static_cast<std::size_t>(thread * kSheets + i)] =
                    !writeSheetPdf(sheet, path.toStdString()).failure;
            }
        };
        std::thread first(write, 0), second(write, 1);
        first.join();
        second.join();
        for (int thread = 0; thread < 2; ++thread) {
            for (int i = 0; i < kSheets; ++i) {
                QVERIFY(written[static_cast<std::size_t>(thread * kSheets + i)]);
                QVERIFY(withoutDate(dir_.filePath(QString("t%1-%2.pdf").arg(thread).arg(i))) ==
                        expected);
            }
        }
    }

    // Numbers as PDF reads them: digits and a point, never an exponent, no trailing zeros.
    void numbersAreWrittenAsPdfReadsThem_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("written");
        QTest::newRow("a whole number") << 12.0 << 2 << "12";
        QTest::newRow("a half") << 0.5 << 2 << "0.5";
        QTest::newRow("a negative value") << -3.25 << 2 << "-3.25";
        QTest::newRow("rounded to the places asked") << 1234.56 << 1 << "1234.6";
        QTest::newRow("a small negative value rounded to zero") << -0.04 << 1 << "0";
        QTest::newRow("rounding that carries") << 0.999 << 2 << "1";
        QTest::newRow("a value printf writes with an exponent") << 1e-7 << 3 << "0";
        QTest::newRow("a large value") << 12345678.25 << 2 << "12345678.25";
        QTest::newRow("zeros after the point kept") << 2.05 << 2 << "2.05";
    }
    void numbersAreWrittenAsPdfReadsThem() {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, written);
        std::string out;
        pdf::appendNumber(out, value, decimals);
        QCOMPARE(QString::fromStdString(out), written);
    }
};

QTEST_MAIN(PdfWriter)
#include "tst_pdf_writer.moc"
