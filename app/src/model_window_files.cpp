// The wall model page's 文件 menu: new, open and save wall-model files (read and written by
// the command line's library, as --model reads them), the calculation sheet as a PDF,
// and the question about unsaved changes.
#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

#include "file_dialogs.hpp"
#include "model_inputs.hpp"
#include "model_window.hpp"
#include "qt_text.hpp"
#include "wallcalc/cli/model_json.hpp"
#include "wallcalc/cli/texts.hpp"
#include "wallcalc/sheet/model_sheet_rendering.hpp"

namespace wallcalc::app {
namespace {

const QString kModelFilter = QStringLiteral("墙体模型文件 (*.json);;所有文件 (*)");
const QString kModelSuffix = QStringLiteral("json");
const QString kPdfFilter = QStringLiteral("PDF 文件 (*.pdf)");

QAction* menuAction(QMenu& menu, const char* name, const QString& text,
                    const QKeySequence& shortcut = {}) {
    QAction* action = menu.addAction(text);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}

}  // namespace

void ModelWindow::buildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("ModelMenuBar"));
    QMenu* file = bar->addMenu(QStringLiteral("文件(&F)"));
    file->setObjectName(QStringLiteral("menuModelFile"));
    connect(menuAction(*file, "actionModelNew", QStringLiteral("新建模型(&N)"), QKeySequence::New),
            &QAction::triggered, this, &ModelWindow::newModel);
    connect(
        menuAction(*file, "actionModelOpen", QStringLiteral("打开模型(&O)…"), QKeySequence::Open),
        &QAction::triggered, this, &ModelWindow::openModel);
    connect(
        menuAction(*file, "actionModelSave", QStringLiteral("保存模型(&S)"), QKeySequence::Save),
        &QAction::triggered, this, &ModelWindow::saveModel);
    connect(menuAction(*file, "actionModelSaveAs", QStringLiteral("另存为(&A)…"),
                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)),
            &QAction::triggered, this, &ModelWindow::saveModelAs);
    file->addSeparator();
    connect(menuAction(*file, "actionModelExportPdf", QStringLiteral("导出计算书(PDF)(&E)…"),
                       QKeySequence(Qt::CTRL | Qt::Key_E)),
            &QAction::triggered, this, &ModelWindow::exportSheet);
    file->addSeparator();
    // The program's window closes, whichever page it shows.
    connect(menuAction(*file, "actionModelExit", QStringLiteral("退出(&X)"),
                       QKeySequence(Qt::CTRL | Qt::Key_Q)),
            &QAction::triggered, this, [this] { window()->close(); });
}

void ModelWindow::newModel() {
    if (!settleUnsavedChanges()) return;
    model::WallModel empty;
    empty.storeys.resize(1);
    file_.clear();
    showModel(empty);
    modified_ = false;
    showTitle();
}

void ModelWindow::openModel() {
    if (!settleUnsavedChanges()) return;
    const QString path = askForFileToOpen(
        this, {QStringLiteral("打开墙体模型文件"), startFolder(folder_), {}, kModelFilter, {}});
    if (!path.isEmpty()) openModelFile(path);
}

bool ModelWindow::openModelFile(const QString& path) {
    auto read = cli::loadModelFile(path.toStdString());
    if (const auto* why = std::get_if<std::string>(&read)) {
        showMessage(*why);
        return false;
    }
    file_ = path;
    folder_ = QFileInfo(path).absolutePath();
    showModel(std::get<model::WallModel>(read));
    modified_ = false;
    showTitle();
    return true;
}

bool ModelWindow::saveModel() {
    if (file_.isEmpty()) return saveModelAs();
    return saveModelFile(file_);
}

bool ModelWindow::saveModelAs() {
    const QString name =
        file_.isEmpty() ? QStringLiteral("未命名.json") : QFileInfo(file_).fileName();
    const QString path =
        askForFileToSave(this, {QStringLiteral("保存墙体模型文件"), startFolder(folder_), name,
                                kModelFilter, kModelSuffix});
    return !path.isEmpty() && saveModelFile(path);
}

bool ModelWindow::saveModelFile(const QString& path) {
    // A file keeps only models the program can read back: a cell that is not a number, or
    // a value not given, is named first.
    InputsRead read = inputs_->read();
    std::vector<model::Problem> wrong = std::move(read.notNumbers);
    if (wrong.empty()) wrong = model::problems(read.model);
    if (!wrong.empty()) {
        showMessage("墙体模型未保存，请先改正：\n" + wrong.front().message);
        return false;
    }
    if (const auto failed = cli::saveModelFile(path.toStdString(), read.model)) {
        showMessage(*failed);
        return false;
    }
    file_ = path;
    folder_ = QFileInfo(path).absolutePath();
    modified_ = false;
    showTitle();
    return true;
}

void ModelWindow::exportSheet() {
    const QString name = file_.isEmpty() ? QStringLiteral("墙体模型计算书.pdf")
                                         : QFileInfo(file_).completeBaseName() + ".pdf";
    const QString path = askForFileToSave(
        this, {QStringLiteral("导出计算书"), startFolder(folder_), name, kPdfFilter, "pdf"});
    if (!path.isEmpty()) exportSheetTo(path);
}

bool ModelWindow::exportSheetTo(const QString& path, const QDate& date) {
    // The sheet is that of the inputs shown: none while a cell is wrong.
    if (!lastPress_ || stale_) {
        showMessage("输入有误或尚未计算，没有可导出的计算书：请先改正标出的输入。");
        return false;
    }
    sheet::ModelSheet s = sheet::modelSheetOf(*lastModel_, *lastPress_);
    s.date = date.toString(Qt::ISODate).toStdString();
    const sheet::SheetPdfWritten written = sheet::writeModelSheetPdf(s, path.toStdString());
    if (const auto& failed = written.failure) {
        const std::string reason = failed->error != 0 ? cli::fileErrorReason(failed->error)
                                                      : "无法写入（" + failed->reason + "）";
        showMessage("计算书未能写入“" + failed->file + "”：\n" + reason);
        return false;
    }
    if (!written.unprintable.empty()) {
        showMessage("计算书已写入“" + path.toStdString() + "”。\n" +
                    sheet::unprintableMessage(written.unprintable));
    }
    return true;
}

bool ModelWindow::settleUnsavedChanges() {
    if (!modified_) return true;
    const QString name =
        file_.isEmpty() ? QStringLiteral("未命名的墙体模型") : QFileInfo(file_).fileName();
    switch (askAboutUnsavedChanges(this, QStringLiteral("墙体模型"), name)) {
        case UnsavedAnswer::Save:
            return saveModel();
        case UnsavedAnswer::Discard:
            return true;
        case UnsavedAnswer::Cancel:
            break;
    }
    return false;
}

}  // namespace wallcalc::app
