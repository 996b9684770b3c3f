#pragma once

namespace orvane {

class ConfigChanged;
class ModeSurface;
class PumpLine;
class TransmitPaneText;
struct LinkState;
struct Settings;

// What the operator's toolbar operations share: the settings and their
// changed mark, the link picture, the window's controls, the modem line and
// the transmit pane.
struct OperationContext {
    Settings& settings;
    ConfigChanged& configChanged;
    LinkState& link;
    ModeSurface& surface;
    PumpLine& line;
    TransmitPaneText& txPane;
};

} // namespace orvane
