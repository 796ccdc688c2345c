// Form1's calculation-sheet commands: export as PDF, print, copy the calculation text.
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>

#include "form1.hpp"
#include "wallcalc/sheet/pdf_file.hpp"
#include "wallcalc/sheet/sheet_rendering.hpp"

namespace wallcalc::app {

bool Form1::sheetReady(const QString& use) {
    if (lastSheet_) return true;
    const QString text =
        QStringLiteral("还没有完成的计算，没有可%1的计算书。\n请先按“计算”。").arg(use);
    showMessage(kMessageTitle, text.toStdString());
    return false;
}

sheet::CalculationSheet Form1::datedSheet(const QDate& date) const {
    sheet::CalculationSheet s = *lastSheet_;
    s.date = date.toString(Qt::ISODate).toStdString();
    return s;
}

void Form1::exportSheet() {
    if (!sheetReady(QStringLiteral("导出"))) return;
    if (exportFolder_.isEmpty()) {
        exportFolder_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
    QFileDialog dialog(this, QStringLiteral("导出计算书"), exportFolder_,
                       QStringLiteral("PDF 文件 (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without ".pdf" gets it before the dialog asks about overwriting.
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(QStringLiteral("地下室外墙配筋计算书.pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    const QString path = dialog.selectedFiles().constFirst();
    exportFolder_ = QFileInfo(path).absolutePath();
    exportSheetTo(path);
}

bool Form1::exportSheetTo(const QString& path, const QDate& date) {
    if (!sheetReady(QStringLiteral("导出"))) return false;
    const auto failed = sheet::writeSheetPdf(datedSheet(date), path.toStdString());
    if (!failed) return true;
    showMessage(kMessageTitle, "计算书未能写入：\n" + failed->file + "\n" + failed->reason);
    return false;
}

void Form1::printSheet() {
    if (!sheetReady(QStringLiteral("打印"))) return;
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
    if (!sheetReady(QStringLiteral("复制"))) return;
    // Lines end in LF, as on the clipboard of every desktop; Qt turns them into CR LF
    // where the system wants that (Windows).
    QGuiApplication::clipboard()->setText(controls_.Text12->toPlainText());
}

}  // namespace wallcalc::app
