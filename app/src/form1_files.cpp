// Form1's wall files: new, open, save, save as, the recent files, and the question about
// unsaved changes before a wall is closed.
#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "file_dialogs.hpp"
#include "form1.hpp"
#include "recent_files.hpp"
#include "wallcalc/cli/wall_file.hpp"

namespace wallcalc::app {
namespace {

const QString kWallFilter = QStringLiteral("墙体文件 (*.wall);;所有文件 (*)");
const QString kWallSuffix = QStringLiteral("wall");

}  // namespace

void Form1::newWall() {
    if (!settleUnsavedChanges()) return;
    wallFile_.clear();
    Form_Load();
}

void Form1::openWall() {
    if (!settleUnsavedChanges()) return;
    const QString path = askForFileToOpen(
        this, {QStringLiteral("打开墙体文件"), startFolder(wallFolder_), {}, kWallFilter, {}});
    if (!path.isEmpty()) openWallFile(path);
}

bool Form1::openWallFile(const QString& path) {
    auto read = cli::loadWallFile(path.toStdString());
    if (const auto* why = std::get_if<std::string>(&read)) {
        showMessage(kMessageTitle, *why);
        return false;
    }
    const cli::Wall& wall = std::get<cli::Wall>(read);
    // The window as it opens, then the wall as the file keeps it.
    m_core.open();
    wall.changes.applyTo(m_core);
    m_core.setProject(wall.project);
    m_core.markSaved();
    // The results, the calculation text and the supplementary design are those of a window
    // just opened: none of the earlier wall's stays beside the new wall's inputs.
    lastSheet_.reset();
    controls_.TextChecks->clear();
    wallFile_ = path;
    wallFolder_ = QFileInfo(path).absolutePath();
    addRecentFile(path);
    showModel();
    modelChanged();
    return true;
}

bool Form1::saveWall() {
    if (wallFile_.isEmpty()) return saveWallAs();
    return saveWallFile(wallFile_);
}

bool Form1::saveWallAs() {
    const QString name =
        wallFile_.isEmpty() ? QStringLiteral("未命名.wall") : QFileInfo(wallFile_).fileName();
    const QString path = askForFileToSave(
        this,
        {QStringLiteral("保存墙体文件"), startFolder(wallFolder_), name, kWallFilter, kWallSuffix});
    return !path.isEmpty() && saveWallFile(path);
}

bool Form1::saveWallFile(const QString& path) {
    const std::string text = cli::wallFileText(m_core, m_core.project());
    if (const auto failed = cli::saveWallFile(path.toStdString(), text)) {
        showMessage(kMessageTitle, *failed);
        return false;
    }
    m_core.markSaved();
    wallFile_ = path;
    wallFolder_ = QFileInfo(path).absolutePath();
    addRecentFile(path);
    modelChanged();
    return true;
}

void Form1::showRecentFiles() {
    menu_.recent->clear();
    const QStringList files = recentFiles();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString& path = files[i];
        QAction* action = menu_.recent->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
        action->setToolTip(path);
        action->setData(path);
        connect(action, &QAction::triggered, this, [this, path] {
            if (settleUnsavedChanges()) openWallFile(path);
        });
    }
    menu_.recent->setEnabled(!files.isEmpty());
}

bool Form1::settleUnsavedChanges() {
    if (!m_core.modified()) return true;
    const QString name =
        wallFile_.isEmpty() ? QStringLiteral("未命名的墙体") : QFileInfo(wallFile_).fileName();
    switch (askAboutUnsavedChanges(this, QStringLiteral("地下室外墙配筋计算"), name)) {
        case UnsavedAnswer::Save:
            return saveWall();
        case UnsavedAnswer::Discard:
            return true;
        case UnsavedAnswer::Cancel:
            break;
    }
    return false;
}

void Form1::closeEvent(QCloseEvent* event) {
    if (settleUnsavedChanges()) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace wallcalc::app
