#pragma once

#include "operations/OperationContext.h"
#include "terminal/keys/TimeStamps.h"

#include <string>

namespace orvane {

class Clock;
class KeyPanels;
class ModemCommand;
class ReceivedCharHandler;
class SupervisionTimers;
class OwnCallGate;
class SyncIdleEndOfLine;

// What only the keys of the main window do: text put into the transmit pane,
// single commands queued as they are, the console's toggles and the clear
// key. The keys that share a toolbar's or a menu's operation run that one.
class KeyOperations {
public:
    struct Parts {
        OperationContext context;
        // The time stamps.
        const Clock& clock;
        // The boxes that show a toggle's new state for a moment.
        SupervisionTimers& timers;
        // CW ID ticks its radio button in the configuration dialog.
        KeyPanels& panels;
        // The bell on a received BEL.
        ReceivedCharHandler& received;
        SyncIdleEndOfLine& endOfLine;
        // The placeholder call sign stays off the air.
        const OwnCallGate& ownCall;
    };
    explicit KeyOperations(Parts parts) : p_(parts) {}

    void insertStamp(TimeStamp kind);
    void insertLettersShifts();
    void insertCurrencySign();
    void insertCallExchange();
    void insertOtherCall();
    void insertOwnCall();

    void sendCwIdNow();
    void queueLetters();

    void toggleCwId();
    void toggleBell();
    void toggleHuffman();
    void markConfigChanged();

    void clearTransmitPane();

private:
    void insert(const std::string& text);
    // Bytes put straight onto the transmit queue, without the command's wait.
    void appendToQueue(const ModemCommand& command);

    Parts p_;
};

} // namespace orvane
