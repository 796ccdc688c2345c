#pragma once
// The wall files opened or saved last, newest first, kept in the user's settings between
// sessions of the program ("文件 → 最近打开的文件").
#include <QStringList>

namespace wallcalc::app {

inline constexpr qsizetype kRecentFileCount = 8;

QStringList recentFiles();
// Puts `path` first; a file already listed moves up, the oldest drops off past the count.
void addRecentFile(const QString& path);

}  // namespace wallcalc::app
