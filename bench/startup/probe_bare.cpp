// A bare QMainWindow with an empty client area of the given size, up to its first paint.
//   startup_probe_bare WIDTHxHEIGHT [--text]
// --text puts one line of Chinese in it, in the window's face: the least any window of
// this program pays for its font database and glyphs.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include "first_paint_probe.hpp"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList args = QApplication::arguments();
    QSize size(689, 753);
    if (args.size() > 1) {
        const QStringList wh = args.at(1).split(QLatin1Char('x'));
        if (wh.size() == 2) size = QSize(wh[0].toInt(), wh[1].toInt());
    }
    QMainWindow window;
    auto* client = new QWidget(&window);
    client->setFixedSize(size);
    window.setCentralWidget(client);
    if (args.contains(QLatin1String("--text"))) {
        auto* label = new QLabel(QStringLiteral("地下室外墙配筋计算"), client);
        label->setFont(QFont(QStringLiteral("WenQuanYi Micro Hei"), 9));
        label->move(16, 16);
    }
    startup::reportFirstPaint(window);
    window.show();
    return QApplication::exec();
}
