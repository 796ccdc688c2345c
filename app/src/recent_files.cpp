#include "recent_files.hpp"

#include <QFileInfo>
#include <QSettings>

namespace wallcalc::app {
namespace {

const QString kKey = QStringLiteral("recentFiles");

QSettings settings() {
    return QSettings(QSettings::UserScope, QStringLiteral("wallcalc"), QStringLiteral("wallcalc"));
}

}  // namespace

QStringList recentFiles() {
    return settings().value(kKey).toStringList();
}

void addRecentFile(const QString& path) {
    const QString file = QFileInfo(path).absoluteFilePath();
    QStringList files = recentFiles();
    files.removeAll(file);
    files.prepend(file);
    QSettings s = settings();
    s.setValue(kKey, files.mid(0, kRecentFileCount));
}

}  // namespace wallcalc::app
