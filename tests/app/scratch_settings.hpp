#pragma once
// The window keeps settings between starts (the recent files, the design basis chosen
// last). A test keeps them in a scratch folder of its own process, never the user's: Qt's
// test mode for the standard folders, and a temporary folder for the settings, so that
// test programs running side by side (ctest -j) do not read each other's.
namespace wallcalc::app::testing {

// Call once, before the first window opens (initTestCase).
void useScratchSettings();
// Forgets every setting the window kept, as on a machine where it never ran.
void clearSettings();

}  // namespace wallcalc::app::testing
