#include "checks_panel.hpp"

#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>

#include <QFontMetrics>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextOption>

#include "window_fonts.hpp"

namespace wallcalc::app {

QTextEdit* makeChecksPanel(const QString& accessibleName, QWidget* parent) {
    auto* panel = new QTextEdit(parent);
    panel->setFont(reportFont());
    panel->setAcceptRichText(false);
    panel->setLineWrapMode(QTextEdit::WidgetWidth);
    // At a blank or an operator where one falls in the line, else between two characters:
    // a formula with no blank is never cut short.
    panel->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    panel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    panel->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    panel->setReadOnly(true);
    panel->setTabChangesFocus(true);
    panel->setAccessibleName(accessibleName);
    return panel;
}

int continuationIndent(const QTextEdit& panel) {
    return QFontMetrics(panel.font()).horizontalAdvance(QStringLiteral("补充"));
}

void showChecksText(QTextEdit& panel, const QString& text) {
    panel.setPlainText(text);
    // Each line a paragraph whose first line stands out by the indent of the others.
    QTextBlockFormat hanging;
    hanging.setLeftMargin(continuationIndent(panel));
    hanging.setTextIndent(-continuationIndent(panel));
    QTextCursor all(panel.document());
    all.select(QTextCursor::Document);
    all.mergeBlockFormat(hanging);
    panel.moveCursor(QTextCursor::Start);
}

void markFailedLines(QTextEdit& panel) {
    QTextCharFormat red;
    red.setForeground(QColor(0xb7, 0x1c, 0x1c));
    for (QTextBlock b = panel.document()->begin(); b.isValid(); b = b.next()) {
        const QString text = b.text();
        if (!text.contains(QStringLiteral("不满足")) && !text.contains(QStringLiteral("超筋"))) {
            continue;
        }
        QTextCursor line(b);
        line.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        line.mergeCharFormat(red);
    }
}

}  // namespace wallcalc::app
