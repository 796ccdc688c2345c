#include "form1_controls.hpp"
#include "qt_text.hpp"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

#include "checks_panel.hpp"
#include "wall_figure.hpp"
#include "window_fonts.hpp"

namespace wallcalc::app {
namespace {

constexpr std::string_view kChecksPanel = "TextChecks";

// A label's text as the layout table breaks it: "土容重" over "(kN/m3)：".
QLabel* makeLabel(const ControlPlace& c, QWidget* parent) {
    const auto lines = labelLines(c);
    QString text = qs(lines[0]);
    if (!lines[1].empty()) text += QLatin1Char('\n') + qs(lines[1]);
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignLeft | (lines[1].empty() ? Qt::AlignVCenter : Qt::AlignTop));
    return label;
}

QLineEdit* makeBox(const ControlPlace& c, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setAccessibleName(qs(labelOfNamed(c.name)));
    if (c.kind == ControlKind::Result) {
        // A result box is selected and copied with the mouse; Tab goes past it, from one
        // input to the next.
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::ClickFocus);
    }
    return edit;
}

QComboBox* makeList(const ControlPlace& c, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setAccessibleName(qs(labelOfNamed(c.name)));
    return combo;
}

QPushButton* makeButton(const ControlPlace& c, QWidget* parent) {
    auto* button = new QPushButton(qs(c.caption), parent);
    button->setAutoDefault(true);  // Enter presses the focused button, as Space does
    return button;
}

// The calculation text and the supplementary design: the engine's output, selectable and
// copyable, line by line as written.
QPlainTextEdit* makeReport(const ControlPlace& c, QWidget* parent) {
    auto* panel = new QPlainTextEdit(parent);
    panel->setFont(reportFont());
    panel->setLineWrapMode(QPlainTextEdit::NoWrap);
    panel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    panel->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    panel->setReadOnly(true);
    panel->setTabChangesFocus(true);
    panel->setAccessibleName(qs(c.caption));
    return panel;
}

// Shown while the results belong to earlier inputs; hidden, it keeps its room.
QLabel* makeNote(const ControlPlace& c, QWidget* parent) {
    auto* note = new QLabel(qs(c.caption), parent);
    note->setStyleSheet(QStringLiteral("color: #b71c1c; font-weight: bold;"));
    QSizePolicy keepRoom = note->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    note->setSizePolicy(keepRoom);
    note->hide();
    return note;
}

// The verdict of the last press: green 满足, red 不满足 with the checks that failed.
QLabel* makeVerdict(const ControlPlace& c, QWidget* parent) {
    auto* verdict = new QLabel(parent);
    verdict->setAccessibleName(qs(c.caption));
    verdict->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return verdict;
}

QWidget* makeControl(const ControlPlace& c, QWidget* parent) {
    switch (c.kind) {
        case ControlKind::Frame:
            return new QGroupBox(qs(c.caption), parent);
        case ControlKind::Label:
            return makeLabel(c, parent);
        case ControlKind::Input:
        case ControlKind::Result:
            return makeBox(c, parent);
        case ControlKind::List:
            return makeList(c, parent);
        case ControlKind::Option:
            return new QRadioButton(qs(c.caption), parent);
        case ControlKind::Button:
            return makeButton(c, parent);
        case ControlKind::Report:
            // The calculation text keeps its lines as written; the supplementary design
            // wraps them at the panel's width.
            if (c.name == kChecksPanel) return makeChecksPanel(qs(c.caption), parent);
            return makeReport(c, parent);
        case ControlKind::Figure: {
            auto* figure = new WallFigure(parent);
            figure->setAccessibleName(qs(c.caption));
            return figure;
        }
        case ControlKind::Note:
            return makeNote(c, parent);
        case ControlKind::Verdict:
            return makeVerdict(c, parent);
    }
    return nullptr;
}

QWidget* placedWidget(const Form1Controls& c, std::string_view name) {
    for (const auto& [place, widget] : c.placed) {
        if (place->name == name) return widget;
    }
    return nullptr;
}

template <typename W>
W* named(const Form1Controls& c, std::string_view name) {
    return qobject_cast<W*>(placedWidget(c, name));
}

// The widgets the window reads and writes, found by their control names.
void findRoles(Form1Controls& c) {
    for (std::size_t i = 0; i < kBoxCount; ++i)
        c.boxes[i] = named<QLineEdit>(c, boxName(static_cast<Box>(i)));
    for (std::size_t i = 0; i < kListCount; ++i)
        c.lists[i] = named<QComboBox>(c, listName(static_cast<List>(i)));
    c.Option1 = {named<QRadioButton>(c, "Option1_0"), named<QRadioButton>(c, "Option1_1")};
    c.Command1 = named<QPushButton>(c, "Command1");
    c.Command2 = named<QPushButton>(c, "Command2");
    c.Command3 = named<QPushButton>(c, "Command3");
    c.Text12 = named<QPlainTextEdit>(c, "Text12");
    c.TextChecks = named<QTextEdit>(c, kChecksPanel);
    c.TextChecks->setPlaceholderText(qs(kChecksPlaceholder));
    c.staleNote = named<QLabel>(c, "StaleNote");
    c.verdictLine = named<QLabel>(c, "VerdictLine");
    c.figure = named<WallFigure>(c, "WallFigure");
}

// Every label names its box, list or panel; Tab goes through the controls that take
// typing, choosing or pressing in the table's order (the result boxes take no Tab stop).
void linkControls(const Form1Controls& c) {
    QWidget* previous = nullptr;
    for (const auto& [place, widget] : c.placed) {
        if (place->kind == ControlKind::Label)
            static_cast<QLabel*>(widget)->setBuddy(placedWidget(c, place->buddy));
        const bool tabStop =
            place->kind == ControlKind::Input || place->kind == ControlKind::List ||
            place->kind == ControlKind::Option || place->kind == ControlKind::Button ||
            place->kind == ControlKind::Report;
        if (!tabStop) continue;
        if (previous != nullptr) QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

}  // namespace

QSize clientSize() {
    const Twips area = windowArea();
    return QSize(area.width / kTwipsPerPixel, area.height / kTwipsPerPixel);
}

Form1Controls buildControls(QWidget& page) {
    Form1Controls c;
    for (const ControlPlace& place : windowLayout()) {
        QWidget* parent = place.frame.empty() ? &page : placedWidget(c, place.frame);
        QWidget* widget = makeControl(place, parent);
        widget->setObjectName(qs(place.name));
        c.placed.emplace_back(&place, widget);
    }
    findRoles(c);
    linkControls(c);
    placeControls(c, clientSize());
    return c;
}

}  // namespace wallcalc::app
