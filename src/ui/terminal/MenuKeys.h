#pragma once

class QMainWindow;

namespace orvane {

class KeyboardCommands;

// The menu items that a key of the main window also runs, each showing its
// key beside its caption. The keys a window manager may take for itself
// (Alt+F4, Alt+F7, Alt+F8, Alt+F10) stay within reach this way: their items
// run the key through the key table, conditions and all.
void bindMenuKeys(QMainWindow& window, KeyboardCommands& keys);

} // namespace orvane
