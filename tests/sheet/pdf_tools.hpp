#pragma once
// Poppler's command-line tools (poppler-utils) on a PDF, for the tests that read back
// what a calculation sheet printed: its text, its pages, its fonts and where each word
// stands. Tests skip these checks when the tools are not installed.
#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

#include "wallcalc/report/typeset.hpp"

namespace wallcalc::testing {

bool popplerInstalled();

// pdftotext: the text of every page, in reading order (`layout` keeps the columns).
QString pdfText(const QString& path, bool layout = false);

// pdfinfo: the number of pages, 0 when the file is not a PDF.
int pdfPages(const QString& path);

// pdffonts: one line per font, as the tool prints it (name, type, encoding, emb …).
QStringList pdfFonts(const QString& path);

// pdftotext -bbox: every word with its box in points, and the size of its page.
struct PdfWord {
    QString text;
    QRectF box;
    QRectF page;
};
QList<PdfWord> pdfWords(const QString& path);

// qpdf --check: whether the file's structure and streams are sound (true when qpdf is not
// installed, which qpdfInstalled tells).
bool qpdfInstalled();
bool qpdfFindsNoFault(const QString& path, QString* report = nullptr);

// pdftoppm -gray: every page rendered at `dpi`, in shades of grey.
QList<QImage> pdfPageImages(const QString& path, int dpi);

// The text with every blank and line break taken out: wrapped lines and the columns of
// a table then compare as the characters they are.
QString withoutBlanks(QString text);

// The characters a typeset line prints, where they read back in order from the text of
// the page: a line with neither a fraction nor a raised power (both set apart from the
// line's baseline); nothing for others.
QString printedInLine(const wallcalc::report::TypesetLine& line);

}  // namespace wallcalc::testing
