#include "form1.hpp"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

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
    X_ = kNoChoiceYet;
    // Every box starts with its default; the results are empty and Text12 shows its hint.
    for (std::size_t i = 0; i < kBoxCount; ++i)
        setText(static_cast<Box>(i), boxDefault(static_cast<Box>(i)));
    // The civil-defence load is "0" and stays disabled until "人防" is clicked.
    QLineEdit* load = controls_.boxes[index(Box::Text20)];
    load->setText(QStringLiteral("0"));
    load->setEnabled(false);
    for (std::size_t i = 0; i < kListCount; ++i) {
        QComboBox* combo = controls_.lists[i];
        combo->clear();
        for (const std::string_view item : listItems(static_cast<List>(i)))
            combo->addItem(qs(item));
        combo->setCurrentIndex(0);
    }
    // Neither option is checked: the engineer has to choose.
    for (QRadioButton* option : controls_.Option1)
        option->setChecked(false);
}

void Form1::Option1_Click(int index) {
    QLineEdit* load = controls_.boxes[wallcalc::index(Box::Text20)];
    if (index == 0) {
        // "人防": every click starts the civil-defence load again from "0".
        X_ = kCivilDefence;
        load->setEnabled(true);
        load->setText(QStringLiteral("0"));
    } else {
        // "非人防": the load is ignored; what was typed stays visible.
        X_ = kOrdinary;
        load->setEnabled(false);
    }
}

void Form1::Command1_Click() {
    // A completed press is what the calculation sheet shows, until the next one completes.
    if (COMPUTE(*this, X_, state_).completed()) lastSheet_ = sheet::sheetOf(*this, X_);
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

int Form1::selected(List list) const {
    return controls_.lists[index(list)]->currentIndex();
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
