// The wall figure draws within the rectangle it is given, at any scale and proportion,
// and leaves the painter as it found it: the explanatory figure of the window, and the
// figure of one wall with its values that the calculation sheet prints.
#include <QPainter>
#include <QtTest>

#include "wall_figure.hpp"
#include "wallcalc/engine/window_model.hpp"

namespace {

// The bounding box of every pixel that is not white.
QRect inkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & 0xffffff) != 0xffffff) bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

// The figure of a wall as the sheet of its press draws it.
wallcalc::sheet::SheetFigure figureOf(int kase, const char* h2, bool civilDefence) {
    wallcalc::WindowModel w;
    civilDefence ? w.clickCivilDefence() : w.clickOrdinary();
    if (civilDefence) w.type(wallcalc::Box::Text20, "50");
    w.type(wallcalc::Box::Text2, h2);
    w.select(wallcalc::List::Combo3, kase);
    return wallcalc::sheet::sheetOf(w.pressCompute()).figure;
}

}  // namespace

class WallFigureTest : public QObject {
    Q_OBJECT

  private slots:
    void drawsInsideItsRectangle_data() {
        QTest::addColumn<QRectF>("target");
        QTest::addColumn<QString>("wall");  // empty: the explanatory figure
        QTest::newRow("window size") << QRectF(40, 30, 410, 352) << "";
        QTest::newRow("twice") << QRectF(10, 10, 820, 704) << "";
        QTest::newRow("wide") << QRectF(0, 100, 900, 300) << "";
        QTest::newRow("small") << QRectF(5, 5, 205, 176) << "";
        QTest::newRow("a wall, case A") << QRectF(40, 30, 410, 352) << "A";
        QTest::newRow("a wall, case B, wide") << QRectF(0, 100, 900, 300) << "B";
        QTest::newRow("a wall, case C, small") << QRectF(5, 5, 205, 176) << "C";
        QTest::newRow("civil-defence, case B") << QRectF(10, 10, 820, 704) << "B civil";
    }
    void drawsInsideItsRectangle() {
        QFETCH(QRectF, target);
        QFETCH(QString, wall);
        QImage image(920, 820, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        const QTransform before = painter.worldTransform();
        const QFont font = painter.font();
        if (wall.isEmpty()) {
            wallcalc::app::paintWallFigure(painter, target);
        } else {
            const int kase = wall[0].unicode() - 'A';
            const char* h2 = kase == 0 ? "-1.35" : kase == 1 ? "-3.5" : "-7";
            const auto figure = figureOf(kase, h2, wall.endsWith("civil"));
            QCOMPARE(figure.loadCase, kase);
            wallcalc::app::paintWallFigure(painter, target, figure);
        }
        QCOMPARE(painter.worldTransform(), before);
        QCOMPARE(painter.font(), font);
        painter.end();

        const QRect ink = inkBounds(image);
        QVERIFY(!ink.isEmpty());
        QVERIFY2(target.toAlignedRect().adjusted(-1, -1, 1, 1).contains(ink), "ink outside");
        // The drawing keeps its proportions and fills the rectangle's smaller side.
        const qreal scale = std::min(target.width() / 410, target.height() / 352);
        QVERIFY(ink.width() > 0.85 * 410 * scale);
        QVERIFY(ink.height() > 0.85 * 352 * scale);
    }
};

QTEST_MAIN(WallFigureTest)
#include "tst_wall_figure.moc"
