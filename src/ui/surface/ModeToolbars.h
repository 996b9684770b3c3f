#pragma once

#include "controls/ToolbarButtons.h"

#include <QString>

#include <functional>

class QAction;
class QMainWindow;

namespace orvane {

// The six mode toolbars, added to the window hidden. Each button is a QAction
// carrying its control's object name with its caption, hint, image and
// initial enabled state, so the surface and tests reach every button with
// findChild<QAction*>(name), like the menu items.
void buildModeToolbars(QMainWindow& window);

// Connects `handler` to every toolbar button of `role`, so one handler serves
// the same button on every toolbar (Connect for all Connect and Call buttons).
// Returns how many buttons it connected.
int connectToolbarButtons(QMainWindow& window, ButtonRole role, std::function<void()> handler);

// The toolbar button named `name`, or nullptr.
QAction* toolbarButton(const QMainWindow& window, const QString& name);

} // namespace orvane
