#pragma once

class QWidget;

namespace orvane {

class ConfigChanged;
class ModeSurface;
class Prompter;
class PumpLine;
class SupervisionTimers;
class TransmitPaneText;
struct LinkState;
struct RoutingFlags;
struct Settings;
struct TerminalModeState;

// What the operator's toolbar operations share: the settings, the link
// picture, the window's controls, the modem line and the transmit pane.
struct OperationContext {
    Settings& settings;
    ConfigChanged& configChanged;
    LinkState& link;
    TerminalModeState& terminal;
    ModeSurface& surface;
    SupervisionTimers& timers;
    PumpLine& line;
    RoutingFlags& routing;
    TransmitPaneText& txPane;
    Prompter& prompter;
    QWidget& mainWindow;
};

} // namespace orvane
