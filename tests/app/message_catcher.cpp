#include "message_catcher.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace wallcalc::app::testing {

MessageCatcher::MessageCatcher() {
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
    seen_.append(m);
    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
        ok->click();
    } else {
        box->reject();  // a box without OK is a fault the test reports; don't hang on it
    }
}

}  // namespace wallcalc::app::testing
