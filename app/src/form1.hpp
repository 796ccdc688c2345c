#pragma once
// Form1, the program's one window. It holds the window model (the boxes, lists, option
// and calculation state with the window's rules) and mirrors it into its widgets: the
// engineer's edits go into the model, and a press shows its boxes and messages as the
// model's press writes them. It calculates nothing itself.
#include <QDate>
#include <QMainWindow>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "form1_controls.hpp"
#include "form1_menu.hpp"
#include "wallcalc/engine/window_model.hpp"
#include "wallcalc/sheet/calculation_sheet.hpp"

class QComboBox;
class QPrinter;
class QScrollArea;

namespace wallcalc::app {

class Form1 final : public QMainWindow, private WindowView {
    Q_OBJECT

  public:
    explicit Form1(QWidget* parent = nullptr);

    // A box's widget text as UTF-8, and setting it; Text12 gives back its lines
    // separated by CR LF, as the engine wrote them.
    std::string text(Box box) const;
    void setText(Box box, std::string_view text);
    // A modal message box with an OK button, titled as the calculation's messages are.
    void showMessage(std::string_view title, std::string_view text) override;

    // The civil-defence choice: 20 until an option is clicked, then 0 or 1.
    int X() const { return m_core.X(); }
    const CalcState& state() const { return m_core.state(); }
    const WindowModel& model() const { return m_core; }

    // The calculation sheet, once a press of "计算" has completed (null before): the
    // inputs, results and text of the last completed press, whatever was typed since.
    // Its date is left empty; exporting and printing date it and add the project.
    const sheet::CalculationSheet* calculationSheet() const {
        return lastSheet_ ? &*lastSheet_ : nullptr;
    }
    // Writes the sheet, dated `date`, as a PDF file. Says so in a message when there is no
    // sheet yet or the file cannot be written; returns whether the file was written.
    bool exportSheetTo(const QString& path, const QDate& date = QDate::currentDate());
    // Prints the sheet on a printer the print dialog has set up; false after a message.
    bool printSheetOn(QPrinter& printer, const QDate& date = QDate::currentDate());

    // The wall file the window shows, empty for a wall not yet saved.
    const QString& wallFile() const { return wallFile_; }
    // Opens a wall file into the window, as "打开…" does once the file is chosen. A file
    // that cannot be read is named in a message with the reason, and nothing changes.
    bool openWallFile(const QString& path);
    // Saves the wall into a file, as "保存" does; false after a message naming the file.
    bool saveWallFile(const QString& path);
    // The project of the sheet's title block, as "计算书信息…" sets it.
    void setProject(const ProjectInfo& project);

  protected:
    // Closing with unsaved changes asks whether to save them first.
    void closeEvent(QCloseEvent* event) override;

  private:
    // The model's press writes a box: the widget shows it at once.
    void boxWritten(Box box, std::string_view text) override { setText(box, text); }
    // The model as it stands into the widgets, and the engineer's edits into the model.
    void showModel();
    void showItems(QComboBox& combo, std::span<const std::string_view> items);
    void connectEdits();
    void connectMenu();
    // After anything that changes the model: the title with its modified mark, and the
    // results shown as stale while they belong to earlier inputs.
    void modelChanged();
    void showTitle();
    void showStale();
    void showVerdict(const std::optional<design::Verdict>& verdict);
    void showChecks(const PressResult& press);
    // The window as it opens, with the specified size or as much of it as the screen holds.
    void fitToScreen();

    void Form_Load();
    void Option1_Click(int index);
    void Command1_Click();  // "计算"
    void Command2_Click();  // "帮助"
    void Command3_Click();  // "退出"
    void about();           // "关于"

    // The wall files (form1_files.cpp).
    void newWall();     // "新建"
    void openWall();    // "打开…": asks for the file, then openWallFile
    bool saveWall();    // "保存": into the wall's file, or as "另存为…" when it has none
    bool saveWallAs();  // "另存为…": asks for the file, then saveWallFile
    void showRecentFiles();
    // Before the wall is closed (new, open, exit): when it has unsaved changes, asks
    // whether to save them. False when the engineer cancels or the saving fails.
    bool settleUnsavedChanges();

    // The calculation sheet (form1_sheet.cpp).
    void editProject();  // "计算书信息…"
    void exportSheet();  // "导出计算书(PDF)…": asks for the file, then exportSheetTo
    void printSheet();   // "打印计算书…": the print dialog, then printSheetOn
    void copySheet();    // "复制计算书": Text12's text onto the clipboard
    // Whether there is a sheet to `use`; when not, says so in a message.
    bool sheetReady(const QString& use);
    // Whether the sheet may go out: when the inputs changed since its press, asks whether
    // to compute first (going on only when that press completes) or use it as it is.
    bool sheetCurrent(const QString& use);
    sheet::CalculationSheet datedSheet(const QDate& date) const;

    WindowModel m_core;
    Form1Controls controls_;
    Form1Menu menu_;
    QScrollArea* scroll_ = nullptr;
    std::optional<sheet::CalculationSheet> lastSheet_;
    QString wallFile_;
    QString wallFolder_;         // where the last wall file was opened or saved
    QString exportFolder_;       // where the last sheet was exported
    bool showingModel_ = false;  // widgets are being set from the model, not edited
};

}  // namespace wallcalc::app
