#pragma once
// The wall model's calculation sheet on paper or in a PDF, on the press's sheet's pages
// (A4, a running head after the first page, page numbers, the red band of a design that
// does not satisfy the codes).
#include <optional>
#include <string>

#include "wallcalc/sheet/model_sheet.hpp"
#include "wallcalc/sheet/pdf_file.hpp"
#include "wallcalc/sheet/sheet_rendering.hpp"

namespace wallcalc::sheet {

// Draws the sheet onto `device` as renderSheet does the press's.
std::optional<std::string> renderModelSheet(const ModelSheet& sheet, QPaintDevice& device,
                                            const NewPage& newPage);

// The sheet as a PDF file, written whole or not at all (as writeSheetPdf).
SheetPdfWritten writeModelSheetPdf(const ModelSheet& sheet, const std::string& path);

}  // namespace wallcalc::sheet
