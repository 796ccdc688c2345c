#include "project_dialog.hpp"
#include "qt_text.hpp"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>
#include <vector>

namespace wallcalc::app {
std::optional<ProjectInfo> askForProject(QWidget* parent, const ProjectInfo& current) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("ProjectDialog"));
    dialog.setWindowTitle(QStringLiteral("计算书信息"));
    auto* form = new QFormLayout;
    std::vector<QLineEdit*> edits;
    for (const ProjectField& f : kProjectFields) {
        auto* edit = new QLineEdit(qs(current.*(f.field)), &dialog);
        edit->setObjectName(QStringLiteral("project_") + qs(f.key));
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QString(24, QChar(0x5899))));
        form->addRow(qs(f.label) + QStringLiteral("："), edit);
        edits.push_back(edit);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    ProjectInfo project;
    for (std::size_t i = 0; i < kProjectFields.size(); ++i)
        project.*(kProjectFields[i].field) = edits[i]->text().trimmed().toStdString();
    return project;
}

}  // namespace wallcalc::app
