#pragma once

#include "operations/broadcast/BroadcastPanels.h"
#include "operations/broadcast/Broadcasts.h"
#include "operations/tones/TestTones.h"
#include "operations/tones/ToneTestBox.h"

namespace orvane {

class CommandSender;
class MainWindow;
class ModeSurface;
class Prompter;
class RoutingSwitch;
class SequenceLine;
class SequenceRunner;
struct LinkState;
struct Settings;

// Broadcasts and test tones with their panels on the main window, connected
// to the Broadcast/Unproto/LTRS buttons and the menu item "Te&st Tones".
class OnAirOperations {
public:
    struct Parts {
        MainWindow& window;
        LinkState& link;
        Settings& settings;
        CommandSender& sender;
        ModeSurface& surface;
        Prompter& prompter;
        RoutingSwitch& routing;
        SequenceLine& line;
        SequenceRunner& sequences;
    };
    explicit OnAirOperations(Parts parts);

    Broadcasts& broadcasts() { return broadcasts_; }
    TestTones& testTones() { return tones_; }

private:
    ToneTestBox toneTestBox_;
    TestTones tones_;
    BroadcastPanels panels_;
    Broadcasts broadcasts_;
};

} // namespace orvane
