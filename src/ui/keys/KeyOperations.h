#pragma once

#include "operations/OperationContext.h"
#include "terminal/keys/KeyActionTarget.h"
#include "terminal/keys/TimeStamps.h"

#include <string>

namespace orvane {

class ArqCalls;
class ModemCommand;
class Clock;
class ConfigurationWindows;
class CqAndMessages;
class KeyPanels;
class LinkEnd;
class PaneCommands;
class ReceiveSaving;
class ReceivedCharHandler;
class SyncIdleEndOfLine;
class TestTones;
class TransmitPump;
class TurnTaking;

// What each key of the main window does: text put into the transmit pane,
// single commands, the console's toggles, and the operations of the toolbars
// and menus that a key shares.
class KeyOperations final : public KeyActionTarget {
public:
    struct Parts {
        OperationContext context;
        const Clock& clock;
        TurnTaking& turns;
        LinkEnd& linkEnd;
        ArqCalls& calls;
        CqAndMessages& messages;
        TestTones& tones;
        KeyPanels& panels;
        ReceiveSaving& saving;
        PaneCommands& panes;
        ConfigurationWindows& configuration;
        ReceivedCharHandler& received;
        TransmitPump& pump;
        SyncIdleEndOfLine& endOfLine;
    };
    explicit KeyOperations(Parts parts) : p_(parts) {}

    void runKeyAction(KeyAction action) override;

private:
    void insert(const std::string& text);
    // Bytes put straight onto the transmit queue, without the command's wait.
    void appendToQueue(const ModemCommand& command);
    void insertStamp(TimeStamp kind);
    void toggleCwId();
    void togglePolarity();
    void toggleBell();
    void toggleHuffman();
    void queueQuoralCq();
    void clearTransmitPane();
    void insertOver();
    void endTransmission();
    void showDisconnectPanel(int ms);

    Parts p_;
};

} // namespace orvane
