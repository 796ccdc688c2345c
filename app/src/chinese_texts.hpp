#pragma once
// The program speaks Chinese, and so do Qt's own texts in it: the standard buttons (确定,
// 取消, 保存), the file and print dialogs and their messages, from Qt's translations
// (Debian qt6-translations-l10n). Chinese is also the default locale, for the dates and
// sizes the file dialog shows.
class QCoreApplication;

namespace wallcalc::app {

// Installs Qt's Chinese translations into `application`; returns whether they were found.
bool useChineseTexts(QCoreApplication& application);

}  // namespace wallcalc::app
