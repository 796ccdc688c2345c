#pragma once
// Answers the dialogs other than message boxes that a command opens, while the dialog's
// own event loop runs: a file dialog with a file name (or cancels it when given none), the
// "计算书信息" dialog with the project typed into its lines. Counts the dialogs it saw;
// any other dialog is cancelled.
#include <QObject>
#include <QString>
#include <QTimer>
#include <optional>

#include "wallcalc/engine/project.hpp"

namespace wallcalc::app::testing {

class DialogAnswer : public QObject {
  public:
    explicit DialogAnswer(QString file = {}, std::optional<ProjectInfo> project = {});
    int seen() const { return seen_; }
    QString lastTitle() const { return lastTitle_; }

  private:
    void answer();

    QString file_;
    std::optional<ProjectInfo> project_;
    QTimer timer_;
    int seen_ = 0;
    QString lastTitle_;
};

}  // namespace wallcalc::app::testing
