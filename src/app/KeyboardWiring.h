#pragma once

#include "operations/keys/KeyOperations.h"
#include "operations/keys/KeyPanels.h"
#include "terminal/keys/KeyboardCommands.h"

namespace orvane {

class Clock;
class ConfigurationWindows;
class MainWindow;
class OnAirOperations;
class OperationsWiring;
class PaneCommands;
class ReceiveSaving;
class ReceivedCharHandler;
class SyncIdleEndOfLine;

// The main window's keys: the key table's dispatcher with key preview, the
// operations the keys run and the panels they open.
class KeyboardWiring {
public:
    struct Environment {
        MainWindow& window;
        OperationsWiring& operations;
        OnAirOperations& onAir;
        ConfigurationWindows& configuration;
        ReceiveSaving& saving;
        PaneCommands& panes;
        ReceivedCharHandler& received;
        SyncIdleEndOfLine& endOfLine;
        const Clock& clock;
    };
    explicit KeyboardWiring(const Environment& environment);

    KeyPanels& panels() { return panels_; }
    KeyboardCommands& commands() { return commands_; }

private:
    KeyPanels panels_;
    KeyOperations operations_;
    KeyboardCommands commands_;
};

} // namespace orvane
