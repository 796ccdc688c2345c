#pragma once
// The figure of a sheet filled from its press: the wall's elevations, the chosen water
// level and the characteristic load on the strip, with the lines that add it up from the
// loads of the calculation text.
#include "wallcalc/sheet/calculation_sheet.hpp"

namespace wallcalc::sheet {

SheetFigure figureOf(const PressResult& press);

}  // namespace wallcalc::sheet
