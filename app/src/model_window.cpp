#include "model_window.hpp"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "model_figure_view.hpp"
#include "model_inputs.hpp"
#include "model_results.hpp"
#include "qt_text.hpp"
#include "wallcalc/model/model_text.hpp"
#include "wallcalc/sheet/model_figure.hpp"
#include "window_fonts.hpp"

namespace wallcalc::app {
namespace {

// The problems the line above the results names at most; every one marks its cell.
constexpr std::size_t kProblemsListed = 3;

// The problems of the cells: those that are not numbers, then the model's own for the
// cells that are.
std::vector<model::Problem> merged(std::vector<model::Problem> notNumbers,
                                   const std::vector<model::Problem>& found) {
    for (const model::Problem& p : found) {
        bool named = false;
        for (const model::Problem& n : notNumbers)
            named = named || n.key == p.key;
        if (!named) notNumbers.push_back(p);
    }
    return notNumbers;
}

const model::PanelAnalysis* panelOf(const model::ModelPress& press) {
    return press.panel ? &*press.panel : nullptr;
}

}  // namespace

ModelWindow::ModelWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("ModelWindow"));
    setFont(windowFont());
    buildPage();
    buildMenu();
    connect(inputs_, &ModelInputs::edited, this, &ModelWindow::inputsEdited);
    press();
    showTitle();
}

