// The wall model's page through its real widgets: every golden model (the three-storey
// wall opened from its file and typed cell by cell) shows its golden answer's figures in
// the results table and its verdict in green or red; a cell that is not a number, or that
// a problem names, is marked and the last results stay, greyed; storeys are added and
// taken away within 1 … 5; a saved model reads back as it was; the window shows the page
// as its second tab, and either page's 退出 closes it.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <variant>

#include "form1.hpp"
#include "main_window.hpp"
#include "message_catcher.hpp"
#include "model_figure_view.hpp"
#include "model_results.hpp"
#include "model_window.hpp"
#include "scratch_settings.hpp"
#include "wallcalc/cli/model_json.hpp"
#include "window_under_test.hpp"

using wallcalc::app::ModelWindow;
using wallcalc::app::testing::widget;

namespace {

const QString kGolden = QStringLiteral(WALLCALC_MODEL_GOLDEN_DIR);

QJsonObject jsonFile(const QString& path, int line = 0) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) qFatal("cannot read %s", qPrintable(path));
    QList<QByteArray> lines = file.readAll().split('\n');
    lines.removeIf([](const QByteArray& l) { return l.trimmed().isEmpty() || l.startsWith('#'); });
    // A model file is one object over several lines; a .jsonl file one object a line.
    const QByteArray text =
        path.endsWith(QLatin1String(".jsonl")) ? lines.at(line) : lines.join('\n');
    return QJsonDocument::fromJson(text).object();
}

// The three-storey golden wall's file (the first of the golden models).
QString goldenModelPath() {
    return kGolden + "/three_storeys.json";
}

// The two-storey golden panel's files: the model, its answer and its calculation text.
QString panelPath(const QString& name, const QString& ending = ".json") {
    return kGolden + "/" + name + ending;
}

QString numberText(const QJsonValue& v) {
    return QString::number(v.toDouble(), 'g', 15);
}

}  // namespace

