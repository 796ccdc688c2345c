#include "dialog_answer.hpp"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace wallcalc::app::testing {

DialogAnswer::DialogAnswer(QString file, std::optional<ProjectInfo> project)
    : file_(std::move(file)), project_(std::move(project)) {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &DialogAnswer::answer);
    timer_.start();
}

void DialogAnswer::answer() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || qobject_cast<QMessageBox*>(dialog) || !dialog->isVisible()) return;
    ++seen_;
    lastTitle_ = dialog->windowTitle();
    if (auto* files = qobject_cast<QFileDialog*>(dialog); files != nullptr && !file_.isEmpty()) {
        files->selectFile(file_);
        dialog->accept();  // QFileDialog's own accept(), as its Open or Save button
        return;
    }
    if (dialog->objectName() == QLatin1String("ProjectDialog") && project_) {
        for (const ProjectField& f : kProjectFields) {
            auto* edit = dialog->findChild<QLineEdit*>(
                QStringLiteral("project_") + QString::fromUtf8(f.key.data(), f.key.size()));
            if (edit != nullptr) edit->setText(QString::fromStdString((*project_).*(f.field)));
        }
        dialog->accept();
        return;
    }
    dialog->reject();
}

}  // namespace wallcalc::app::testing
