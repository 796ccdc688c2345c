#include "message_catcher.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QMessageBox>

namespace wallcalc::app::testing {
namespace {

// The box's buttons in the order they stand on screen.
QList<QAbstractButton*> buttonsShown(QMessageBox& box) {
    QList<QAbstractButton*> buttons = box.findChild<QDialogButtonBox*>()->buttons();
    std::sort(buttons.begin(), buttons.end(),
              [](QAbstractButton* a, QAbstractButton* b) { return a->x() < b->x(); });
    return buttons;
}

}  // namespace

MessageCatcher::MessageCatcher(QStringList answers) : answers_(std::move(answers)) {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &MessageCatcher::closeOpenBox);
    timer_.start();
}

void MessageCatcher::closeOpenBox() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    SeenMessage m;
    m.title = box->windowTitle();
    m.text = box->text();
    m.parent = box->parentWidget();
    m.buttonCount = static_cast<int>(box->buttons().size());
    m.onlyOk = m.buttonCount == 1 && box->button(QMessageBox::Ok) != nullptr;
    m.modal = box->isModal();
    for (QAbstractButton* b : buttonsShown(*box))
        m.buttons << b->text();
    seen_.append(m);
    if (!answers_.isEmpty()) {
        const QString answer = answers_.takeFirst();
        for (QAbstractButton* b : box->buttons()) {
            if (b->text() == answer) {
                b->click();
                return;
            }
        }
    }
    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
        ok->click();
    } else {
        box->reject();  // a box without OK is a fault the test reports; don't hang on it
    }
}

}  // namespace wallcalc::app::testing
