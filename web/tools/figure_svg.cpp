// Draws the wall figure, as the window and the calculation sheet draw it, into an SVG
// file for the web page: wallcalc-figure-svg OUT.svg. The page's copy is made with it, and
// a test makes it again and compares, so that the page never shows an older drawing.
#include <QBuffer>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

#include "wallcalc/engine/window_layout.hpp"
#include "wallcalc/sheet/wall_figure_drawing.hpp"

namespace {

// The drawing names one font family; a browser without it takes the next one that has
// the Chinese characters.
constexpr char kFamily[] = "WenQuanYi Micro Hei";
constexpr char kFallbacks[] = "WenQuanYi Micro Hei,Microsoft YaHei,SimSun,sans-serif";

QByteArray figureSvg() {
    QByteArray svg;
    QBuffer buffer(&svg);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    const QSize size(static_cast<int>(wallcalc::sheet::kFigureWidth),
                     static_cast<int>(wallcalc::sheet::kFigureHeight));
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(96);
    const std::string_view title = wallcalc::controlPlace("WallFigure")->caption;
    generator.setTitle(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
    {
        QPainter painter(&generator);
        QFont font(QString::fromLatin1(kFamily));
        painter.setFont(font);
        wallcalc::sheet::paintWallFigure(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    svg.replace(QByteArray("font-family=\"") + kFamily + '"',
                QByteArray("font-family=\"") + kFallbacks + '"');
    return svg;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: wallcalc-figure-svg OUT.svg\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QFile out(QString::fromLocal8Bit(argv[1]));
    const QByteArray svg = figureSvg();
    if (!out.open(QIODevice::WriteOnly) || out.write(svg) != svg.size()) {
        std::fprintf(stderr, "wallcalc-figure-svg: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
