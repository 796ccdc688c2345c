#pragma once
// A calculation sheet as a PDF file. The file is written whole or not at all: the pages
// go to a temporary file in the same folder, which replaces the target only when every
// page is written.
#include <optional>
#include <string>

#include "wallcalc/sheet/calculation_sheet.hpp"

namespace wallcalc::sheet {

// Why a file could not be written: the file as it was asked for, and the reason.
struct WriteFailure {
    std::string file;
    std::string reason;
};

std::optional<WriteFailure> writeSheetPdf(const CalculationSheet& sheet, const std::string& path);

// Today's date as the sheet prints it (2024-05-01).
std::string today();

}  // namespace wallcalc::sheet
