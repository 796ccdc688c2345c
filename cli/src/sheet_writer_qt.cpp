// The sheet writer of a build with Qt: the calculation sheet library on a QGuiApplication.
// Sheets may be written from several threads at once: each writes its own PDF with its
// own painter, and Qt's font database serves them all; the sheet's faces are made ready
// on the application's thread first.
#include <unistd.h>
#include <QDate>
#include <QGuiApplication>
#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "wallcalc/cli/sheet_writer.hpp"
#include "wallcalc/cli/texts.hpp"
#include "wallcalc/sheet/model_sheet_rendering.hpp"
#include "wallcalc/sheet/pdf_file.hpp"
#include "wallcalc/sheet/sheet_rendering.hpp"

namespace wallcalc::cli {
namespace {

// Qt's notes on its platform (no runtime folder, no display) mean nothing to someone
// who asked for a PDF; only its errors are passed on.
void onlyErrors(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "wallcalc-cli：%s\n", qPrintable(message));
    }
}

// Qt tells why a file could not be written in English. The system's reason for the same
// attempt (a file made in the same folder) is told in Chinese; Qt's stands when that
// attempt succeeds.
std::string reasonFor(const std::string& path, const std::string& qtReason) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::is_directory(path, ec)) return fileErrorReason(EISDIR);
    fs::path folder = fs::path(path).parent_path();
    if (folder.empty()) folder = ".";
    std::string probe = (folder / ".wallcalc-XXXXXX").string();
    const int fd = mkstemp(probe.data());
    if (fd < 0) return fileErrorReason(errno);
    close(fd);
    fs::remove(probe, ec);
    return qtReason;
}

class QtSheetWriter final : public SheetWriter {
  public:
    QtSheetWriter(const char* program, std::string date) : date_(std::move(date)) {
        // A terminal, a script or a build server has no display; fonts and PDFs need none.
        if (qEnvironmentVariableIsEmpty("DISPLAY") &&
            qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
            qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        // Qt is given the program name only: the command line's own options (--session
        // among them) are not Qt's.
        argv_[0] = const_cast<char*>(program);
        qInstallMessageHandler(onlyErrors);
        application_ = std::make_unique<QGuiApplication>(argc_, argv_);
        // Here, before any thread writes a sheet.
        sheet::prepareSheetFaces();
        if (date_.empty()) date_ = sheet::today();
    }

    SheetOutcome write(const PressResult& press, std::string_view name, const ProjectInfo& project,
                       const std::string& path) override {
        sheet::CalculationSheet s = sheet::sheetOf(press);
        s.name = name;
        s.project = project;
        s.date = date_;
        return outcomeOf(sheet::writeSheetPdf(s, path));
    }

    SheetOutcome writeModel(const model::WallModel& model, const model::ModelPress& press,
                            const std::string& path) override {
        sheet::ModelSheet s = sheet::modelSheetOf(model, press);
        s.date = date_;
        return outcomeOf(sheet::writeModelSheetPdf(s, path));
    }

  private:
    static SheetOutcome outcomeOf(const sheet::SheetPdfWritten& written) {
        if (const auto& failed = written.failure) {
            return {"无法写入" + inQuotes(failed->file) + "：" +
                        reasonFor(failed->file, failed->reason),
                    {}};
        }
        SheetOutcome outcome;
        if (!written.unprintable.empty())
            outcome.warning = sheet::unprintableMessage(written.unprintable);
        for (const std::string& left : written.notWritten) {
            if (!outcome.warning.empty()) outcome.warning += "；";
            outcome.warning += "计算书中有未能写入PDF的绘制（" + left + "）";
        }
        return outcome;
    }

    std::string date_;
    int argc_ = 1;
    char* argv_[2] = {nullptr, nullptr};
    std::unique_ptr<QGuiApplication> application_;
};

}  // namespace

std::unique_ptr<SheetWriter> openSheetWriter(const char* program, const std::string& date,
                                             std::string& why) {
    const QDate parsed = QDate::fromString(QString::fromStdString(date), Qt::ISODate);
    if (!date.empty() &&
        (!parsed.isValid() || parsed.toString(Qt::ISODate).toStdString() != date)) {
        why = "--date 应为 YYYY-MM-DD 形式的日期（如 2024-05-01），而不是" + inQuotes(date);
        return nullptr;
    }
    return std::make_unique<QtSheetWriter>(program, date);
}

}  // namespace wallcalc::cli
