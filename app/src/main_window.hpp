#pragma once
// The program's window: two pages in tabs. The first is Form1, the window of the wall
// strip as it has always been (its menu, controls and behaviour its own); the second is
// the wall model of several storeys. The window's title is the shown page's, and closing
// the window asks each page about its unsaved changes.
#include <QWidget>

class QTabWidget;

namespace wallcalc::app {

class Form1;
class ModelWindow;

class MainWindow final : public QWidget {
    Q_OBJECT

  public:
    explicit MainWindow(QWidget* parent = nullptr);

    Form1& form1() const { return *form1_; }
    ModelWindow& modelPage() const { return *model_; }
    QTabWidget& pages() const { return *pages_; }

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showTitle();
    void makeRoomFor(int page);

    QTabWidget* pages_ = nullptr;
    Form1* form1_ = nullptr;
    ModelWindow* model_ = nullptr;
};

}  // namespace wallcalc::app
