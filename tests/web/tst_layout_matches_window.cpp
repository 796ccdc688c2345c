// The window's layout table against the Qt window as it stands: every control of the
// table is a widget of the same name, in the same parent, at the same place (twips / 15),
// and every labelled box and list of the window is in the table. The web page is built
// from the table; this keeps it the window's twin until the window reads the table too.
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

QRect pixels(const Twips& t) {
    return QRect(t.left / kTwipsPerPixel, t.top / kTwipsPerPixel, t.width / kTwipsPerPixel,
                 t.height / kTwipsPerPixel);
}

}  // namespace

class LayoutMatchesWindow : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { controls_ = app::buildControls(client_); }

    void tableControlIsWindowWidget_data() {
        QTest::addColumn<QString>("name");
        for (const ControlPlace& c : windowLayout())
            QTest::newRow(std::string(c.name).c_str()) << qs(c.name);
    }
    void tableControlIsWindowWidget() {
        QFETCH(QString, name);
        const ControlPlace* place = controlPlace(name.toStdString());
        QVERIFY(place != nullptr);
        auto* widget = client_.findChild<QWidget*>(name);
        QVERIFY2(widget != nullptr, "the window has no widget of this name");
        QCOMPARE(widget->geometry(), pixels(place->rect));
        const QString parent = place->frame.empty() ? QString() : qs(place->frame);
        QCOMPARE(widget->parentWidget()->objectName(), parent);
    }

    void everyWindowLabelIsInTable() {
        for (auto* label : client_.findChildren<QLabel*>()) {
            QVERIFY2(controlPlace(label->objectName().toStdString()) != nullptr,
                     qPrintable(label->objectName()));
        }
        for (auto* frame : client_.findChildren<QGroupBox*>()) {
            const ControlPlace* place = controlPlace(frame->objectName().toStdString());
            QVERIFY2(place != nullptr, qPrintable(frame->objectName()));
            QCOMPARE(frame->title(), qs(place->caption));
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
