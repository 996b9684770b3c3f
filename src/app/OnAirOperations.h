#pragma once

#include "operations/OwnCall.h"
#include "operations/broadcast/Broadcasts.h"
#include "operations/tones/TestTones.h"
#include "ui/broadcast/BroadcastPanels.h"
#include "ui/tones/ToneTestBox.h"

namespace orvane {

class ConsoleWindows;
class ModemSession;
struct ConsoleServices;
struct SessionState;

// Broadcasts and test tones with their panels on the main window, connected
// to the Broadcast/Unproto/LTRS buttons and the menu item "Te&st Tones".
class OnAirOperations {
public:
    OnAirOperations(const ConsoleServices& services, SessionState& state, ModemSession& session,
                    ConsoleWindows& windows);

    Broadcasts& broadcasts() { return broadcasts_; }
    TestTones& testTones() { return tones_; }

private:
    ToneTestBox toneTestBox_;
    TestTones tones_;
    OwnCallGate ownCall_;
    BroadcastPanels panels_;
    Broadcasts broadcasts_;
};

} // namespace orvane
