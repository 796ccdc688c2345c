#include "scratch_settings.hpp"

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace wallcalc::app::testing {

void useScratchSettings() {
    static QTemporaryDir folder;
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
    clearSettings();
}

void clearSettings() {
    QSettings(QSettings::UserScope, QStringLiteral("wallcalc"), QStringLiteral("wallcalc")).clear();
}

}  // namespace wallcalc::app::testing
