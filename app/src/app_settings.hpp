#pragma once
// What the window keeps between starts, in the user's settings of the program (organisation
// and application "wallcalc"): the recent files (recent_files.hpp) and the design basis the
// engineer chose last, with which a window opens and a new wall starts. A wall file keeps
// its own basis; the command line, a session and a batch row always start on the engine's.
#include <QSettings>

#include "wallcalc/engine/controls.hpp"

namespace wallcalc::app {

QSettings appSettings();

// The basis chosen last; GB 50010-2002, the engine's, when none was kept or what was kept
// names no basis.
Basis rememberedBasis();
void rememberBasis(Basis basis);

}  // namespace wallcalc::app
