#include "window_fonts.hpp"

#include <QFontDatabase>

namespace wallcalc::app {
namespace {

QFont preferred(const QString& family, qreal pointSize) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    if (QFontDatabase::hasFamily(family)) font.setFamily(family);
    font.setPointSizeF(pointSize);
    return font;
}

}  // namespace

QFont windowFont() {
    return preferred(QStringLiteral("WenQuanYi Micro Hei"), 9.0);
}

QFont reportFont() {
    return preferred(QStringLiteral("Microsoft Sans Serif"), 9.75);
}

}  // namespace wallcalc::app
