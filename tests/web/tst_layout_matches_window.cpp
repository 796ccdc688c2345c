// The Qt window against the layout table the web page is built from: every control of the
// table is a widget of the same name, in the same parent, with the same text, at the same
// place (twips / 15) at the specified size and where the table's growth rule puts it in a
// larger page; and the window has no named control the table does not hold.
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <QWidget>

#include "form1_controls.hpp"
#include "wallcalc/engine/window_layout.hpp"

using namespace wallcalc;

namespace {

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Where the table puts a control in a page `extra` pixels larger than the specified size:
// its rectangle at 15 twips a pixel, each edge moved by its share of the extra.
QRect expectedPlace(const ControlPlace& c, QSize extra) {
    const Twips& t = c.rect;
    const auto share = [](int more, int percent) { return more * percent / 100; };
    const int left = t.left / kTwipsPerPixel + share(extra.width(), c.growth.left);
    const int top = t.top / kTwipsPerPixel + share(extra.height(), c.growth.top);
    const int right =
        (t.left / kTwipsPerPixel + t.width / kTwipsPerPixel) + share(extra.width(), c.growth.right);
    const int bottom = (t.top / kTwipsPerPixel + t.height / kTwipsPerPixel) +
                       share(extra.height(), c.growth.bottom);
    return QRect(left, top, right - left, bottom - top);
}

}  // namespace

class LayoutMatchesWindow : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { controls_ = app::buildControls(client_); }

    void tableControlIsWindowWidget_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("extra");
        for (const ControlPlace& c : windowLayout()) {
            const std::string name(c.name);
            QTest::newRow((name + " at the specified size").c_str()) << qs(c.name) << QSize(0, 0);
            QTest::newRow((name + " in a larger page").c_str()) << qs(c.name) << QSize(517, 283);
        }
    }
    void tableControlIsWindowWidget() {
        QFETCH(QString, name);
        QFETCH(QSize, extra);
        const ControlPlace* place = controlPlace(name.toStdString());
        QVERIFY(place != nullptr);
        auto* widget = client_.findChild<QWidget*>(name);
        QVERIFY2(widget != nullptr, "the window has no widget of this name");
        app::placeControls(controls_, app::clientSize() + extra);
        QCOMPARE(widget->geometry(), expectedPlace(*place, extra));
        const QString parent = place->frame.empty() ? QString() : qs(place->frame);
        QCOMPARE(widget->parentWidget()->objectName(), parent);
        if (auto* label = qobject_cast<QLabel*>(widget);
            label && place->kind == ControlKind::Label) {
            const auto lines = labelLines(*place);
            QCOMPARE(label->text().split('\n').join(QString()), qs(lines[0]) + qs(lines[1]));
            QCOMPARE(label->buddy(), client_.findChild<QWidget*>(qs(place->buddy)));
        }
        if (auto* frame = qobject_cast<QGroupBox*>(widget))
            QCOMPARE(frame->title(), qs(place->caption));
    }

    // Qt's own parts of a widget (a scroll area's viewport, a list's view) have names that
    // start with "qt_"; every other named widget is a control of the table.
    void everyWindowControlIsInTable() {
        for (auto* widget : client_.findChildren<QWidget*>()) {
            const QString name = widget->objectName();
            if (name.isEmpty() || name.startsWith("qt_")) continue;
            QVERIFY2(controlPlace(name.toStdString()) != nullptr, qPrintable(name));
        }
    }

    void windowAreaIsClientSize() {
        const Twips area = windowArea();
        QCOMPARE(app::clientSize(),
                 QSize(area.width / kTwipsPerPixel, area.height / kTwipsPerPixel));
    }

  private:
    QWidget client_;
    app::Form1Controls controls_;
};

QTEST_MAIN(LayoutMatchesWindow)
#include "tst_layout_matches_window.moc"
