#pragma once
// The engine separates lines with CR LF; a Qt text box and a message box break lines at
// LF and would show a lone CR as a stray glyph. These two functions translate between
// the engine's text and the text on screen.
#include <QString>
#include <string>
#include <string_view>

namespace wallcalc::app {

// The engine's UTF-8 text as shown: every CR LF (and any lone CR) becomes one LF.
QString shownText(std::string_view engineText);

// What a multi-line box shows, as the engine wrote it: every line break becomes CR LF.
// Accepts LF and the paragraph separator U+2029 that QTextDocument uses internally.
std::string engineText(const QString& shown);

}  // namespace wallcalc::app
