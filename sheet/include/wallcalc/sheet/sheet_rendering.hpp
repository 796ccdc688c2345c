#pragma once
// The calculation sheet on paper or in a PDF: A4, the title and date, the inputs, the
// wall figure, the results and the whole calculation text, page numbers at the foot of
// every page. One renderer for every paged device, so that the window's print-out, its
// PDF and the command line's PDF are the same sheet.
#include <functional>
#include <optional>
#include <string>

#include "wallcalc/sheet/calculation_sheet.hpp"

class QPageLayout;
class QPagedPaintDevice;
class QPaintDevice;

namespace wallcalc::sheet {

// Makes the faces the sheet is set in ready: a compact copy of its Chinese face, made for
// quick PDFs, beside the installed face. Done once, on the first sheet at the latest; a
// host that writes sheets on several threads calls it first, on its application's thread.
void prepareSheetFaces();

// The sheet's page: A4 portrait with its margins.
QPageLayout sheetPageLayout();
// Sets the device to the sheet's page.
void setUpSheetPage(QPagedPaintDevice& device);

// Ends the page being drawn and starts the next; false when it could not.
using NewPage = std::function<bool()>;

// Draws the sheet onto `device`, starting with its first page, whose origin is the top
// left of the page's paintable area; `newPage` starts each page after the first. Returns
// why it could not, or nothing when every page was drawn.
std::optional<std::string> renderSheet(const CalculationSheet& sheet, QPaintDevice& device,
                                       const NewPage& newPage);
// The same onto a printer (or any paged device), by its own newPage().
std::optional<std::string> renderSheet(const CalculationSheet& sheet, QPagedPaintDevice& device);

}  // namespace wallcalc::sheet
