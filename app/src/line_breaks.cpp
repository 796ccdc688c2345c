#include "line_breaks.hpp"

#include "qt_text.hpp"

namespace wallcalc::app {

QString shownText(std::string_view engineText) {
    QString text = qs(engineText);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

std::string engineText(const QString& shown) {
    QString text = shown;
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text.toStdString();
}

}  // namespace wallcalc::app
