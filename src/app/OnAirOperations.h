#pragma once

#include "operations/broadcast/BroadcastPanels.h"
#include "operations/broadcast/Broadcasts.h"
#include "operations/tones/TestTones.h"
#include "operations/tones/ToneTestBox.h"

namespace orvane {

class Clock;
class CommandSender;
class MainWindow;
class ModeSurface;
class Prompter;
class RoutingSwitch;
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
        Clock& clock;
        Prompter& prompter;
        RoutingSwitch& routing;
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
