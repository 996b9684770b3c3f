#pragma once

class QMenuBar;

namespace orvane {

// Builds the main menu bar: every menu and item with its name, caption,
// shortcut and initial state. Items are QActions named after their controls
// (mnuFilesExit, saveconfig, ...) so handlers and tests find them by name.
void buildMainMenus(QMenuBar& bar);

} // namespace orvane
