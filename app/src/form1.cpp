#include "form1.hpp"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "help_text.hpp"
#include "line_breaks.hpp"
#include "window_fonts.hpp"

namespace wallcalc::app {
namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

Form1::Form1(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("地下室外墙配筋计算"));
    setFont(windowFont());

    // The controls sit on a client widget of fixed size, so that a menu bar above them
    // makes the window taller without moving them.
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(clientSize());
    setCentralWidget(client);
    controls_ = buildControls(*client);
    menu_ = buildMenu(*this);
    connectEdits();

    for (int i = 0; i < 2; ++i) {
        connect(controls_.Option1[static_cast<std::size_t>(i)], &QRadioButton::clicked, this,
                [this, i] { Option1_Click(i); });
    }
    connect(controls_.Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(controls_.Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(controls_.Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(menu_.exportPdf, &QAction::triggered, this, &Form1::exportSheet);
    connect(menu_.print, &QAction::triggered, this, &Form1::printSheet);
    connect(menu_.copy, &QAction::triggered, this, &Form1::copySheet);
    connect(menu_.exit, &QAction::triggered, this, &Form1::Command3_Click);

    Form_Load();
}

void Form1::Form_Load() {
    m_core.open();
    for (std::size_t i = 0; i < kListCount; ++i) {
        QComboBox* combo = controls_.lists[i];
        const QSignalBlocker quiet(combo);
        combo->clear();
        for (const std::string_view item : listItems(static_cast<List>(i)))
            combo->addItem(qs(item));
    }
    showModel();
}

void Form1::showModel() {
    showingModel_ = true;
    for (std::size_t i = 0; i < kBoxCount; ++i) {
        const auto box = static_cast<Box>(i);
        setText(box, m_core.boxText(box));
        if (inputIn(box) != nullptr) controls_.boxes[i]->setEnabled(m_core.enabled(box));
    }
    for (std::size_t i = 0; i < kListCount; ++i)
        controls_.lists[i]->setCurrentIndex(m_core.selected(static_cast<List>(i)));
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
        connect(controls_.boxes[index(in.box)], &QLineEdit::textChanged, this,
                [this, box = in.box](const QString& text) {
                    if (!showingModel_) m_core.type(box, text.toStdString());
                });
    }
    for (std::size_t i = 0; i < kListCount; ++i) {
        connect(controls_.lists[i], &QComboBox::currentIndexChanged, this,
                [this, list = static_cast<List>(i)](int position) {
                    if (!showingModel_) m_core.select(list, position);
                });
    }
}

void Form1::Option1_Click(int index) {
    m_core.clickOption(index);
    showModel();
}

void Form1::Command1_Click() {
    // A completed press is what the calculation sheet shows, until the next one completes.
    const PressResult press = m_core.pressCompute(this);
    if (press.completed()) lastSheet_ = sheet::sheetOf(press);
}

void Form1::Command2_Click() {
    showMessage(kHelpTitle, helpText());
}

void Form1::Command3_Click() {
    close();
}

std::string Form1::text(Box box) const {
    if (box == Box::Text12) return engineText(controls_.Text12->document()->toRawText());
    return controls_.boxes[index(box)]->text().toStdString();
}

void Form1::setText(Box box, std::string_view text) {
    if (box == Box::Text12) {
        controls_.Text12->setPlainText(shownText(text));
        return;
    }
    QLineEdit* edit = controls_.boxes[index(box)];
    edit->setText(qs(text));
    edit->setCursorPosition(0);  // a long result shows its first digits
}

void Form1::showMessage(std::string_view title, std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, shownText(title), shownText(text), QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("MsgBox"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace wallcalc::app
