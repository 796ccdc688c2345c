#include "wallcalc/sheet/pdf_file.hpp"

#include <QDate>
#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>
#include <cerrno>

#include "wallcalc/sheet/sheet_rendering.hpp"

namespace wallcalc::sheet {

std::optional<WriteFailure> writeSheetPdf(const CalculationSheet& sheet, const std::string& path) {
    // QSaveFile writes to a temporary file beside the target and renames it on commit;
    // on any failure the temporary file is removed and the target left as it was.
    // A folder in the way is named as such (Qt gives no error code for it).
    if (QFileInfo(QString::fromStdString(path)).isDir()) {
        return WriteFailure{path, "这是一个文件夹，不是文件", EISDIR};
    }
    QSaveFile file(QString::fromStdString(path));
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        const int error = errno;
        return WriteFailure{path, file.errorString().toStdString(), error};
    }
    std::optional<std::string> failed;
    {
        QPdfWriter writer(&file);
        writer.setTitle(QString::fromStdString(
            sheet.name.empty() ? sheet.title : sheet.title + " " + sheet.name));
        writer.setCreator(QStringLiteral("wallcalc"));
        writer.setResolution(600);
        setUpSheetPage(writer);
        failed = renderSheet(sheet, writer);
    }
    if (failed) {
        file.cancelWriting();
        return WriteFailure{path, *failed};
    }
    errno = 0;
    if (!file.commit()) {
        const int error = errno;
        return WriteFailure{path, file.errorString().toStdString(), error};
    }
    return std::nullopt;
}

std::string today() {
    return QDate::currentDate().toString(Qt::ISODate).toStdString();
}

}  // namespace wallcalc::sheet
