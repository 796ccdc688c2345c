// Form1 as it opens: the controls, their defaults, lists and places, labels that show
// whole, nothing overlapping, and Tab in screen order; a larger window gives its room to
// the panels and leaves the controls where they are, a smaller one scrolls.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOptionFrame>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QtTest>
#include <memory>

#include "checks_panel.hpp"
#include "form1.hpp"
#include "form1_controls.hpp"
#include "line_breaks.hpp"
#include "scratch_settings.hpp"
#include "wall_figure.hpp"
#include "wallcalc/engine/checks.hpp"
#include "wallcalc/engine/controls.hpp"
#include "window_under_test.hpp"

using wallcalc::Box;
using wallcalc::app::Form1;

namespace {

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// The client-area rectangle of a widget, in pixels.
QRect onClient(const QWidget* w, const QWidget* client) {
    return QRect(w->mapTo(client, QPoint(0, 0)), w->size());
}

// The controls of the control table, which keep their places at every size of the window.
const QStringList kSpecified = {
    "Combo1", "Combo2",   "Combo3",   "Frame1",   "Frame5",       "Text4",       "Text13",
    "Text17", "Text14",   "Text15",   "Text5",    "Text10",       "Text8",       "Frame2",
    "Frame3", "Command1", "Command2", "Command3", "Label_Combo1", "Label_Text4", "Label_Text8"};
// The panels that grow.
const QStringList kPanels = {"WallFigure", "Text12", "TextChecks"};

}  // namespace

class Form1Layout : public QObject, private wallcalc::app::testing::WindowUnderTest {
    Q_OBJECT

  private:
    QWidget* client() { return get<QWidget>("client"); }
    QScrollArea* scroll() { return get<QScrollArea>("scrollArea"); }
    QMap<QString, QRect> places(const QStringList& names) {
        QMap<QString, QRect> out;
        for (const QString& name : names)
            out[name] = onClient(get<QWidget>(name), client());
        return out;
    }

  private slots:
    // The window opens on the settings of a machine where it never ran.
    void initTestCase() { wallcalc::app::testing::useScratchSettings(); }
    void init() { QVERIFY(open()); }
    void cleanup() { form_.reset(); }

    void openingState() {
        QCOMPARE(form_->X(), 20);
        for (std::size_t i = 0; i < wallcalc::kBoxCount; ++i) {
            const auto b = static_cast<Box>(i);
            if (b == Box::Text12) continue;
            auto* edit = get<QLineEdit>(qs(wallcalc::boxName(b)));
            QCOMPARE(edit->text(), qs(wallcalc::boxDefault(b)));
            // The civil-defence load waits for "人防", the 2010 factors for their basis.
            const bool waits = b == Box::Text20 || b == Box::Text21 || b == Box::Text22 ||
                               b == Box::Text23 || b == Box::Text24;
            QCOMPARE(edit->isEnabled(), !waits);
        }
        QCOMPARE(get<QLineEdit>("Text20")->text(), QString("0"));
        QCOMPARE(get<QPlainTextEdit>("Text12")->toPlainText(),
                 QString("您可以在此处看到计算的全过程"));
        QVERIFY(!get<QRadioButton>("Option1_0")->isChecked());
        QVERIFY(!get<QRadioButton>("Option1_1")->isChecked());
        QCOMPARE(get<QRadioButton>("Option1_0")->text(), QString("人防"));
        QCOMPARE(get<QRadioButton>("Option1_1")->text(), QString("非人防"));
        QCOMPARE(get<QPushButton>("Command1")->text(), QString("计算"));
        QCOMPARE(get<QPushButton>("Command2")->text(), QString("帮助"));
        QCOMPARE(get<QPushButton>("Command3")->text(), QString("退出"));
        QVERIFY(form_->windowTitle().contains("地下室外墙"));
    }

