#pragma once
// The inputs of the wall model's page: the table of storeys (the top of each slab, and each
// storey's thickness, covers and civil-defence load, with the base slab as its last row),
// the levels and the soil, the supports, the materials and factors, and the title block.
// Every label and unit comes from the model's key tables; each field is named for the
// tests by its key ("ground", "gammaSat"). The page reads its cells into a WallModel and
// marks the cells that a problem names.
#include <QWidget>
#include <map>
#include <string>
#include <vector>

#include "wallcalc/model/wall_model.hpp"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace wallcalc::app {

// The cells as read: the model they describe, and the keys of the cells whose text is not
// a number (those cells are read as not given).
struct InputsRead {
    model::WallModel model;
    std::vector<model::Problem> notNumbers;
};

class ModelInputs final : public QWidget {
    Q_OBJECT

  public:
    explicit ModelInputs(QWidget* parent = nullptr);

    // The cells set from a model, without `edited`.
    void showModel(const model::WallModel& m);
    InputsRead read() const;
    // Marks the cells the problems name (their message as the cell's tooltip), and clears
    // every other mark. An empty cell that must be filled is marked as waiting, any other
    // as wrong.
    void markProblems(const std::vector<model::Problem>& problems);

    int storeyCount() const;
    // A storey added below the lowest, as high as the lowest and with its walls; the
    // lowest storey taken away, the base slab at its top. 1 … 5 storeys.
    void addStorey();
    void removeStorey();

  signals:
    // Any cell edited, a choice made, or a storey added or taken away.
    void edited();

  private:
    // Column 0 of the storey table holds the slabs' elevations, then the storeys' keys.
    static constexpr int kSlabColumn = 0;
    static int storeyColumn(std::size_t field) { return static_cast<int>(field) + 1; }

    void buildStoreys();
    void buildFields();
    void buildTitle();
    // The two-way panel: switched on by its box, its width and side supports from the
    // panel's keys (model_inputs_panel.cpp).
    void buildPanel();
    void showPanel(const std::optional<model::Panel>& panel);
    std::optional<model::Panel> readPanel(InputsRead& out) const;
    void enablePanel();
    void showStoreyButtons();
    void fitStoreyTable();  // tall enough for every row
    QTableWidgetItem* item(int row, int column) const;
    void setCell(int row, int column, const QString& text);
    QWidget* widgetFor(const std::string& key) const;
    void mark(QWidget* widget, const QString& message, bool waiting);
    void markCell(int row, int column, const QString& message, bool waiting);
    void clearMarks();

    QTableWidget* storeys_ = nullptr;
    QPushButton* addStorey_ = nullptr;
    QPushButton* removeStorey_ = nullptr;
    std::map<std::string, QLineEdit*, std::less<>> numbers_;
    std::map<std::string, QComboBox*, std::less<>> names_;
    std::vector<QLineEdit*> title_;  // in the order of kTitleFields
    QCheckBox* panelOn_ = nullptr;
    bool showing_ = false;  // cells being set from a model, not edited
};

// Text of a number as a cell shows it, read back to the same value.
QString numberText(double value);

// A cell's text as a number: empty, a finite number, or not a number.
struct CellNumber {
    bool empty = false;
    std::optional<double> value;
};
CellNumber cellNumber(const QString& text);

// The problem of a cell whose text is not a number.
model::Problem notNumber(std::string key, std::string_view label, const QString& text);

}  // namespace wallcalc::app
