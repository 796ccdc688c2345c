#include "sheet_style.hpp"

#include <QFontDatabase>
#include <QHash>
#include <cmath>
#include <map>
#include <unordered_map>
#include <utility>

namespace wallcalc::sheet {
namespace {

// What one face has measured on this thread: numbers only, so that nothing of Qt's is
// left to outlive the application when the thread ends.
struct Measured {
    std::unordered_map<char16_t, qreal> units;  // texts of one UTF-16 code unit
    QHash<QString, qreal> texts;                // the rest
};

// More texts than a thousand sheets' labels and characters: the names of a long batch are
// let go rather than kept for ever.
constexpr qsizetype kMostTextsKept = 50000;

Measured& measuredIn(const QFont& font) {
    thread_local std::map<std::pair<int, bool>, Measured> measured;
    return measured[{font.pixelSize(), font.bold()}];
}

qreal measured(Measured& m, const QFont& font, QStringView text) {
    if (text.size() == 1) {
        const auto [at, added] = m.units.try_emplace(text.front().unicode(), 0);
        if (added) at->second = QFontMetricsF(font).horizontalAdvance(text.toString());
        return at->second;
    }
    const QString key = text.toString();
    if (const auto at = m.texts.constFind(key); at != m.texts.cend()) return *at;
    if (m.texts.size() >= kMostTextsKept) m.texts.clear();
    return *m.texts.insert(key, QFontMetricsF(font).horizontalAdvance(key));
}

}  // namespace

QString sheetFamily() {
    static const QString family = [] {
        const QString preferred = QStringLiteral("WenQuanYi Micro Hei");
        return QFontDatabase::hasFamily(preferred) ? preferred : QFont().family();
    }();
    return family;
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

qreal SheetStyle::advance(const QFont& font, QStringView text) {
    return measured(measuredIn(font), font, text);
}

Advance SheetStyle::measure(const QFont& font) {
    Measured* m = &measuredIn(font);
    return [m, font](QStringView text) { return measured(*m, font, text); };
}

}  // namespace wallcalc::sheet