    void lists_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("Combo1") << "Combo1"
                                << QStringList{"C15", "C20", "C25", "C30", "C35", "C40", "C45",
                                               "C50", "C55", "C60", "C65", "C70", "C75", "C80"};
        QTest::newRow("Combo2") << "Combo2"
                                << QStringList{"Ⅰ级(HPB235)", "Ⅱ级(HRB335)", "Ⅲ级(HRB400)",
                                               "Ⅳ级(RRB400)"};
        QTest::newRow("Combo3") << "Combo3" << QStringList{"情况A", "情况B", "情况C"};
    }
    void lists() {
        QFETCH(QString, name);
        QFETCH(QStringList, items);
        auto* combo = get<QComboBox>(name);
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i)
            shown << combo->itemText(i);
        QCOMPARE(shown, items);
        QCOMPARE(combo->currentIndex(), 0);
    }

    // Places from the control table, in twips relative to the parent (15 to a pixel).
    void placesAtTheSpecifiedSize_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        const struct {
            const char* name;
            QRect rect;
        } rows[] = {
            {"Frame1", {240, 2040, 2175, 1695}},   {"Text1", {960, 240, 855, 285}},
            {"Text16", {960, 1320, 855, 285}},     {"Frame5", {2640, 2040, 1095, 1695}},
            {"Option1_0", {120, 240, 735, 255}},   {"Text20", {120, 960, 855, 285}},
            {"Option1_1", {120, 1320, 915, 255}},  // 60 twips wider: focus frame
            {"Text4", {2640, 3960, 1095, 285}},    {"Text13", {2640, 4320, 1095, 285}},
            {"Text17", {2640, 4680, 1095, 285}},   {"Text15", {2640, 5040, 1095, 405}},
            {"Text5", {1920, 5760, 855, 285}},     {"Text10", {1920, 6240, 855, 285}},
            {"Text8", {1920, 6720, 855, 285}},     {"Text12", {3120, 5640, 6975, 5415}},
            {"Command1", {240, 10560, 855, 495}},  {"Command2", {1200, 10560, 855, 495}},
            {"Command3", {2160, 10560, 855, 495}},
        };
        for (const auto& r : rows)
            QTest::newRow(r.name) << QString(r.name) << r.rect;
    }
    void placesAtTheSpecifiedSize() {
        QFETCH(QString, name);
        QCOMPARE(client()->size(), wallcalc::app::clientSize());
        QFETCH(QRect, twips);
        auto* w = get<QWidget>(name);
        const QRect px(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15);
        QCOMPARE(w->geometry(), px);
    }

    // Every control lies inside the client area and inside its frame, and no two
    // controls on the same parent overlap: as the window opens, and with the results
    // stale, when the line that says so shows.
    void nothingOverlaps_data() {
        QTest::addColumn<bool>("stale");
        QTest::newRow("as opened") << false;
        QTest::newRow("results stale") << true;
    }
    void nothingOverlaps() {
        QFETCH(bool, stale);
        if (stale) {
            QTest::mouseClick(get<QRadioButton>("Option1_1"), Qt::LeftButton);
            get<QPushButton>("Command1")->click();
            get<QLineEdit>("Text4")->setText("400");
            QVERIFY(get<QWidget>("StaleNote")->isVisible());
        }
        const QRect area(QPoint(0, 0), client()->size());
        QList<QWidget*> parents{client()};
        for (auto* frame : client()->findChildren<QGroupBox*>())
            parents << frame;
        for (QWidget* parent : parents) {
            const auto children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            for (QWidget* w : children) {
                if (!w->isVisible() || w->objectName().isEmpty()) continue;
                QVERIFY2(area.contains(onClient(w, client())), qPrintable(w->objectName()));
                QVERIFY2(QRect(QPoint(0, 0), parent->size()).contains(w->geometry()),
                         qPrintable(w->objectName()));
                for (QWidget* other : children) {
                    if (other == w || !other->isVisible() || other->objectName().isEmpty())
                        continue;
                    QVERIFY2(!w->geometry().intersects(other->geometry()),
                             qPrintable(w->objectName() + " overlaps " + other->objectName()));
                }
            }
        }
        // The figure stands right of the inputs and above the calculation text.
        const QRect figure = get<QWidget>("WallFigure")->geometry();
        QVERIFY(figure.left() > get<QWidget>("Frame5")->geometry().right());
        QVERIFY(figure.bottom() < get<QWidget>("Text12")->geometry().top());
        QVERIFY(figure.width() > 300 && figure.height() > 250);
    }

    // Labels, captions and list items show whole in the window's font.
    void textsShowWhole() {
        for (QLabel* label : client()->findChildren<QLabel*>()) {
            const QRect need = label->fontMetrics().boundingRect(
                label->contentsRect(), int(label->alignment()), label->text());
            QVERIFY2(label->contentsRect().contains(need), qPrintable(label->text()));
        }
        for (auto* option : client()->findChildren<QRadioButton*>()) {
            QVERIFY2(option->sizeHint().width() <= option->width(), qPrintable(option->text()));
        }
        for (auto* button : client()->findChildren<QPushButton*>()) {
            const int text = button->fontMetrics().horizontalAdvance(button->text());
            QVERIFY2(text + 12 <= button->width(), qPrintable(button->text()));
        }
        for (auto* combo : client()->findChildren<QComboBox*>()) {
            QVERIFY2(combo->sizeHint().width() <= combo->width(), qPrintable(combo->objectName()));
        }
        // A result box shows a steel area of four digits and three decimals.
        for (const char* name : {"Text6", "Text7", "Text9", "Text11"}) {
            auto* edit = get<QLineEdit>(name);
            QStyleOptionFrame option;
            option.initFrom(edit);
            option.lineWidth =
                edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
            const QRect contents =
                edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
            const int room = contents.width() - 2 * 2;  // QLineEdit's own margin of 2 pixels
            QVERIFY2(edit->fontMetrics().horizontalAdvance("3463.606") <= room, name);
        }
    }

    void labelsBesideTheirBoxes() {
        for (std::size_t i = 0; i < wallcalc::kBoxCount; ++i) {
            const auto b = static_cast<Box>(i);
            if (b == Box::Text12) continue;
            const QString name = qs(wallcalc::boxName(b));
            auto* label = get<QLabel>("Label_" + name);
            QCOMPARE(label->text().remove('\n'), qs(wallcalc::boxLabel(b)));
            QCOMPARE(label->buddy(), get<QWidget>(name));
        }
    }

    // Tab visits the inputs in screen order and passes over the result boxes, which the
    // engineer reads but does not type into. The two options are one stop, as on every
    // desktop: Tab lands on the one clicked last ("人防" while neither is), the arrow keys
    // move between them; Text20 is a stop only while it is enabled.
    void tabFollowsTheScreen_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("group");
        QTest::newRow("as opened") << "" << QStringList{"Option1_0"};
        QTest::newRow("人防") << "Option1_0" << QStringList{"Option1_0", "Text20"};
        QTest::newRow("非人防") << "Option1_1" << QStringList{"Option1_1"};
    }
    void tabFollowsTheScreen() {
        QFETCH(QString, option);
        QFETCH(QStringList, group);
        QApplication::setActiveWindow(form_.get());
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        if (!option.isEmpty()) QTest::mouseClick(get<QRadioButton>(option), Qt::LeftButton);
        const QStringList expected =
            QStringList{"Combo1", "Combo2", "Combo3", "Text1", "Text2", "Text3", "Text16"} + group +
            QStringList{"Text4",    "Text13", "Text17", "Text14",     "Text15",
                        "Text5",    "Text10", "Text8",  "Command1",   "Command2",
                        "Command3", "Text12", "Combo4", "TextChecks", "Combo1"};
        get<QWidget>("Combo1")->setFocus(Qt::TabFocusReason);
        QStringList visited{QApplication::focusWidget()->objectName()};
        while (visited.size() < expected.size()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, expected);
    }

    // A larger window: the controls of the control table stay where they are, and the
    // figure, Text12 and the supplementary design take the room, side by side, without
    // overlapping.
    void growsWithTheWindow_data() {
        QTest::addColumn<QSize>("window");
        QTest::newRow("1200×1000, as the issue tried") << QSize(1200, 1000);
        QTest::newRow("wider only") << QSize(1700, 800);
        QTest::newRow("taller only") << QSize(1020, 1300);
        QTest::newRow("a full HD screen") << QSize(1920, 1040);
    }
    void growsWithTheWindow() {
        QFETCH(QSize, window);
        const QMap<QString, QRect> controlsBefore = places(kSpecified);
        const QMap<QString, QRect> panelsBefore = places(kPanels);
        form_->resize(window);
        QTRY_VERIFY(client()->width() >= window.width() - 30);
        QVERIFY(client()->height() >= window.height() - 60);
        QCOMPARE(places(kSpecified), controlsBefore);
        const QMap<QString, QRect> panels = places(kPanels);
        for (const QString& name : kPanels) {
            const QSize grown = panels[name].size(), base = panelsBefore[name].size();
            QVERIFY2(grown.width() >= base.width() && grown.height() >= base.height(),
                     qPrintable(name));
            QVERIFY2(grown.width() * grown.height() > base.width() * base.height(),
                     qPrintable(name));
            // Within the page, with the margin kept at the right and the bottom.
            QVERIFY2(QRect(QPoint(0, 0), client()->size() - QSize(15, 15)).contains(panels[name]),
                     qPrintable(name));
        }
        QVERIFY(panels["WallFigure"].bottom() < get<QWidget>("StaleNote")->geometry().top());
        QVERIFY(get<QWidget>("StaleNote")->geometry().bottom() < panels["Text12"].top());
        QVERIFY(panels["Text12"].right() < panels["TextChecks"].left());
        QVERIFY(panels["WallFigure"].right() < panels["TextChecks"].left());
        QCOMPARE(get<QWidget>("Label_TextChecks")->geometry().left(), panels["TextChecks"].left());
        // The design basis heads the column of the supplementary design wherever it goes.
        QCOMPARE(get<QWidget>("Frame6")->geometry().left(), panels["TextChecks"].left());
        QVERIFY(get<QWidget>("Frame6")->geometry().bottom() <
                get<QWidget>("Label_TextChecks")->geometry().top());
        // The controls to the left of Text12 stay clear of it.
        QVERIFY(controlsBefore["Frame3"].right() < panels["Text12"].left());
        QVERIFY(controlsBefore["Text15"].bottom() < panels["Text12"].top());
    }

    // Smaller than the specified size the page keeps its size and scrolls: every control
    // can be reached, and Tab brings the one it lands on into view.
    void scrollsBelowTheSpecifiedSize() {
        const QMap<QString, QRect> before = places(kSpecified + kPanels);
        form_->resize(640, 420);
        QTRY_VERIFY(scroll()->viewport()->height() < 420);
        QCOMPARE(client()->size(), wallcalc::app::clientSize());
        QCOMPARE(places(kSpecified + kPanels), before);
        QVERIFY(scroll()->verticalScrollBar()->maximum() > 0);
        QVERIFY(scroll()->horizontalScrollBar()->maximum() > 0);
        QApplication::setActiveWindow(form_.get());
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        get<QWidget>("Text8")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), get<QWidget>("Command1"));
        const QRect shown(get<QWidget>("Command1")->mapTo(scroll()->viewport(), QPoint(0, 0)),
                          get<QWidget>("Command1")->size());
        QVERIFY2(scroll()->viewport()->rect().contains(shown), "计算 scrolled into view");
    }

    // The window opens no larger than the screen's free area, and at the specified size
    // where the screen holds it.
    void opensWithinTheScreen() {
        const QRect free = form_->screen()->availableGeometry();
        QVERIFY(form_->width() <= free.width());
        QVERIFY(form_->height() <= free.height());
        const QSize specified = wallcalc::app::clientSize();
        QVERIFY(form_->width() >= std::min(free.width(), specified.width()));
    }

    // 补充验算 at the window's size as it opens: each line wraps at the panel's width, its
    // continuation indented under it, so nothing needs horizontal scrolling; the text is
    // the engine's, unchanged.
    void supplementaryDesignWrapsAtThePanelsWidth_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("load");
        QTest::newRow("ordinary works") << QStringList{"Option1_1"} << QString();
        QTest::newRow("civil-defence works") << QStringList{"Option1_0"} << QString("50");
    }
    void supplementaryDesignWrapsAtThePanelsWidth() {
        QFETCH(QStringList, clicks);
        QFETCH(QString, load);
        for (const QString& name : clicks)
            click(name);
        if (!load.isEmpty()) type("Text20", load);
        click("Command1");
        auto* panel = get<QTextEdit>("TextChecks");
        wallcalc::WindowModel again = form_->model();  // the same inputs, pressed again
        QCOMPARE(panel->toPlainText(),
                 wallcalc::app::shownText(wallcalc::supplementaryText(again.pressCompute())));

        const qreal room = panel->document()->textWidth();
        const int indent = wallcalc::app::continuationIndent(*panel);
        QVERIFY(indent > 0);
        QCOMPARE(panel->horizontalScrollBar()->maximum(), 0);
        int wrapped = 0;
        qreal widest = 0;
        for (QTextBlock b = panel->document()->begin(); b.isValid(); b = b.next()) {
            widest = std::max(widest, QFontMetricsF(panel->font()).horizontalAdvance(b.text()));
            const QTextLayout* layout = b.layout();
            for (int i = 0; i < layout->lineCount(); ++i) {
                const QTextLine line = layout->lineAt(i);
                QVERIFY2(line.x() + line.naturalTextWidth() <= room + 0.5, qPrintable(b.text()));
                if (i > 0) QCOMPARE(line.x() - layout->lineAt(0).x(), qreal(indent));
            }
            wrapped += layout->lineCount() > 1;
        }
        QVERIFY2(widest > room, "the text has lines longer than the panel is wide");
        QVERIFY(wrapped > 0);
    }

    // Space and Enter press the focused button.
    void buttonsFromTheKeyboard() {
        QApplication::setActiveWindow(form_.get());
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        auto* civil = get<QRadioButton>("Option1_0");
        civil->setFocus();
        QTest::keyClick(civil, Qt::Key_Space);
        QCOMPARE(form_->X(), 0);
        QTest::keyClick(civil, Qt::Key_Down);  // to "非人防", and checks it
        QCOMPARE(QApplication::focusWidget(), get<QWidget>("Option1_1"));
        QCOMPARE(form_->X(), 1);
        QVERIFY(!get<QWidget>("Text20")->isEnabled());
        auto* compute = get<QPushButton>("Command1");
        compute->setFocus();
        QTest::keyClick(compute, Qt::Key_Return);
        QCOMPARE(get<QLineEdit>("Text6")->text(), QString("106.067"));
    }
};

QTEST_MAIN(Form1Layout)
#include "tst_form1_layout.moc"
