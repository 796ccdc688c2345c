#pragma once
// The window a test drives through its real widgets: made, shown and exposed; its widgets
// by object name; clicks and typing as the engineer makes them.
#include <QAbstractButton>
#include <QLineEdit>
#include <QString>
#include <QtTest>
#include <memory>

#include "form1.hpp"

namespace wallcalc::app::testing {

// A window's widget by its object name: a name the window lacks ends the test program at
// once, naming it.
template <typename W>
W* widget(const QObject& window, const QString& name) {
    W* w = window.findChild<W*>(name);
    if (w == nullptr) qFatal("no widget %s", qPrintable(name));
    return w;
}

class WindowUnderTest {
  protected:
    std::unique_ptr<Form1> form_;

    // A new window, shown; false when it was never exposed.
    [[nodiscard]] bool open() {
        form_ = std::make_unique<Form1>();
        form_->show();
        return QTest::qWaitForWindowExposed(form_.get());
    }
    template <typename W>
    W* get(const QString& name) {
        return widget<W>(*form_, name);
    }
    void click(const QString& name) {
        QTest::mouseClick(get<QAbstractButton>(name), Qt::LeftButton);
    }
    // The box's text replaced by typing.
    void type(const QString& name, const QString& text) {
        QLineEdit* edit = get<QLineEdit>(name);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
};

}  // namespace wallcalc::app::testing
