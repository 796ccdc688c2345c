#include "form1.hpp"
#include "qt_text.hpp"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStyle>
#include <QTextEdit>
#include <functional>

#include "app_settings.hpp"
#include "checks_panel.hpp"
#include "help_text.hpp"
#include "line_breaks.hpp"
#include "wallcalc/sheet/design_codes.hpp"
#include "window_fonts.hpp"

namespace wallcalc::app {
namespace {

// The page the controls stand on, inside the window's scroll area: never smaller than the
// specified size (the scroll area scrolls it), and when larger its panels follow.
class Page final : public QWidget {
  public:
    explicit Page(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("client"));
        setMinimumSize(clientSize());
    }
    std::function<void(QSize)> resized;

  protected:
    void resizeEvent(QResizeEvent*) override {
        if (resized) resized(size());
    }
};

// Room a desktop takes around a window (title bar and borders), which the screen's free
// area does not count.
constexpr int kFrameAllowance = 40;

}  // namespace

Form1::Form1(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    setFont(windowFont());

    // The page sits in a scroll area: a window smaller than the specified size (a small
    // screen, a large scale factor) scrolls; a larger one gives its room to the panels.
    auto* page = new Page(this);
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("scrollArea"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setWidget(page);
    scroll_->setFocusPolicy(Qt::NoFocus);  // Tab goes from control to control, not to the frame
    setCentralWidget(scroll_);
    controls_ = buildControls(*page);
    page->resized = [this](QSize size) { placeControls(controls_, size); };
    menu_ = buildMenu(*this);
    connectEdits();
    connectMenu();

    for (int i = 0; i < 2; ++i) {
        connect(controls_.Option1[static_cast<std::size_t>(i)], &QRadioButton::clicked, this,
                [this, i] { Option1_Click(i); });
    }
    connect(controls_.Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(controls_.Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(controls_.Command3, &QPushButton::clicked, this, &Form1::Command3_Click);

    Form_Load();
    fitToScreen();
}

void Form1::connectMenu() {
    connect(menu_.newWall, &QAction::triggered, this, &Form1::newWall);
    connect(menu_.open, &QAction::triggered, this, &Form1::openWall);
    connect(menu_.save, &QAction::triggered, this, &Form1::saveWall);
    connect(menu_.saveAs, &QAction::triggered, this, &Form1::saveWallAs);
    connect(menu_.recent, &QMenu::aboutToShow, this, &Form1::showRecentFiles);
    connect(menu_.projectInfo, &QAction::triggered, this, &Form1::editProject);
    connect(menu_.exportPdf, &QAction::triggered, this, &Form1::exportSheet);
    connect(menu_.print, &QAction::triggered, this, &Form1::printSheet);
    connect(menu_.copy, &QAction::triggered, this, &Form1::copySheet);
    connect(menu_.exit, &QAction::triggered, this, &Form1::Command3_Click);
    connect(menu_.help, &QAction::triggered, this, &Form1::Command2_Click);
    connect(menu_.about, &QAction::triggered, this, &Form1::about);
    showRecentFiles();
}

void Form1::fitToScreen() {
    const QSize wanted = clientSize() + QSize(0, menuBar()->sizeHint().height());
    const QScreen* screen = this->screen();
    if (screen == nullptr) {
        resize(wanted);
        return;
    }
    const QSize room = screen->availableGeometry().size() - QSize(0, kFrameAllowance);
    // A scroll bar one way takes room the other way: give it that room where there is some,
    // rather than a second scroll bar.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    QSize fitted = wanted;
    if (wanted.height() > room.height()) fitted.rwidth() += bar;
    if (wanted.width() > room.width()) fitted.rheight() += bar;
    resize(fitted.boundedTo(room));
}

void Form1::Form_Load() {
    m_core.open();
    // The window opens, and a new wall starts, on the basis the engineer chose last.
    m_core.select(List::Combo4, static_cast<int>(index(rememberedBasis())));
    m_core.markSaved();
    lastSheet_.reset();
    controls_.TextChecks->clear();
    showVerdict(std::nullopt);
    showModel();
    modelChanged();
}

// The items a list shows, put in anew only when they differ.
void Form1::showItems(QComboBox& combo, std::span<const std::string_view> items) {
    bool same = combo.count() == static_cast<int>(items.size());
    for (std::size_t i = 0; same && i < items.size(); ++i)
        same = combo.itemText(static_cast<int>(i)) == qs(items[i]);
    if (same) return;
    const QSignalBlocker quiet(&combo);
    combo.clear();
    for (const std::string_view item : items)
        combo.addItem(qs(item));
}

void Form1::showModel() {
    showingModel_ = true;
    for (std::size_t i = 0; i < kBoxCount; ++i) {
        const auto box = static_cast<Box>(i);
        setText(box, m_core.boxText(box));
        if (inputIn(box) != nullptr) controls_.boxes[i]->setEnabled(m_core.enabled(box));
    }
    for (std::size_t i = 0; i < kListCount; ++i) {
        const auto list = static_cast<List>(i);
        QComboBox* combo = controls_.lists[i];
        showItems(*combo, m_core.items(list));
        combo->setCurrentIndex(m_core.selected(list));
    }
    // Neither option is checked until the engineer chooses; an exclusive group cannot be
    // unchecked, so it lets go while the buttons are set.
    for (std::size_t i = 0; i < controls_.Option1.size(); ++i) {
        QRadioButton* option = controls_.Option1[i];
        option->setAutoExclusive(false);
        option->setChecked(m_core.checked(static_cast<int>(i)));
        option->setAutoExclusive(true);
    }
    showingModel_ = false;
}

void Form1::connectEdits() {
    for (const InputBox& in : inputBoxes()) {
        QLineEdit* edit = controls_.boxes[index(in.box)];
        connect(edit, &QLineEdit::textChanged, this, [this, box = in.box](const QString& text) {
            if (showingModel_) return;
            m_core.type(box, text.toStdString());
            modelChanged();
        });
        // Enter in an input box computes, as "计算" does.
        connect(edit, &QLineEdit::returnPressed, this, &Form1::Command1_Click);
    }
    for (std::size_t i = 0; i < kListCount; ++i) {
        connect(controls_.lists[i], &QComboBox::currentIndexChanged, this,
                [this, list = static_cast<List>(i)](int position) {
                    if (showingModel_) return;
                    m_core.select(list, position);
                    // The basis decides the steel list's items and which boxes are read,
                    // and the next window opens on it.
                    if (list == List::Combo4) {
                        rememberBasis(m_core.basis());
                        showModel();
                    }
                    modelChanged();
                });
    }
}

void Form1::modelChanged() {
    showTitle();
    showStale();
}

void Form1::showTitle() {
    const QString file =
        wallFile_.isEmpty() ? QStringLiteral("未命名") : QFileInfo(wallFile_).fileName();
    setWindowTitle(file + QStringLiteral("[*] - 地下室外墙配筋计算"));
    setWindowModified(m_core.modified());
}

void Form1::showStale() {
    const bool stale = m_core.resultsStale();
    // Text in the colour of disabled text: still readable and copyable, plainly not current.
    const auto grey = [stale](QWidget* w) {
        QPalette palette = QApplication::palette(w);
        if (stale)
            palette.setColor(QPalette::Text, palette.color(QPalette::Disabled, QPalette::Text));
        w->setPalette(palette);
    };
    for (const ResultBox& r : resultBoxes())
        grey(controls_.boxes[index(r.box)]);
    grey(controls_.Text12);
    grey(controls_.TextChecks);
    controls_.staleNote->setVisible(stale);
    controls_.verdictLine->setEnabled(!stale);
}

void Form1::showVerdict(const std::optional<design::Verdict>& verdict) {
    QLabel& line = *controls_.verdictLine;
    if (!verdict) {
        line.clear();
        line.setToolTip({});
        return;
    }
    const QString colour = verdict->ok() ? QStringLiteral("#1b5e20") : QStringLiteral("#b71c1c");
    line.setStyleSheet(QStringLiteral("QLabel { color: %1; font-weight: bold; } "
                                      "QLabel:disabled { color: palette(mid); }")
                           .arg(colour));
    line.setText(qs("结论：" + verdict->line()));
    QStringList failed;
    for (const design::Failure& f : verdict->failed)
        failed << qs(f.text);
    line.setToolTip(failed.join(QLatin1Char('\n')));
}

// 补充验算, every line that fails a check in red.
void Form1::showChecks(const PressResult& press) {
    showChecksText(*controls_.TextChecks, shownText(supplementaryText(press)));
    markFailedLines(*controls_.TextChecks);
}

void Form1::Option1_Click(int index) {
    m_core.clickOption(index);
    showModel();
    modelChanged();
}

void Form1::Command1_Click() {
    // A completed press is what the calculation sheet shows, until the next one completes.
    const PressResult press = m_core.pressCompute(this);
    if (press.completed()) {
        lastSheet_ = sheet::sheetOf(press);
        showChecks(press);
    }
    showVerdict(press.verdict);
    modelChanged();
}

void Form1::Command2_Click() {
    showMessage(kHelpTitle, helpText());
}

void Form1::Command3_Click() {
    // The program's window closes: Form1 itself, or the window whose first page it is.
    window()->close();
}

void Form1::about() {
    QString codes;
    for (std::size_t b = 0; b < sheet::designBases().size(); ++b) {
        for (const std::string& line : sheet::designCodeLines(b, false))
            codes += QStringLiteral("\n    ") + qs(line);
    }
    codes += QStringLiteral("\n    ") + qs(sheet::codeLine(sheet::civilDefenceCode())) +
             QStringLiteral("（人防工程）");
    QMessageBox::about(
        this, QStringLiteral("关于"),
        QStringLiteral("地下室外墙配筋计算 %1\n\n"
                       "地下室外墙（顶板简支、底板固定的1米宽墙条）在土压力、水压力、"
                       "附加荷载与人防荷载下的竖向受力钢筋与裂缝宽度计算。\n\n"
                       "计算依据：%2")
            .arg(QApplication::applicationVersion(), codes));
}

std::string Form1::text(Box box) const {
    if (box == Box::Text12) return engineText(controls_.Text12->document()->toRawText());
    return controls_.boxes[index(box)]->text().toStdString();
}

void Form1::setText(Box box, std::string_view text) {
    const QString shown = box == Box::Text12 ? shownText(text) : qs(text);
    if (box == Box::Text12) {
        // The same text again leaves the reader where they were.
        if (controls_.Text12->toPlainText() != shown) controls_.Text12->setPlainText(shown);
        return;
    }
    QLineEdit* edit = controls_.boxes[index(box)];
    if (edit->text() == shown) return;
    edit->setText(shown);
    edit->setCursorPosition(0);  // a long result shows its first digits
}

void Form1::showMessage(std::string_view title, std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, shownText(title), shownText(text), QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("MsgBox"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace wallcalc::app
