// The wall model's calculation sheet as a PDF: every section in its order, every row of
// the design table with its bars, the verdict and each failed check, the whole calculation,
// and on a wall that does not satisfy the codes the red band on every page. Read back with
// poppler-utils.
#include <QTemporaryDir>
#include <QtTest>

#include "pdf_tools.hpp"
#include "wallcalc/model/model_press.hpp"
#include "wallcalc/sheet/calculation_sheet.hpp"
#include "wallcalc/sheet/model_sheet_rendering.hpp"

using namespace wallcalc;
using namespace wallcalc::testing;

namespace {

// Three storeys that satisfy the codes; `thickness` of the lowest replaced.
model::WallModel threeStoreys(double lowest = 450) {
    model::WallModel m;
    m.ground = 0;
    m.water = -5;
    m.waterQuasi = -6;
    m.slabs = {0.3, -3.6, -7.2, -11.0};
    m.storeys = {{300, 50, 30, 0}, {350, 50, 30, 0}, {lowest, 50, 30, 0}};
    m.gammaSat = 20;
    m.concrete = "C30";
    m.steel = "HRB400";
    m.spacing = 150;
    m.mode = "ordinary";
    m.project.project = "三层地下室";
    return m;
}

QString q(const std::string& text) {
    return withoutBlanks(QString::fromStdString(text));
}

// A cell's text up to its bracket, after which a narrow column wraps it.
QString head(const std::string& text) {
    return q(text.substr(0, text.find("（")));
}

}  // namespace

Q_DECLARE_METATYPE(model::WallModel)

class ModelSheetPdf : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

  private slots:
    void everyPartInItsOrder_data() {
        QTest::addColumn<model::WallModel>("wall");
        QTest::addColumn<bool>("satisfied");
        QTest::newRow("three storeys that satisfy") << threeStoreys() << true;
        QTest::newRow("a lowest storey too thin for its shear") << threeStoreys(260) << false;
    }

    void everyPartInItsOrder() {
        if (!popplerInstalled()) QSKIP("poppler-utils are not installed");
        QFETCH(model::WallModel, wall);
        QFETCH(bool, satisfied);
        const model::ModelPress press = model::pressModel(wall);
        QVERIFY(press.completed());
        QCOMPARE(press.satisfied(), satisfied);
        sheet::ModelSheet s = sheet::modelSheetOf(wall, press);
        s.date = "2026-12-09";
        const QString file = dir_.filePath(QTest::currentDataTag()) + ".pdf";
        const sheet::SheetPdfWritten written = sheet::writeModelSheetPdf(s, file.toStdString());
        QVERIFY(!written.failure);
        QVERIFY(written.notWritten.empty());
        QVERIFY(qpdfFindsNoFault(file));

        // Laid out, so that the first printed line of each row holds its cells in order.
        const QString text = withoutBlanks(pdfText(file, true));
        // The parts in their order, then every row of the design table and every line of
        // the calculation, each after the one before it.
        QStringList wanted = {q(s.title),    q("三层地下室"),   q("2026-12-09"),
                              q("一、输入"), q("二、各层墙体"), q("三、计算简图"),
                              q("四、结论"), q(s.verdict.line)};
        for (const std::string& f : s.verdict.failures)
            wanted << q(f);
        wanted << q("五、截面设计");
        // The cells set as the calculation is (their units with them).
        const auto set = [&s](const std::string& cell) {
            return withoutBlanks(printedInLine(report::typesetText(cell, s.notation)));
        };
        for (const sheet::DesignRow& r : s.design)
            wanted << head(r.section) << set(r.force) << head(r.bars)
                   << q(r.ok ? "满足" : "不满足");
        wanted << q("六、计算过程");
        // Each line as the sheet sets it (× for *, kN/m³), where it reads back in order.
        for (const std::string& line : s.calculation) {
            const QString printed = printedInLine(report::typesetText(line, s.notation));
            if (!printed.isEmpty()) wanted << withoutBlanks(printed);
        }
        qsizetype at = 0;
        for (const QString& w : wanted) {
            const qsizetype found = text.indexOf(w, at);
            QVERIFY2(found >= 0, qPrintable("not found after the part before it: " + w + " in " +
                                            text.mid(at, 80)));
            at = found + w.size();
        }
        QVERIFY(s.design.size() >= 15);  // 5 rows or more in each storey

        const int pages = pdfPages(file);
        QVERIFY(pages >= 3);
        QCOMPARE(text.count(q(std::string(sheet::kNotSatisfiedBand))), satisfied ? 0 : pages);
    }
};

QTEST_MAIN(ModelSheetPdf)
#include "tst_model_sheet_pdf.moc"
