// The wall figure draws within the rectangle it is given, at any scale and proportion,
// and leaves the painter as it found it: the explanatory figure of the window, and the
// figure of one wall with its values that the calculation sheet prints. Its labels, set in
// the faces the window and the sheet use, stand inside the figure, clear of each other, and
// show every value of the wall.
#include <QFontMetricsF>
#include <QPainter>
#include <QtTest>
#include <algorithm>
#include <cmath>

#include "wall_figure.hpp"
#include "wallcalc/engine/window_model.hpp"
#include "wallcalc/sheet/wall_figure_layout.hpp"

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

// The figure of a wall as the sheet of its press draws it, typed with its elevations
// h1 h2 h3 h4 (m).
wallcalc::sheet::SheetFigure figureOf(int kase, bool civilDefence, const QStringList& levels) {
    wallcalc::WindowModel w;
    civilDefence ? w.clickCivilDefence() : w.clickOrdinary();
    if (civilDefence) w.type(wallcalc::Box::Text20, "50");
    const wallcalc::Box boxes[] = {wallcalc::Box::Text1, wallcalc::Box::Text2, wallcalc::Box::Text3,
                                   wallcalc::Box::Text16};
    for (int i = 0; i < 4; ++i)
        w.type(boxes[i], levels[i].toStdString());
    w.select(wallcalc::List::Combo3, kase);
    return wallcalc::sheet::sheetOf(w.pressCompute()).figure;
}

// Where a label of the drawing stands, in the figure's units, set in `family` as the
// painter sets it: its advance from the anchor, its ascent above and descent below the
// baseline.
QRectF labelBox(const wallcalc::sheet::FigureLabel& l, const QString& family) {
    QFont font(family);
    font.setPixelSize(static_cast<int>(std::lround(l.size)));
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(QString::fromStdString(l.text));
    const qreal shift = l.anchor == wallcalc::sheet::Anchor::Start    ? 0
                        : l.anchor == wallcalc::sheet::Anchor::Middle ? width / 2
                                                                      : width;
    return QRectF(l.at.x - shift, l.at.y - metrics.ascent(), width,
                  metrics.ascent() + metrics.descent());
}

bool anyLabelHas(const wallcalc::sheet::FigureDrawing& d, const std::string& text) {
    return std::any_of(d.labels.begin(), d.labels.end(),
                       [&](const auto& l) { return l.text.find(text) != std::string::npos; });
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
            const QString h2 = kase == 0 ? "-1.35" : kase == 1 ? "-3.5" : "-7";
            const auto figure =
                figureOf(kase, wall.endsWith("civil"), {"-0.45", h2, "-2.45", "-6.3"});
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

    // Each row a wall (or none: the explanatory figure) and a face: the window's own and
    // the face the sheet and the web page name first.
    void labelsStandClearInsideTheFigure_data() {
        QTest::addColumn<int>("kase");  // -1: the explanatory figure
        QTest::addColumn<bool>("civil");
        QTest::addColumn<QStringList>("levels");  // h1 h2 h3 h4
        QTest::addColumn<QString>("family");
        const QStringList usual{"-0.45", "-1.35", "-2.45", "-6.3"};
        const QString sheetFace = "WenQuanYi Micro Hei";
        for (const QString& family : {QString(), sheetFace}) {
            const QByteArray face = family.isEmpty() ? " (window face)" : " (sheet face)";
            const auto row = [&](const char* name) -> QTestData& {
                return QTest::newRow((QByteArray(name) + face).constData());
            };
            row("explanatory") << -1 << false << usual << family;
            row("case A") << 0 << false << QStringList{"-0.45", "-1.35", "-2.45", "-6.3"} << family;
            row("case B, water mid-height")
                << 1 << false << QStringList{"-0.45", "-3.5", "-2.45", "-6.3"} << family;
            row("case B, water just under the roof slab, at h5")
                << 1 << false << QStringList{"-0.45", "-2.6", "-2.45", "-6.3"} << family;
            row("case B, water just over the base")
                << 1 << false << QStringList{"-0.45", "-6.2", "-2.45", "-6.3"} << family;
            row("case C, civil defence")
                << 2 << true << QStringList{"-0.45", "-7", "-2.45", "-6.3"} << family;
            row("case B, deep and long values")
                << 1 << false << QStringList{"-10.455", "-13.875", "-12.455", "-17.305"} << family;
            row("case A, civil defence, deep")
                << 0 << true << QStringList{"-10.455", "-11.105", "-12.455", "-17.305"} << family;
        }
    }
    void labelsStandClearInsideTheFigure() {
        QFETCH(int, kase);
        QFETCH(bool, civil);
        QFETCH(QStringList, levels);
        QFETCH(QString, family);
        wallcalc::sheet::SheetFigure wall;
        if (kase >= 0) {
            wall = figureOf(kase, civil, levels);
            QCOMPARE(wall.loadCase, kase);
            QVERIFY(!wall.MBk.empty());
        }
        const auto d = wallcalc::sheet::wallFigure(kase >= 0 ? &wall : nullptr);
        const QRectF figure(0, 0, d.width, d.height);
        std::vector<QRectF> boxes;
        for (const auto& l : d.labels) {
            const QRectF box = labelBox(l, family);
            QVERIFY2(figure.contains(box), l.text.c_str());
            for (std::size_t i = 0; i < boxes.size(); ++i) {
                QVERIFY2(!boxes[i].intersects(box),
                         (d.labels[i].text + " meets " + l.text).c_str());
            }
            boxes.push_back(box);
        }
        if (kase < 0) return;
        // Every value of the wall is shown, each with its name where it has one.
        for (const auto& [name, value] : {std::pair{"h1=", wall.h1},
                                          {"h2=", wall.h2},
                                          {"h3=", wall.h3},
                                          {"h4=", wall.h4},
                                          {"h5=", wall.h5},
                                          {"MBk=", wall.MBk},
                                          {"", wall.topText},
                                          {"", wall.baseText}}) {
            QVERIFY2(anyLabelHas(d, name + value), (name + value).c_str());
        }
        if (kase == 1) QVERIFY2(anyLabelHas(d, wall.waterText), wall.waterText.c_str());
    }
};

QTEST_MAIN(WallFigureTest)
#include "tst_wall_figure.moc"
