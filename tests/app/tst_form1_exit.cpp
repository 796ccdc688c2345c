// "退出" closes Form1, the program's last window, which ends the program's event loop.
#include <QPushButton>
#include <QtTest>

#include "form1.hpp"
#include "scratch_settings.hpp"

class Form1Exit : public QObject {
    Q_OBJECT

  private slots:
    // The window opens on the settings of a machine where it never ran.
    void initTestCase() { wallcalc::app::testing::useScratchSettings(); }
    void exitEndsTheProgram() {
        wallcalc::app::Form1 form1;
        form1.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form1));
        QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
        auto* exit = form1.findChild<QPushButton*>("Command3");
        QVERIFY(exit != nullptr);
        bool timedOut = false;
        QTimer::singleShot(0, exit, [exit] { QTest::mouseClick(exit, Qt::LeftButton); });
        QTimer::singleShot(10000, qApp, [&] {
            timedOut = true;
            QCoreApplication::exit(1);
        });
        const int rc = QApplication::exec();  // returns when the last window has closed
        QVERIFY(!timedOut);
        QCOMPARE(rc, 0);
        QVERIFY(!form1.isVisible());
        QCOMPARE(lastClosed.count(), 1);
    }
};

QTEST_MAIN(Form1Exit)
#include "tst_form1_exit.moc"
