#include "recent_files.hpp"

#include <QFileInfo>

#include "app_settings.hpp"

namespace wallcalc::app {
namespace {

const QString kKey = QStringLiteral("recentFiles");

}  // namespace

QStringList recentFiles() {
    return appSettings().value(kKey).toStringList();
}

void addRecentFile(const QString& path) {
    const QString file = QFileInfo(path).absoluteFilePath();
    QStringList files = recentFiles();
    files.removeAll(file);
    files.prepend(file);
    QSettings s = appSettings();
    s.setValue(kKey, files.mid(0, kRecentFileCount));
}

}  // namespace wallcalc::app
