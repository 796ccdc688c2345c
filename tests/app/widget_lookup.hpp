#pragma once
// A window's widget by its object name, for tests that drive the real widgets: a name the
// window lacks ends the test program at once, naming it.
#include <QObject>
#include <QString>
#include <QtGlobal>

namespace wallcalc::app::testing {

template <typename W>
W* widget(const QObject& window, const QString& name) {
    W* w = window.findChild<W*>(name);
    if (w == nullptr) qFatal("no widget %s", qPrintable(name));
    return w;
}

}  // namespace wallcalc::app::testing
