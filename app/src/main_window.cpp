#include "main_window.hpp"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "form1.hpp"
#include "model_window.hpp"

namespace wallcalc::app {
namespace {

// The room the wall model's page reads well in (pixels).
const QSize kModelPageSize(1400, 900);

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MainWindow"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("Pages"));
    pages_->setDocumentMode(true);
    layout->addWidget(pages_);

    // Each page is a main window of its own (its menu bar above its page), shown as a
    // widget inside its tab.
    form1_ = new Form1;
    const QSize form1Size = form1_->size();  // as Form1 fits itself to the screen
    form1_->setWindowFlags(Qt::Widget);
    model_ = new ModelWindow;
    model_->setWindowFlags(Qt::Widget);
    pages_->addTab(form1_, QStringLiteral("单层墙条"));
    pages_->addTab(model_, QStringLiteral("墙体模型"));
    form1_->installEventFilter(this);
    model_->installEventFilter(this);
    connect(pages_, &QTabWidget::currentChanged, this, &MainWindow::showTitle);
    connect(pages_, &QTabWidget::currentChanged, this, &MainWindow::makeRoomFor);

    // The first page keeps the size Form1 gives itself; the tabs take their own row.
    QSize size = form1Size + QSize(0, pages_->tabBar()->sizeHint().height());
    if (const QScreen* screen = this->screen())
        size = size.boundedTo(screen->availableGeometry().size());
    resize(size);
    showTitle();
}

// The wall model's page shows its inputs, figure, results and text side by side: a window
// left at the first page's size grows, as far as the screen allows, when it is shown.
void MainWindow::makeRoomFor(int page) {
    if (pages_->widget(page) != model_ || isMaximized() || isFullScreen()) return;
    QSize wanted = size().expandedTo(kModelPageSize);
    if (const QScreen* screen = this->screen())
        wanted = wanted.boundedTo(screen->availableGeometry().size());
    if (wanted != size()) resize(wanted);
}

void MainWindow::showTitle() {
    const QWidget* page = pages_->currentWidget();
    if (page == nullptr) return;
    setWindowTitle(page->windowTitle());
    setWindowModified(page->isWindowModified());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const bool titled =
        event->type() == QEvent::WindowTitleChange || event->type() == QEvent::ModifiedChange;
    if (titled && watched == pages_->currentWidget()) showTitle();
    return QWidget::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Each page settles its unsaved changes; Form1's own closing asks about its wall.
    if (!model_->settleUnsavedChanges() || !form1_->close()) {
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace wallcalc::app
