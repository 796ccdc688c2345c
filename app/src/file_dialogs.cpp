#include "file_dialogs.hpp"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

namespace wallcalc::app {
namespace {

QString ask(QWidget* parent, const FileChoice& choice, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent, choice.title, choice.folder, choice.filter);
    dialog.setObjectName(QStringLiteral("FileDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode);
    if (mode == QFileDialog::AcceptOpen) dialog.setFileMode(QFileDialog::ExistingFile);
    // A name typed without the suffix gets it before the dialog asks about overwriting.
    if (!choice.suffix.isEmpty()) dialog.setDefaultSuffix(choice.suffix);
    if (!choice.fileName.isEmpty()) dialog.selectFile(choice.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

}  // namespace

QString startFolder(const QString& remembered) {
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir()) return remembered;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString askForFileToOpen(QWidget* parent, const FileChoice& choice) {
    return ask(parent, choice, QFileDialog::AcceptOpen);
}

QString askForFileToSave(QWidget* parent, const FileChoice& choice) {
    return ask(parent, choice, QFileDialog::AcceptSave);
}

UnsavedAnswer askAboutUnsavedChanges(QWidget* parent, const QString& title, const QString& name) {
    QMessageBox box(QMessageBox::Question, title,
                    QStringLiteral("“%1”已修改，是否保存？").arg(name),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("UnsavedBox"));
    box.button(QMessageBox::Save)->setText(QStringLiteral("保存"));
    box.button(QMessageBox::Discard)->setText(QStringLiteral("不保存"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("取消"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    const int answer = box.exec();
    if (answer == QMessageBox::Save) return UnsavedAnswer::Save;
    if (answer == QMessageBox::Discard) return UnsavedAnswer::Discard;
    return UnsavedAnswer::Cancel;
}

}  // namespace wallcalc::app
