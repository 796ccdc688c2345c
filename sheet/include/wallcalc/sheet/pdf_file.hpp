#pragma once
// A calculation sheet as a PDF file, written by the program's own PDF writer. The file is
// written whole or not at all: it is made in memory and written in one go to a temporary
// file in the same folder, which replaces the target only when all of it is written.
#include <optional>
#include <string>
#include <vector>

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

struct SheetPdfWritten {
    std::optional<WriteFailure> failure;  // nothing was written
    // Characters of the sheet that no installed face has: printed as the face's "missing"
    // glyph, which the host must say (see unprintableMessage).
    std::vector<char32_t> unprintable;
    // What the sheet drew that the PDF writer does not write and left out: a fault of the
    // program, which its tests look for.
    std::vector<std::string> notWritten;
};

SheetPdfWritten writeSheetPdf(const CalculationSheet& sheet, const std::string& path);

// What the host says of characters that could not be printed, each named by its code and
// itself: "计算书中有字体缺少的字符，未能印出：U+E000“”".
std::string unprintableMessage(const std::vector<char32_t>& characters);

// Today's date as the sheet prints it (2024-05-01).
std::string today();

}  // namespace wallcalc::sheet
