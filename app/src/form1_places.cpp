// The panels of Form1 that grow with the window: the figure, the line that says the
// results are stale, the calculation text Text12 and the supplementary design.
#include <QLabel>
#include <QPlainTextEdit>

#include "form1_controls.hpp"
#include "form1_geometry.hpp"
#include "twips.hpp"
#include "wall_figure.hpp"
#include "window_fonts.hpp"

namespace wallcalc::app {
namespace {

using namespace geometry;

QPlainTextEdit* addTextPanel(QWidget& page, const char* name, const QString& accessibleName) {
    auto* panel = new QPlainTextEdit(&page);
    panel->setObjectName(QLatin1String(name));
    panel->setFont(reportFont());
    panel->setLineWrapMode(QPlainTextEdit::NoWrap);
    panel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    panel->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    panel->setReadOnly(true);  // the engine's output; selectable and copyable
    panel->setTabChangesFocus(true);
    panel->setAccessibleName(accessibleName);
    return panel;
}

// The share of `extra` pixels that `percent` gives.
int share(int extra, int percent) {
    return extra * percent / 100;
}

}  // namespace

void buildPanels(Form1Controls& c, QWidget& page) {
    c.figure = new WallFigure(&page);
    c.staleNote = new QLabel(QStringLiteral("输入已修改，请重新计算"), &page);
    c.staleNote->setObjectName(QStringLiteral("StaleNote"));
    c.staleNote->setStyleSheet(QStringLiteral("color: #b71c1c; font-weight: bold;"));
    // Hidden while the results are current, without the panels below moving up.
    QSizePolicy keepRoom = c.staleNote->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    c.staleNote->setSizePolicy(keepRoom);
    c.staleNote->hide();
    c.Text12 = addTextPanel(page, "Text12", QStringLiteral("计算过程"));
    c.TextChecks = addTextPanel(page, "TextChecks", QStringLiteral("补充验算"));
    c.TextChecks->setPlaceholderText(QStringLiteral("补充验算将在计算后显示"));
    c.checksCaption = new QLabel(QStringLiteral("补充验算"), &page);
    c.checksCaption->setObjectName(QStringLiteral("Label_TextChecks"));
    c.checksCaption->setBuddy(c.TextChecks);
}

void placePanels(const Form1Controls& c, QSize size) {
    const QSize extra = (size - clientSize()).expandedTo(QSize(0, 0));
    const int middleRight = pixels(kReportRight) + share(extra.width(), kMiddleShare);
    const int checksLeft = pixels(kChecksLeft) + share(extra.width(), kMiddleShare);
    const int checksRight = size.width() - pixels(kMargin);
    const int bottom = size.height() - pixels(kMargin);
    const int figureGrows = share(extra.height(), kFigureShare);

    const QRect figure =
        twips(kFigureLeft, kMargin, kReportRight - kFigureLeft, kFigureBottom - kMargin);
    c.figure->setGeometry(figure.adjusted(0, 0, middleRight - pixels(kReportRight), figureGrows));
    c.staleNote->setGeometry(
        twips(kReportLeft, kStaleTop, kReportRight - kReportLeft, kStaleHeight)
            .adjusted(0, figureGrows, middleRight - pixels(kReportRight), figureGrows));
    c.Text12->setGeometry(QRect(QPoint(pixels(kReportLeft), pixels(kReportTop) + figureGrows),
                                QPoint(middleRight - 1, bottom - 1)));
    // The design basis's frame heads the column of the supplementary design.
    c.basisFrame->move(checksLeft, pixels(kMargin));
    c.checksCaption->setGeometry(
        QRect(QPoint(checksLeft, pixels(kChecksCaptionTop)),
              QPoint(checksRight - 1, pixels(kChecksCaptionTop + kCaptionHeight) - 1)));
    c.TextChecks->setGeometry(
        QRect(QPoint(checksLeft, pixels(kChecksTop)), QPoint(checksRight - 1, bottom - 1)));
}

}  // namespace wallcalc::app
