#include "sheet_style.hpp"

#include <QFontDatabase>
#include <cmath>

namespace wallcalc::sheet {

QString sheetFamily() {
    const QString preferred = QStringLiteral("WenQuanYi Micro Hei");
    return QFontDatabase::hasFamily(preferred) ? preferred : QFont().family();
}

QFont sheetFont(qreal points, bool bold) {
    QFont font(sheetFamily());
    // In the sheet's units rather than in points, so that no device's resolution enters
    // the measures.
    font.setPixelSize(static_cast<int>(std::lround(points * kSheetDpi / 72)));
    font.setBold(bold);
    // Outlines exactly as designed: the same advances at every size.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

SheetStyle::SheetStyle()
    : title(sheetFont(18, true)),
      heading(sheetFont(12, true)),
      body(sheetFont(10)),
      small(sheetFont(8.5)) {}

qreal SheetStyle::lineHeight(const QFont& font) {
    return metrics(font).height() * 1.3;
}

qreal SheetStyle::advance(const QFont& font, const QString& text) {
    return metrics(font).horizontalAdvance(text);
}

}  // namespace wallcalc::sheet
