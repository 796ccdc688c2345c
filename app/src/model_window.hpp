#pragma once
// The window's second page, 墙体模型: a basement wall of one to five storeys continuous over
// its slabs. Its inputs at the left; at the right the figure of the wall with its load and
// moment diagrams, the results per storey with the verdict, and the calculation text. The
// results follow the inputs as they are typed: a cell that is not a number, or that a
// problem names, is marked, and the last results stay, greyed, until the inputs can be
// computed again. Its 文件 menu opens and saves wall-model files and exports the model's
// calculation sheet. It calculates nothing itself: the model's press does.
#include <QDate>
#include <QMainWindow>
#include <optional>
#include <string_view>

#include "wallcalc/model/model_press.hpp"

class QLabel;
class QPlainTextEdit;
class QSplitter;
class QTableWidget;

namespace wallcalc::app {

class ModelFigureView;
class ModelInputs;

class ModelWindow final : public QMainWindow {
    Q_OBJECT

  public:
    explicit ModelWindow(QWidget* parent = nullptr);

    // The model the cells describe as they were last read.
    const model::WallModel& model() const { return model_; }
    // The last completed press and its model (none before one), whatever was typed since.
    const model::ModelPress* lastPress() const { return lastPress_ ? &*lastPress_ : nullptr; }
    // Whether the results shown belong to earlier inputs.
    bool stale() const { return stale_; }
    bool modified() const { return modified_; }
    const QString& modelFile() const { return file_; }

    // A model into the cells and computed, as "新建" (the empty model) does.
    void showModel(const model::WallModel& m);
    // Opens a wall-model file, as "打开模型…" does once the file is chosen; a file that
    // cannot be read is named in a message with the reason, and nothing changes.
    bool openModelFile(const QString& path);
    // Saves the model into a file; false after a message (a model with a problem is not
    // saved: the message names its cell).
    bool saveModelFile(const QString& path);
    // Writes the calculation sheet of the current results, dated `date`, as a PDF file.
    bool exportSheetTo(const QString& path, const QDate& date = QDate::currentDate());
    // Before the model is closed: when it has unsaved changes, asks whether to save them.
    bool settleUnsavedChanges();

  private:
    void buildPage();
    void buildMenu();
    // The cells read and pressed: results shown, or the cells marked and the results kept.
    void inputsEdited();
    void press();
    void showResults();
    void showStale(bool stale);
    void showTitle();
    void showMessage(std::string_view text);

    void newModel();
    void openModel();
    bool saveModel();
    bool saveModelAs();
    void exportSheet();

    ModelInputs* inputs_ = nullptr;
    ModelFigureView* figure_ = nullptr;
    QTableWidget* results_ = nullptr;
    QSplitter* upper_ = nullptr;  // the figure beside the results
    QPlainTextEdit* text_ = nullptr;
    QLabel* verdict_ = nullptr;
    QLabel* problems_ = nullptr;

    model::WallModel model_;
    std::optional<model::WallModel> lastModel_;  // the model of lastPress_
    std::optional<model::ModelPress> lastPress_;
    bool stale_ = false;
    bool modified_ = false;
    QString file_;
    QString folder_;
};

}  // namespace wallcalc::app
