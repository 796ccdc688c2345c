#pragma once
// The fonts of the window. Every label, box and list uses one 9 pt sans face that holds
// both the Chinese and the Latin glyphs, so digits and units line up and a result such
// as 3463.606 fits its box; the calculation text uses Microsoft Sans Serif on machines
// that have it.
#include <QFont>

namespace wallcalc::app {

// WenQuanYi Micro Hei where installed, else the system's sans; 9 pt.
QFont windowFont();

// Microsoft Sans Serif where installed, else WenQuanYi Micro Hei, else the system's
// sans; 9.75 pt. Chinese glyphs missing from the face come from Qt's font fallback.
QFont reportFont();

}  // namespace wallcalc::app