class ModelPage : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<ModelWindow> page_;

    template <typename W>
    W* get(const QString& name) {
        return widget<W>(*page_, name);
    }
    QTableWidget* results() { return get<QTableWidget>("ModelResults"); }
    QTableWidget* storeys() { return get<QTableWidget>("StoreyTable"); }
    // The results' row of a figure as the model's answer names it ("waterFaceTop.M").
    int resultRow(const QString& key) {
        for (int r = 0; r < results()->rowCount(); ++r) {
            if (results()->verticalHeaderItem(r)->data(Qt::UserRole).toString() == key) return r;
        }
        qFatal("no result row %s", qPrintable(key));
    }
    QTableWidgetItem* result(const QString& key, int storey) {
        QTableWidgetItem* item = results()->item(resultRow(key), storey);
        if (item == nullptr) qFatal("no result %s of storey %d", qPrintable(key), storey);
        return item;
    }
    bool resultsGrey() {
        const QColor grey = results()->palette().color(QPalette::Disabled, QPalette::Text);
        for (int r = 0; r < results()->rowCount(); ++r) {
            for (int c = 0; c < results()->columnCount(); ++c) {
                if (results()->item(r, c)->foreground().color() != grey) return false;
            }
        }
        return results()->columnCount() > 0;
    }
    void typeInto(const QString& name, const QString& text) {
        auto* edit = get<QLineEdit>(name);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    void typeCell(int row, int column, const QString& text) {
        storeys()->item(row, column)->setText(text);
    }
    int storeyColumn(const QString& key) {
        for (int c = 0; c < storeys()->columnCount(); ++c) {
            if (storeys()->horizontalHeaderItem(c)->text().startsWith(key)) return c;
        }
        qFatal("no storey column %s", qPrintable(key));
    }
    // A golden wall typed cell by cell into a new page, from its file's values (its panel
    // too, where it has one).
    void typeGoldenModel(const QString& path = goldenModelPath()) {
        const QJsonObject m = jsonFile(path);
        for (const QString key : {"ground", "water", "waterQuasi", "gamma", "gammaSat", "gammaW",
                                  "K0", "surcharge", "spacing", "limit"})
            typeInto(key, numberText(m[key]));
        for (const QString key : {"top", "base", "concrete", "steel", "mode"}) {
            auto* combo = get<QComboBox>(key);
            combo->setCurrentIndex(combo->findData(m[key].toString()));
        }
        const QJsonArray slabs = m["slabs"].toArray();
        const QJsonArray walls = m["storeys"].toArray();
        while (storeys()->rowCount() < slabs.size())
            get<QPushButton>("AddStorey")->click();
        for (int r = 0; r < slabs.size(); ++r)
            typeCell(r, 0, numberText(slabs[r]));
        const QStringList columns = {"墙厚", "迎水面保护层", "背水面保护层", "人防等效静荷载"};
        const QStringList keys = {"thickness", "c1", "c2", "qrf"};
        for (int r = 0; r < walls.size(); ++r) {
            for (int k = 0; k < keys.size(); ++k)
                typeCell(r, storeyColumn(columns[k]), numberText(walls[r].toObject()[keys[k]]));
        }
        if (!m.contains("panel")) return;
        const QJsonObject panel = m["panel"].toObject();
        get<QAbstractButton>("panel")->click();
        typeInto("panel.width", numberText(panel["width"]));
        for (const QString side : {"left", "right"}) {
            auto* combo = get<QComboBox>("panel." + side);
            combo->setCurrentIndex(combo->findData(panel[side].toString()));
        }
    }
    // A face's figures in the results against the golden answer's (a dash where the face is
    // not in tension).
    void compareFace(const QJsonObject& storey, const QString& face, int s) {
        const QJsonValue f = storey[face];
        if (f.isNull()) {
            QCOMPARE(result(face + ".M", s)->text(), QStringLiteral("—"));
            return;
        }
        QCOMPARE(result(face + ".M", s)->text().toDouble(), f["M"].toDouble());
        QCOMPARE(result(face + ".bars", s)->text(), f["bars"].toString());
        if (f["w"].isNull())
            QCOMPARE(result(face + ".w", s)->text(), QStringLiteral("—"));
        else
            QCOMPARE(result(face + ".w", s)->text().toDouble(), f["w"].toDouble());
    }

  private slots:
    void initTestCase() { wallcalc::app::testing::useScratchSettings(); }
    void init() {
        page_ = std::make_unique<ModelWindow>();
        page_->show();
        QVERIFY(QTest::qWaitForWindowExposed(page_.get()));
    }
    void cleanup() { page_.reset(); }

    // Each golden model, shown on the page, gives its golden answer's figures in the
    // results table, and its verdict in green or red.
    void goldenFigures_data() {
        QTest::addColumn<int>("line");  // of the models and of their answers
        QTest::addColumn<QString>("entry");
        QTest::newRow("three storeys, opened from its file") << 0 << "file";
        QTest::newRow("three storeys, typed cell by cell") << 0 << "typed";
        QTest::newRow("three storeys in civil-defence works") << 1 << "model";
        QTest::newRow("two storeys fixed at the top, water above the ground") << 2 << "model";
        QTest::newRow("a cantilever wall above the ground") << 3 << "model";
        QTest::newRow("a 200 mm wall that does not satisfy") << 4 << "model";
        QTest::newRow("a wall no bar of the list can carry") << 5 << "model";
    }
    void goldenFigures() {
        QFETCH(int, line);
        QFETCH(QString, entry);
        if (entry == "typed") {
            typeGoldenModel();
        } else if (entry == "file") {
            QVERIFY(page_->openModelFile(goldenModelPath()));
        } else {
            const QJsonObject m = jsonFile(kGolden + "/models.jsonl", line);
            const auto read = wallcalc::cli::readModelText(
                QJsonDocument(m).toJson(QJsonDocument::Compact).toStdString());
            QVERIFY(std::holds_alternative<wallcalc::model::WallModel>(read));
            page_->showModel(std::get<wallcalc::model::WallModel>(read));
        }
        QVERIFY(!page_->stale());
        const QJsonObject answer = jsonFile(kGolden + "/models.expected.jsonl", line);
        const QJsonArray storeys = answer["design"].toObject()["storeys"].toArray();
        QCOMPARE(results()->columnCount(), storeys.size());
        for (int s = 0; s < storeys.size(); ++s) {
            const QJsonObject storey = storeys[s].toObject();
            for (const QString face : {"waterFaceTop", "innerFace", "waterFaceBottom"}) {
                const QJsonValue f = storey[face];
                if (f.isNull()) {
                    QCOMPARE(result(face + ".M", s)->text(), QStringLiteral("—"));
                    continue;
                }
                // The moment of the governing design, marked （人防） or （平时） in
                // civil-defence works.
                const QString M =
                    result(face + ".M", s)->text().section(QStringLiteral("（"), 0, 0);
                QCOMPARE(M.toDouble(), f["M"].toDouble());
                const QString bars = f["bars"].isNull() ? "无可选钢筋" : f["bars"].toString();
                QCOMPARE(result(face + ".bars", s)->text(), bars);
                if (f["w"].isNull())
                    QCOMPARE(result(face + ".w", s)->text(), QStringLiteral("—"));
                else
                    QCOMPARE(result(face + ".w", s)->text().toDouble(), f["w"].toDouble());
            }
            for (const QString support : {"shearTop", "shearBottom"}) {
                for (const QString figure : {"V", "Vc"}) {
                    QCOMPARE(result(support + "." + figure, s)->text().toDouble(),
                             storey[support][figure].toDouble());
                }
            }
            QCOMPARE(result("horizontal.bars", s)->text(), storey["horizontal"]["bars"].toString());
        }
        // The wall's verdict, and each storey's in its colour.
        const bool ok = answer["verdict"].toObject()["ok"].toBool();
        const QString verdict = get<QLabel>("ModelVerdict")->text();
        QVERIFY2(ok ? verdict == "结论：满足" : verdict.startsWith("结论：不满足（"),
                 qPrintable(verdict));
        bool storeyFails = false;
        for (int s = 0; s < storeys.size(); ++s) {
            const QTableWidgetItem* v = result("verdict", s);
            const bool holds = v->text() == "满足";
            QVERIFY2(holds || v->text().startsWith("不满足（"), qPrintable(v->text()));
            QCOMPARE(v->foreground().color(),
                     QColor::fromRgb(holds ? wallcalc::app::kSatisfiedColour
                                           : wallcalc::app::kFailedColour));
            storeyFails = storeyFails || !holds;
        }
        if (ok) QVERIFY(!storeyFails);
        QVERIFY(get<QLabel>("ModelProblems")->isHidden());
        if (line == 0) {
            // The calculation text is the golden text.
            QFile text(kGolden + "/three_storeys.text.expected.txt");
            QVERIFY(text.open(QIODevice::ReadOnly));
            QCOMPARE(get<QPlainTextEdit>("ModelText")->toPlainText(),
                     QString::fromUtf8(text.readAll()));
        }
    }

    // A two-way golden panel on the page gives its golden answer: every face both ways,
    // the shears, each edge's reaction, the calculation text, and its moments on the figure.
    void panelGoldenFigures_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("typed");
        QTest::newRow("two-storey panel, opened from its file") << "two_storey_panel" << false;
        QTest::newRow("two-storey panel, typed on the page") << "two_storey_panel" << true;
        QTest::newRow("the panel under its permanent loads, opened")
            << "two_storey_panel_permanent" << false;
    }
    void panelGoldenFigures() {
        QFETCH(QString, name);
        QFETCH(bool, typed);
        if (typed)
            typeGoldenModel(panelPath(name));
        else
            QVERIFY(page_->openModelFile(panelPath(name)));
        QVERIFY(!page_->stale());
        QVERIFY(get<QAbstractButton>("panel")->isChecked());
        const QJsonObject answer = jsonFile(panelPath(name, ".expected.json"));
        const QJsonArray design = answer["design"].toObject()["storeys"].toArray();
        const QJsonArray analysis = answer["analysis"].toObject()["storeys"].toArray();
        QCOMPARE(results()->columnCount(), design.size());
        QVERIFY(!results()->isRowHidden(resultRow("horizontalSupport.M")));
        QStringList governing;
        for (int s = 0; s < design.size(); ++s) {
            const QJsonObject storey = design[s].toObject();
            for (const QString face : {"waterFaceTop", "innerFace", "waterFaceBottom",
                                       "horizontalSupport", "horizontalSpan"})
                compareFace(storey, face, s);
            for (const QString support : {"shearTop", "shearBottom", "shearSide"}) {
                for (const QString figure : {"V", "Vc"}) {
                    QCOMPARE(result(support + "." + figure, s)->text().toDouble(),
                             storey[support][figure].toDouble());
                }
            }
            const QJsonObject plate = analysis[s].toObject();
            for (const QString edge : {"top", "bottom", "left", "right"}) {
                QCOMPARE(result("reactions." + edge, s)->text().toDouble(),
                         plate["reactions"][edge].toDouble());
            }
            for (const QString way : {"vertical", "horizontal"}) {
                for (const QJsonValue m : plate[way].toObject()) {
                    if (m.isObject() && m["M"].toDouble() != 0)
                        governing << QString::number(m["M"].toDouble(), 'f', 3);
                }
            }
        }
        QFile text(panelPath(name, ".text.expected.txt"));
        QVERIFY(text.open(QIODevice::ReadOnly));
        QCOMPARE(get<QPlainTextEdit>("ModelText")->toPlainText(),
                 QString::fromUtf8(text.readAll()));
        // Every governing moment other than a pinned edge's zero is written on the figure.
        QStringList written;
        for (const auto& l : get<wallcalc::app::ModelFigureView>("ModelFigure")->drawing().labels)
            written << QString::fromStdString(l.text);
        for (const QString& M : governing)
            QVERIFY2(written.contains(M), qPrintable(M));
    }

    // A wall without a panel shows none of the panel's rows.
    void oneWayWallHidesPanelRows() {
        QVERIFY(page_->openModelFile(goldenModelPath()));
        QVERIFY(!get<QAbstractButton>("panel")->isChecked());
        QVERIFY(!get<QLineEdit>("panel.width")->isEnabled());
        for (const QString key : {"horizontalSupport.M", "shearSide.V", "reactions.left"})
            QVERIFY(results()->isRowHidden(resultRow(key)));
    }

    // A wrong panel: the field the problem names is marked with its message, nothing is
    // computed (the last results stay, greyed), and put right it computes again.
    void wrongPanelMarked_data() {
        QTest::addColumn<QString>("field");  // typed into, or chosen
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("marked");  // the field the problem names
        QTest::addColumn<QString>("named");
        QTest::newRow("width zero") << "panel.width"
                                    << "0"
                                    << "panel.width"
                                    << "panel.width（";
        QTest::newRow("width not a number") << "panel.width"
                                            << "6m"
                                            << "panel.width"
                                            << "panel.width（";
        // One storey free at both sides over a pinned base: a free top lets it turn about
        // its base.
        QTest::newRow("a mechanism: sides and top free over a pinned base") << "top"
                                                                            << "free"
                                                                            << "base"
                                                                            << "可变体系";
    }
    void wrongPanelMarked() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, marked);
        QFETCH(QString, named);
        QVERIFY(page_->openModelFile(panelPath("two_storey_panel")));
        const auto choose = [this](const QString& key, const QString& name) {
            auto* combo = get<QComboBox>(key);
            combo->setCurrentIndex(combo->findData(name));
        };
        const bool chosen = field == "top";
        if (chosen) {
            choose("panel.left", "free");
            choose("panel.right", "free");
            get<QPushButton>("RemoveStorey")->click();
            choose("base", "pinned");
        }
        QVERIFY(!page_->stale());
        const QString before = result("horizontalSpan.M", 0)->text();
        if (chosen)
            choose(field, text);
        else
            typeInto(field, text);
        QVERIFY(page_->stale());
        QVERIFY(resultsGrey());
        QCOMPARE(result("horizontalSpan.M", 0)->text(), before);
        const QString mark = get<QWidget>(marked)->property("problem").toString();
        QVERIFY2(mark.contains(named), qPrintable(mark));
        QVERIFY(get<QLabel>("ModelProblems")->text().contains(named));
        if (chosen)
            choose(field, "pinned");
        else
            typeInto(field, "6");
        QVERIFY(!page_->stale());
        QVERIFY(get<QWidget>(marked)->property("problem").toString().isEmpty());
    }

    // A wrong cell: marked with its message, the results of the last inputs kept and
    // greyed; put right, the results are current again.
    void wrongCellKeepsResultsGreyed_data() {
        QTest::addColumn<QString>("field");  // a field's name, or "row,column" of the storeys
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("named");  // what the problem line names
        QTest::newRow("ground not a number") << "ground"
                                             << "abc"
                                             << "ground（";
        // Typed from its first character wrong (the letter l for the digit 1), so that no
        // partial text computes before it.
        QTest::newRow("spacing not a number") << "spacing"
                                              << "l50"
                                              << "spacing（";
        QTest::newRow("slab elevation not a number") << "2,0"
                                                     << "-7.2m"
                                                     << "slabs[2]（";
        QTest::newRow("thickness not a number") << "1,1"
                                                << "3oo"
                                                << "storeys[1].thickness（";
        QTest::newRow("slab above the one over it") << "2,0"
                                                    << "0.5"
                                                    << "slabs[2]（";
        QTest::newRow("wall no thicker than its covers") << "0,1"
                                                         << "80"
                                                         << "storeys[0].thickness（";
        QTest::newRow("required value taken away") << "water"
                                                   << ""
                                                   << "water（";
    }
    void wrongCellKeepsResultsGreyed() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, named);
        QVERIFY(page_->openModelFile(goldenModelPath()));
        const QString before = result("waterFaceBottom.bars", 2)->text();
        const bool inTable = field.contains(QLatin1Char(','));
        const int row = field.section(',', 0, 0).toInt();
        const int column = field.section(',', 1, 1).toInt();
        QString original;
        if (inTable) {
            original = storeys()->item(row, column)->text();
            typeCell(row, column, text);
        } else {
            original = get<QLineEdit>(field)->text();
            typeInto(field, text);
        }
        QVERIFY(page_->stale());
        QVERIFY(resultsGrey());
        QCOMPARE(result("waterFaceBottom.bars", 2)->text(), before);
        QVERIFY(!get<QLabel>("ModelVerdict")->isEnabled());
        QVERIFY(get<QLabel>("ModelProblems")->text().contains(named));
        const QString mark = inTable ? storeys()->item(row, column)->toolTip()
                                     : get<QLineEdit>(field)->property("problem").toString();
        QVERIFY2(mark.startsWith(named), qPrintable(mark));
        if (inTable) QVERIFY(storeys()->item(row, column)->background().style() != Qt::NoBrush);

        if (inTable)
            typeCell(row, column, original);
        else
            typeInto(field, original);
        QVERIFY(!page_->stale());
        QVERIFY(!resultsGrey());
        QVERIFY(get<QLabel>("ModelVerdict")->isEnabled());
        const QString cleared = inTable ? storeys()->item(row, column)->toolTip()
                                        : get<QLineEdit>(field)->property("problem").toString();
        QVERIFY(cleared.isEmpty());
    }

    // Storeys added below and taken away from the bottom, 1 … 5, the results following.
    void storeyRows_data() {
        QTest::addColumn<int>("adds");  // negative: taken away
        QTest::addColumn<int>("storeys");
        QTest::addColumn<QString>("baseSlab");
        QTest::newRow("one added, as high as the lowest") << 1 << 4 << "-14.8";
        QTest::newRow("two added, the fifth the last") << 2 << 5 << "-18.6";
        QTest::newRow("three added, no sixth") << 3 << 5 << "-18.6";
        QTest::newRow("one taken away, base at its top") << -1 << 2 << "-7.2";
        QTest::newRow("all but one taken away") << -5 << 1 << "-3.6";
    }
    void storeyRows() {
        QFETCH(int, adds);
        QFETCH(int, storeys);
        QFETCH(QString, baseSlab);
        QVERIFY(page_->openModelFile(goldenModelPath()));
        auto* add = get<QPushButton>("AddStorey");
        auto* remove = get<QPushButton>("RemoveStorey");
        for (int i = 0; i < std::abs(adds); ++i)
            (adds > 0 ? add : remove)->click();
        QCOMPARE(this->storeys()->rowCount(), storeys + 1);  // and the base slab's row
        QCOMPARE(this->storeys()->item(storeys, 0)->text(), baseSlab);
        QCOMPARE(static_cast<int>(page_->model().storeyCount()), storeys);
        QCOMPARE(add->isEnabled(), storeys < 5);
        QCOMPARE(remove->isEnabled(), storeys > 1);
        QVERIFY(!page_->stale());
        QCOMPARE(results()->columnCount(), storeys);
    }

    // A file whose slab and storey lists disagree: every value it holds in a cell, the
    // problem named, nothing computed.
    void fileWithListsThatDisagree_data() {
        QTest::addColumn<QString>("slabs");
        QTest::addColumn<int>("rows");  // storeys shown
        QTest::newRow("a slab too few") << "[0.3, -3.6, -7.2]" << 3;
        QTest::newRow("a slab too many") << "[0.3, -3.6, -7.2, -11.0, -14.0]" << 4;
    }
    void fileWithListsThatDisagree() {
        QFETCH(QString, slabs);
        QFETCH(int, rows);
        QJsonObject m = jsonFile(goldenModelPath());
        const QJsonArray given = QJsonDocument::fromJson(slabs.toUtf8()).array();
        m["slabs"] = given;
        QTemporaryDir dir;
        QFile file(dir.filePath("disagree.json"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QJsonDocument(m).toJson());
        file.close();
        QVERIFY(page_->openModelFile(file.fileName()));
        QCOMPARE(storeys()->rowCount(), rows + 1);
        for (int r = 0; r < given.size(); ++r)
            QCOMPARE(storeys()->item(r, 0)->text().toDouble(), given[r].toDouble());
        QVERIFY(page_->lastPress() == nullptr);
        QVERIFY(!get<QLabel>("ModelProblems")->text().isEmpty());
    }

    void savedModelReadsBack_data() {
        QTest::addColumn<QString>("opened");
        QTest::newRow("three storeys, one added") << goldenModelPath();
        QTest::newRow("a two-way panel, one storey added") << panelPath("two_storey_panel");
    }
    void savedModelReadsBack() {
        QFETCH(QString, opened);
        QVERIFY(page_->openModelFile(opened));
        get<QPushButton>("AddStorey")->click();
        // Typed as an input method gives it: the whole text at once.
        get<QLineEdit>("project.project")->setText(QStringLiteral("滨江花园地下车库"));
        const wallcalc::model::WallModel shown = page_->model();
        QTemporaryDir dir;
        const QString path = dir.filePath("four.json");
        QVERIFY(page_->saveModelFile(path));
        QVERIFY(!page_->modified());
        ModelWindow other;
        QVERIFY(other.openModelFile(path));
        QVERIFY(other.model() == shown);
        QCOMPARE(other.model().panel.has_value(), QFileInfo(opened).fileName().contains("panel"));
        QCOMPARE(other.lastPress()->design->verdict.line(),
                 page_->lastPress()->design->verdict.line());
    }

    void sheetExportedAsPdf() {
        QVERIFY(page_->openModelFile(goldenModelPath()));
        QTemporaryDir dir;
        const QString path = dir.filePath("three.pdf");
        QVERIFY(page_->exportSheetTo(path, QDate(2026, 12, 9)));
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        QVERIFY(pdf.size() > 10000);  // pages with the figure and the text, not an empty file
    }

    // Closing the window with a model changed since it was opened asks once about it.
    void closingAsksAboutAChangedModel_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("closed");
        QTest::newRow("不保存 closes") << "不保存" << true;
        QTest::newRow("取消 keeps the window open") << "取消" << false;
    }
    void closingAsksAboutAChangedModel() {
        QFETCH(QString, answer);
        QFETCH(bool, closed);
        wallcalc::app::MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.modelPage().openModelFile(goldenModelPath()));
        widget<QLineEdit>(window.modelPage(), "ground")->setText("0.1");
        QVERIFY(window.modelPage().modified());
        wallcalc::app::testing::MessageCatcher catcher({answer});
        window.close();
        QCOMPARE(catcher.seen().size(), 1);
        QVERIFY(catcher.seen().front().text.contains("three_storeys.json"));
        QCOMPARE(!window.isVisible(), closed);
    }

    // Both pages have 文件 menus with the same shortcuts: only the shown page's answer.
    void shortcutsGoToTheShownPage() {
        wallcalc::app::MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.pages().setCurrentIndex(1);
        QVERIFY(window.modelPage().openModelFile(goldenModelPath()));
        QCOMPARE(window.modelPage().model().storeyCount(), std::size_t{3});
        QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);  // 新建模型
        QCOMPARE(window.modelPage().model().storeyCount(), std::size_t{1});
        QVERIFY(window.modelPage().modelFile().isEmpty());
    }

    void windowShowsThePageAsSecondTab() {
        wallcalc::app::MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTabWidget& pages = window.pages();
        QCOMPARE(pages.count(), 2);
        QCOMPARE(pages.widget(0), static_cast<QWidget*>(&window.form1()));
        QCOMPARE(pages.tabText(1), QStringLiteral("墙体模型"));
        QCOMPARE(window.windowTitle(), window.form1().windowTitle());
        pages.setCurrentIndex(1);
        QCOMPARE(window.windowTitle(), window.modelPage().windowTitle());
    }

    // Either page's 退出 closes the program's window, not only its own page.
    void exitOfEitherPageClosesTheWindow_data() {
        QTest::addColumn<QString>("exit");
        QTest::newRow("the first page's 退出 button") << "Command3";
        QTest::newRow("the model page's 退出 menu item") << "actionModelExit";
    }
    void exitOfEitherPageClosesTheWindow() {
        QFETCH(QString, exit);
        wallcalc::app::MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (auto* button = window.findChild<QAbstractButton*>(exit))
            QTest::mouseClick(button, Qt::LeftButton);
        else
            widget<QAction>(window, exit)->trigger();
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(ModelPage)
#include "tst_model_page.moc"