void ModelWindow::buildPage() {
    auto* split = new QSplitter(Qt::Horizontal, this);
    split->setObjectName(QStringLiteral("ModelSplitter"));
    auto* scroll = new QScrollArea(split);
    scroll->setObjectName(QStringLiteral("ModelInputsArea"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    inputs_ = new ModelInputs(scroll);
    scroll->setWidget(inputs_);
    // Wide enough for the storey table's five columns with their headings on four lines.
    scroll->setMinimumWidth(std::max(inputs_->sizeHint().width() + 20, 440));
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* right = new QWidget(split);
    auto* column = new QVBoxLayout(right);
    column->setContentsMargins(4, 4, 4, 4);
    verdict_ = new QLabel(right);
    verdict_->setObjectName(QStringLiteral("ModelVerdict"));
    problems_ = new QLabel(right);
    problems_->setObjectName(QStringLiteral("ModelProblems"));
    problems_->setWordWrap(true);
    problems_->setStyleSheet(QStringLiteral("QLabel { color: #b71c1c; }"));
    column->addWidget(verdict_);
    column->addWidget(problems_);

    auto* stack = new QSplitter(Qt::Vertical, right);
    upper_ = new QSplitter(Qt::Horizontal, stack);
    auto* upper = upper_;
    figure_ = new ModelFigureView(upper);
    results_ = new QTableWidget(upper);
    results_->setObjectName(QStringLiteral("ModelResults"));
    setUpResultsTable(*results_);
    results_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    // The table as wide as its figures; the figure takes the rest.
    upper->setStretchFactor(0, 1);
    upper->setStretchFactor(1, 0);
    text_ = new QPlainTextEdit(stack);
    text_->setObjectName(QStringLiteral("ModelText"));
    text_->setReadOnly(true);
    text_->setFont(reportFont());
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    stack->setStretchFactor(0, 3);
    stack->setStretchFactor(1, 2);
    column->addWidget(stack, 1);

    split->setStretchFactor(0, 0);
    split->setStretchFactor(1, 1);
    // A window smaller than the page scrolls it, so that the page asks no room of the
    // window beside it (the first page keeps its own size).
    auto* page = new QScrollArea(this);
    page->setObjectName(QStringLiteral("ModelPageArea"));
    page->setFrameShape(QFrame::NoFrame);
    page->setWidgetResizable(true);
    page->setWidget(split);
    setCentralWidget(page);
}

void ModelWindow::inputsEdited() {
    modified_ = true;
    press();
    showTitle();
}

void ModelWindow::press() {
    InputsRead read = inputs_->read();
    model_ = std::move(read.model);
    model::ModelPress pressed;
    if (read.notNumbers.empty()) pressed = model::pressModel(model_);
    std::vector<model::Problem> problems =
        merged(std::move(read.notNumbers), pressed.problems.empty() && !pressed.completed()
                                               ? model::problems(model_)
                                               : pressed.problems);
    // A model without problems is always computed; should one not be, the page says so
    // rather than show nothing as if it were a result.
    if (problems.empty() && !pressed.completed())
        problems.push_back({"", "此模型未能计算，请检查输入"});
    inputs_->markProblems(problems);
    if (!problems.empty()) {
        QStringList lines;
        for (std::size_t i = 0; i < problems.size() && i < kProblemsListed; ++i)
            lines << qs(problems[i].message);
        if (problems.size() > kProblemsListed)
            lines << QStringLiteral("……另有%1处需要改正").arg(problems.size() - kProblemsListed);
        if (lastPress_) lines << QStringLiteral("（以下为此前输入的计算结果，改正后即更新）");
        problems_->setText(lines.join(QLatin1Char('\n')));
        problems_->show();
        showStale(true);
        return;
    }
    problems_->clear();
    problems_->hide();
    lastModel_ = model_;
    lastPress_ = std::move(pressed);
    stale_ = false;
    showResults();
    showStale(false);
}

void ModelWindow::showResults() {
    figure_->showFigure(sheet::modelFigure(*lastModel_, *lastPress_));
    showDesign(*results_, *lastPress_->design, panelOf(*lastPress_));
    // A table grown with its figures takes its room from the figure beside it.
    if (results_->width() < results_->minimumWidth()) {
        const int total = upper_->width();
        const int table = std::min(results_->minimumWidth(), total - figure_->minimumWidth());
        upper_->setSizes({total - table, table});
    }
    // The same text again, or a new one, leaves the reader where they were.
    const int at = text_->verticalScrollBar()->value();
    text_->setPlainText(qs(model::modelText(*lastModel_, *lastPress_)));
    text_->verticalScrollBar()->setValue(at);
    const design::Verdict& v = lastPress_->design->verdict;
    verdict_->setStyleSheet(
        QStringLiteral("QLabel { color: #%1; font-weight: bold; } "
                       "QLabel:disabled { color: palette(mid); }")
            .arg(v.ok() ? kSatisfiedColour : kFailedColour, 6, 16, QLatin1Char('0')));
    verdict_->setText(QStringLiteral("结论：") + qs(v.line()));
    QStringList failed;
    for (const design::Failure& f : v.failed)
        failed << qs(f.text);
    verdict_->setToolTip(failed.join(QLatin1Char('\n')));
}

void ModelWindow::showStale(bool stale) {
    stale_ = stale;
    figure_->setStale(stale);
    if (lastPress_) showDesign(*results_, *lastPress_->design, panelOf(*lastPress_), stale);
    QPalette palette = QApplication::palette(text_);
    if (stale) palette.setColor(QPalette::Text, palette.color(QPalette::Disabled, QPalette::Text));
    text_->setPalette(palette);
    verdict_->setEnabled(!stale);
}

void ModelWindow::showTitle() {
    const QString name = file_.isEmpty() ? QStringLiteral("未命名") : QFileInfo(file_).fileName();
    setWindowTitle(name + QStringLiteral("[*] - 墙体模型"));
    setWindowModified(modified_);
}

void ModelWindow::showModel(const model::WallModel& m) {
    inputs_->showModel(m);
    lastModel_.reset();
    lastPress_.reset();
    figure_->clearFigure();
    results_->setColumnCount(0);
    text_->clear();
    verdict_->clear();
    press();
}

void ModelWindow::showMessage(std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("墙体模型"), qs(text), QMessageBox::Ok,
                    this);
    box.setObjectName(QStringLiteral("MsgBox"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace wallcalc::app
