#pragma once
// Closes the message boxes a click opens and remembers what they said. Armed before the
// click: a timer looks for the modal box every few milliseconds while the box's own
// event loop runs, records it and answers it: with the button named next in its list of
// answers, else with OK, else by closing it.
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

class QWidget;

namespace wallcalc::app::testing {

struct SeenMessage {
    QString title;
    QString text;
    QStringList buttons;  // the buttons' texts, in the order the box shows them
    QWidget* parent = nullptr;
    int buttonCount = 0;
    bool onlyOk = false;  // exactly one button, and it is OK
    bool modal = false;
};

class MessageCatcher : public QObject {
    Q_OBJECT

  public:
    // `answers`: the texts of the buttons to press, one box after the other.
    explicit MessageCatcher(QStringList answers = {});
    const QList<SeenMessage>& seen() const { return seen_; }

  private:
    void closeOpenBox();

    QTimer timer_;
    QStringList answers_;
    QList<SeenMessage> seen_;
};

}  // namespace wallcalc::app::testing
