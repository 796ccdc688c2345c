#pragma once
// The file dialogs of the window: Qt's own dialog rather than the desktop's, so that it
// speaks Chinese like the rest of the program whatever the desktop's language.
#include <QString>

class QWidget;

namespace wallcalc::app {

struct FileChoice {
    QString title;     // "打开墙体文件"
    QString folder;    // where the dialog starts
    QString fileName;  // the name it proposes (saving)
    QString filter;    // "墙体文件 (*.wall)"
    QString suffix;    // added to a name typed without one (saving)
};

// Where a dialog starts when the window remembers no folder, or the one it remembers no
// longer exists: the user's documents folder, or their home folder when there is none.
QString startFolder(const QString& remembered);

// The file the engineer chose, or an empty string when the dialog was cancelled. A save
// dialog asks before it overwrites a file.
QString askForFileToOpen(QWidget* parent, const FileChoice& choice);
QString askForFileToSave(QWidget* parent, const FileChoice& choice);

// What the engineer answers when a changed file is about to be closed: "“name”已修改，是否
// 保存？" with 保存, 不保存 and 取消 (Esc), 保存 the default.
enum class UnsavedAnswer { Save, Discard, Cancel };
UnsavedAnswer askAboutUnsavedChanges(QWidget* parent, const QString& title, const QString& name);

}  // namespace wallcalc::app
