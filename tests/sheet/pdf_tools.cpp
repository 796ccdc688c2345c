#include "pdf_tools.hpp"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace wallcalc::testing {
namespace {

QString run(const QString& tool, const QStringList& args) {
    QProcess process;
    process.start(tool, args);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

bool popplerInstalled() {
    for (const char* tool : {"pdftotext", "pdfinfo", "pdffonts"}) {
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty()) return false;
    }
    return true;
}

QString pdfText(const QString& path, bool layout) {
    QStringList args{QStringLiteral("-enc"), QStringLiteral("UTF-8")};
    if (layout) args << QStringLiteral("-layout");
    return run(QStringLiteral("pdftotext"), args << path << QStringLiteral("-"));
}

int pdfPages(const QString& path) {
    const QString info = run(QStringLiteral("pdfinfo"), {path});
    const auto match =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
            .match(info);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

QStringList pdfFonts(const QString& path) {
    QStringList lines = run(QStringLiteral("pdffonts"), {path}).split(QLatin1Char('\n'));
    lines.removeAll(QString());
    return lines.mid(2);  // past the heading and its rule
}

QList<PdfWord> pdfWords(const QString& path) {
    const QString html =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-enc"),
                                          QStringLiteral("UTF-8"), path, QStringLiteral("-")});
    static const QRegularExpression page(
        QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">"));
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">"
        "([^<]*)</word>"));
    QList<PdfWord> words;
    QRectF pageBox;
    qsizetype at = 0;
    while (true) {
        const auto nextPage = page.match(html, at);
        const auto nextWord = word.match(html, at);
        if (!nextWord.hasMatch()) break;
        if (nextPage.hasMatch() && nextPage.capturedStart() < nextWord.capturedStart()) {
            pageBox =
                QRectF(0, 0, nextPage.captured(1).toDouble(), nextPage.captured(2).toDouble());
            at = nextPage.capturedEnd();
            continue;
        }
        const QRectF box(QPointF(nextWord.captured(1).toDouble(), nextWord.captured(2).toDouble()),
                         QPointF(nextWord.captured(3).toDouble(), nextWord.captured(4).toDouble()));
        words.append({nextWord.captured(5), box, pageBox});
        at = nextWord.capturedEnd();
    }
    return words;
}

bool qpdfInstalled() {
    return !QStandardPaths::findExecutable(QStringLiteral("qpdf")).isEmpty();
}

bool qpdfFindsNoFault(const QString& path, QString* report) {
    QProcess process;
    process.start(QStringLiteral("qpdf"), {QStringLiteral("--check"), path});
    const bool finished = process.waitForFinished(60000);
    if (report != nullptr)
        *report =
            QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
    // Exit status 0: no errors and no warnings.
    return finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QList<QImage> pdfPageImages(const QString& path, int dpi) {
    QTemporaryDir dir;
    QProcess process;
    process.start(QStringLiteral("pdftoppm"), {QStringLiteral("-gray"), QStringLiteral("-r"),
                                               QString::number(dpi), path, dir.filePath("page")});
    QList<QImage> pages;
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return pages;
    // page-1.pgm, page-2.pgm … (numbered with as many digits as the last page has)
    QStringList files = QDir(dir.path()).entryList({QStringLiteral("page-*.pgm")}, QDir::Files);
    files.sort();
    for (const QString& file : files)
        pages.append(QImage(dir.filePath(file)).convertToFormat(QImage::Format_Grayscale8));
    return pages;
}

QString withoutBlanks(QString text) {
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    return text.remove(blanks);
}

QString printedInLine(const wallcalc::report::TypesetLine& line) {
    QString out;
    for (const wallcalc::report::Item& item : line.items) {
        const auto* run = std::get_if<wallcalc::report::Run>(&item);
        if (run == nullptr || run->script == wallcalc::report::Script::Super) return {};
        out += QString::fromStdString(run->text);
    }
    return out;
}

}  // namespace wallcalc::testing
