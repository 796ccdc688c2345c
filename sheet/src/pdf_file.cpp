#include "wallcalc/sheet/pdf_file.hpp"

#include <QDate>
#include <QPdfWriter>
#include <QSaveFile>

#include "wallcalc/sheet/sheet_rendering.hpp"

namespace wallcalc::sheet {

std::optional<WriteFailure> writeSheetPdf(const CalculationSheet& sheet, const std::string& path) {
    // QSaveFile writes to a temporary file beside the target and renames it on commit;
    // on any failure the temporary file is removed and the target left as it was.
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly))
        return WriteFailure{path, file.errorString().toStdString()};
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
    if (!file.commit()) return WriteFailure{path, file.errorString().toStdString()};
    return std::nullopt;
}

std::string today() {
    return QDate::currentDate().toString(Qt::ISODate).toStdString();
}

}  // namespace wallcalc::sheet
