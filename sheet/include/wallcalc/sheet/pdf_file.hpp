#pragma once
// A calculation sheet as a PDF file. The file is written whole or not at all: the pages
// go to a temporary file in the same folder, which replaces the target only when every
// page is written.
#include <optional>
#include <string>

#include "wallcalc/sheet/calculation_sheet.hpp"

namespace wallcalc::sheet {

// Why a file could not be written: the file as it was asked for, the reason, and the
// system's error code (errno) when the system gave one, so that a host can say it in the
// user's words.
struct WriteFailure {
    std::string file;
    std::string reason;
    int error = 0;
};

std::optional<WriteFailure> writeSheetPdf(const CalculationSheet& sheet, const std::string& path);

// Today's date as the sheet prints it (2024-05-01).
std::string today();

}  // namespace wallcalc::sheet
