#include "wallcalc/sheet/pdf_file.hpp"

#include <QDate>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

#include "pdf/pdf_device.hpp"
#include "sheet_style.hpp"
#include "wallcalc/sheet/model_sheet_rendering.hpp"
#include "wallcalc/sheet/sheet_rendering.hpp"

namespace wallcalc::sheet {
namespace {

// The device's pixels per inch: those of the QPdfWriter the sheets were written with before,
// so that the page's paintable area (a whole number of pixels) stands where it stood.
constexpr int kPdfDpi = 600;

// Draws a sheet's pages onto a device, starting each page after the first by `newPage`.
using Drawing = std::function<std::optional<std::string>(QPaintDevice&, const NewPage&)>;

// The sheet drawn into a PDF in memory: the file's bytes, or why there are none.
std::optional<std::string> drawnSheet(const Drawing& draw, const std::string& title,
                                      SheetPdfWritten& written, std::string& bytes) {
    pdf::PdfDevice device(sheetFaces(), sheetPageLayout(), kPdfDpi);
    std::optional<std::string> failed = draw(device, [&device] { return device.newPage(); });
    std::string failure;
    if (!failed) {
        bytes = device.finish(QString::fromStdString(title), failure);
        if (!failure.empty()) failed = failure;
    }
    written.unprintable = device.missingCharacters();
    written.notWritten = device.notWritten();
    return failed;
}

SheetPdfWritten writePdf(const Drawing& draw, const std::string& title, const std::string& path) {
    SheetPdfWritten written;
    // QSaveFile writes to a temporary file beside the target and renames it on commit;
    // on any failure the temporary file is removed and the target left as it was.
    // A folder in the way is named as such (Qt gives no error code for it).
    if (QFileInfo(QString::fromStdString(path)).isDir()) {
        written.failure = WriteFailure{path, "这是一个文件夹，不是文件", EISDIR};
        return written;
    }
    QSaveFile file(QString::fromStdString(path));
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        const int error = errno;
        written.failure = WriteFailure{path, file.errorString().toStdString(), error};
        return written;
    }
    std::string bytes;
    if (const auto failed = drawnSheet(draw, title, written, bytes)) {
        file.cancelWriting();
        written.failure = WriteFailure{path, *failed};
        return written;
    }
    errno = 0;
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size || !file.commit()) {
        const int error = errno;
        written.failure = WriteFailure{path, file.errorString().toStdString(), error};
    }
    return written;
}

}  // namespace

SheetPdfWritten writeSheetPdf(const CalculationSheet& sheet, const std::string& path) {
    const std::string title = sheet.name.empty() ? sheet.title : sheet.title + " " + sheet.name;
    return writePdf(
        [&sheet](QPaintDevice& device, const NewPage& newPage) {
            return renderSheet(sheet, device, newPage);
        },
        title, path);
}

SheetPdfWritten writeModelSheetPdf(const ModelSheet& sheet, const std::string& path) {
    return writePdf(
        [&sheet](QPaintDevice& device, const NewPage& newPage) {
            return renderModelSheet(sheet, device, newPage);
        },
        sheet.title, path);
}

std::string unprintableMessage(const std::vector<char32_t>& characters) {
    QString named;
    for (const char32_t c : characters) {
        if (!named.isEmpty()) named += QStringLiteral("、");
        const QString code = QString::number(static_cast<uint>(c), 16).toUpper();
        named += QStringLiteral("U+%1“%2”")
                     .arg(code.rightJustified(4, QLatin1Char('0')), QString::fromUcs4(&c, 1));
    }
    return "计算书中有已安装的字体都没有的字符，未能印出：" + named.toStdString();
}

std::string today() {
    return QDate::currentDate().toString(Qt::ISODate).toStdString();
}

}  // namespace wallcalc::sheet
