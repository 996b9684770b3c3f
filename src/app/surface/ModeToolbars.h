#pragma once

#include <QString>

#include <functional>

class QAction;
class QMainWindow;

namespace orvane {

// The six mode toolbars (QORToolBar, AmtorToolBar, PModeToolBar,
// BaudotToolBar, AsciiToolBar, PSKToolBar), added to the window hidden. Each
// button is a QAction named after its control (butQORConnect, ...) with its
// caption, hint, image and initial enabled state, so the surface and tests
// reach every button with findChild<QAction*>(name), like the menu items.
void buildModeToolbars(QMainWindow& window);

// Receives the name of the button that was clicked, so one handler serves
// the same button on every toolbar (butConnectClick for all Connect and Call
// buttons).
using ToolbarHandler = std::function<void(const QString& buttonName)>;

// Connects `handler` to every toolbar button whose click handler is
// `handlerName` ("butConnectClick", "butPanicClick", "butTXEnableClick", ...).
// Returns how many buttons it connected; 0 means a misspelt handler name.
int connectToolbarHandler(QMainWindow& window, const QString& handlerName, ToolbarHandler handler);

// The toolbar button named `name`, or nullptr.
QAction* toolbarButton(const QMainWindow& window, const QString& name);

} // namespace orvane
