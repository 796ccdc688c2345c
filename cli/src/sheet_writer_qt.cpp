// The sheet writer of a build with Qt: the calculation sheet library on a QGuiApplication.
#include <QDate>
#include <QGuiApplication>
#include <cstdio>

#include "sheet_writer.hpp"
#include "wallcalc/sheet/pdf_file.hpp"

namespace wallcalc::cli {
namespace {

// Qt's notes on its platform (no runtime folder, no display) mean nothing to someone
// who asked for a PDF; only its errors are passed on.
void onlyErrors(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "wallcalc-cli: %s\n", qPrintable(message));
    }
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
    }

    std::optional<std::string> write(const PressResult& press, std::string_view name,
                                     const std::string& path) override {
        sheet::CalculationSheet s = sheet::sheetOf(press);
        s.name = name;
        s.date = date_.empty() ? sheet::today() : date_;
        if (const auto failed = sheet::writeSheetPdf(s, path)) {
            return "cannot write " + failed->file + ": " + failed->reason;
        }
        return std::nullopt;
    }

  private:
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
        why = "--date takes a date as YYYY-MM-DD, not " + date;
        return nullptr;
    }
    return std::make_unique<QtSheetWriter>(program, date);
}

}  // namespace wallcalc::cli
