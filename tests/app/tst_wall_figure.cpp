// The wall figure draws within the rectangle it is given, at any scale and proportion,
// and leaves the painter as it found it.
#include <QPainter>
#include <QtTest>

#include "wall_figure.hpp"

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

}  // namespace

class WallFigureTest : public QObject {
    Q_OBJECT

  private slots:
    void drawsInsideItsRectangle_data() {
        QTest::addColumn<QRectF>("target");
        QTest::newRow("window size") << QRectF(40, 30, 410, 352);
        QTest::newRow("twice") << QRectF(10, 10, 820, 704);
        QTest::newRow("wide") << QRectF(0, 100, 900, 300);
        QTest::newRow("small") << QRectF(5, 5, 205, 176);
    }
    void drawsInsideItsRectangle() {
        QFETCH(QRectF, target);
        QImage image(920, 820, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        const QTransform before = painter.worldTransform();
        const QFont font = painter.font();
        wallcalc::app::paintWallFigure(painter, target);
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
