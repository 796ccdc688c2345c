#include "line_breaks.hpp"

namespace wallcalc::app {

QString shownText(std::string_view engineText) {
    QString text = QString::fromUtf8(engineText.data(), static_cast<qsizetype>(engineText.size()));
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
