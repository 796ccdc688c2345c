// Form1's calculation-sheet commands: the title block's project, export as PDF, print,
// copy the calculation text; each asks to compute first when the inputs changed since.
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

#include "file_dialogs.hpp"
#include "form1.hpp"
#include "project_dialog.hpp"
#include "wallcalc/cli/wall_file.hpp"
#include "wallcalc/sheet/pdf_file.hpp"
#include "wallcalc/sheet/sheet_rendering.hpp"

namespace wallcalc::app {

void Form1::editProject() {
    if (const auto project = askForProject(this, m_core.project())) setProject(*project);
}

void Form1::setProject(const ProjectInfo& project) {
    m_core.setProject(project);
    modelChanged();
}

bool Form1::sheetReady(const QString& use) {
    if (lastSheet_) return true;
    const QString text =
        QStringLiteral("还没有完成的计算，没有可%1的计算书。\n请先按“计算”。").arg(use);
    showMessage(kMessageTitle, text.toStdString());
    return false;
}

bool Form1::sheetCurrent(const QString& use) {
    if (!m_core.resultsStale()) return true;
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(kMessageTitle),
                    QStringLiteral("输入已修改，计算书仍是修改之前的输入和结果。\n"
                                   "是否先按当前的输入重新计算，再%1计算书？")
                        .arg(use),
                    QMessageBox::NoButton, this);
    box.setObjectName(QStringLiteral("StaleSheetBox"));
    QPushButton* compute = box.addButton(QStringLiteral("先计算"), QMessageBox::AcceptRole);
    QPushButton* asItIs =
        box.addButton(QStringLiteral("用修改之前的计算书"), QMessageBox::DestructiveRole);
    box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
    box.setDefaultButton(compute);
    box.exec();
    if (box.clickedButton() == asItIs) return true;
    if (box.clickedButton() != compute) return false;
    Command1_Click();
    return !m_core.resultsStale();  // the press completed with the inputs as they stand
}

sheet::CalculationSheet Form1::datedSheet(const QDate& date) const {
    sheet::CalculationSheet s = *lastSheet_;
    s.date = date.toString(Qt::ISODate).toStdString();
    s.project = m_core.project();
    return s;
}

void Form1::exportSheet() {
    if (!sheetReady(QStringLiteral("导出")) || !sheetCurrent(QStringLiteral("导出"))) return;
    const QString path =
        askForFileToSave(this, {QStringLiteral("导出计算书"), startFolder(exportFolder_),
                                QStringLiteral("地下室外墙配筋计算书.pdf"),
                                QStringLiteral("PDF 文件 (*.pdf)"), QStringLiteral("pdf")});
    if (path.isEmpty()) return;
    exportFolder_ = QFileInfo(path).absolutePath();
    exportSheetTo(path);
}

bool Form1::exportSheetTo(const QString& path, const QDate& date) {
    if (!sheetReady(QStringLiteral("导出"))) return false;
    const sheet::SheetPdfWritten written =
        sheet::writeSheetPdf(datedSheet(date), path.toStdString());
    if (const auto& failed = written.failure) {
        // The system's reason in Chinese where the system gave one.
        const std::string reason = failed->error != 0 ? cli::fileErrorReason(failed->error)
                                                      : "无法写入（" + failed->reason + "）";
        showMessage(kMessageTitle, "计算书未能写入“" + failed->file + "”：\n" + reason);
        return false;
    }
    // Written, but a character of the title block or the name could not be printed.
    if (!written.unprintable.empty()) {
        showMessage(kMessageTitle, "计算书已写入“" + path.toStdString() + "”。\n" +
                                       sheet::unprintableMessage(written.unprintable));
    }
    return true;
}

void Form1::printSheet() {
    if (!sheetReady(QStringLiteral("打印")) || !sheetCurrent(QStringLiteral("打印"))) return;
    QPrinter printer(QPrinter::HighResolution);
    sheet::setUpSheetPage(printer);
    printer.setDocName(QString::fromStdString(lastSheet_->title));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("打印计算书"));
    if (dialog.exec() != QDialog::Accepted) return;
    printSheetOn(printer);
}

bool Form1::printSheetOn(QPrinter& printer, const QDate& date) {
    if (!sheetReady(QStringLiteral("打印"))) return false;
    const auto failed = sheet::renderSheet(datedSheet(date), printer);
    if (!failed) return true;
    showMessage(kMessageTitle, "计算书未能打印：\n" + *failed);
    return false;
}

void Form1::copySheet() {
    if (!sheetReady(QStringLiteral("复制")) || !sheetCurrent(QStringLiteral("复制"))) return;
    // Lines end in LF, as on the clipboard of every desktop; Qt turns them into CR LF
    // where the system wants that (Windows).
    QGuiApplication::clipboard()->setText(controls_.Text12->toPlainText());
}

}  // namespace wallcalc::app
