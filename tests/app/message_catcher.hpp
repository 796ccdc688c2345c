#pragma once
// Closes the message boxes a click opens and remembers what they said. Armed before the
// click: a timer looks for the modal box every few milliseconds while the box's own
// event loop runs, records it and presses its OK button.
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

class QWidget;

namespace wallcalc::app::testing {

struct SeenMessage {
    QString title;
    QString text;
    QWidget* parent = nullptr;
    int buttonCount = 0;
    bool onlyOk = false;  // exactly one button, and it is OK
    bool modal = false;
};

class MessageCatcher : public QObject {
    Q_OBJECT

  public:
    MessageCatcher();
    const QList<SeenMessage>& seen() const { return seen_; }

  private:
    void closeOpenBox();

    QTimer timer_;
    QList<SeenMessage> seen_;
};

}  // namespace wallcalc::app::testing
