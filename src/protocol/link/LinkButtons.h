#pragma once

#include "controls/ToolbarButtons.h"

#include <span>
#include <vector>

namespace orvane {

class ConsoleSurface;

// Where an ARQ toolbar's buttons (Connect, Disconnect, Panic, OVER, Forced
// OVER, the broadcast button, Call CQ, Foxes, and Quoral's traffic buttons:
// transmit enable, the two message buttons and the two "de MY") stand.
enum class LinkSituation {
    TorLinked,        // an AMTOR or P-Mode link is up: OVER and Forced OVER come alive
    QuoralLinked,     // a Quoral link is up: no CQ, no broadcast, OVER off
    Broadcasting,     // a broadcast is on the air
    FecBroadcasting,  // an AMTOR broadcast is on the air: CQ may be sent in it
    UnprotoRateAsked, // the P-Mode unproto rate is asked: CQ may be sent in it
    LinkEnded,        // a link has ended: Connect again, nothing left to end
    StandbyReported,  // the modem reports standby: Connect and the broadcast again
    BroadcastDropped, // Panic dropped an AMTOR broadcast
    CallingCq,        // the modem calls CQ or answers one
    CallRequested,    // the operator had the modem call: Panic may stop it
    FaxBusy,          // a FAX transfer runs: Panic only
    FaxReleased,      // the FAX transfer is over: the traffic buttons again
    TrafficRestored,  // the Quoral traffic buttons and Call CQ again
};

// One button's enabled state.
struct ButtonState {
    Control control;
    bool enabled;
    bool operator==(const ButtonState&) const = default;
};

// The link buttons of `toolbar` in `situation`, in a fixed order. A button
// the situation leaves as it was, or the toolbar lacks, is not listed.
std::vector<ButtonState> linkButtons(Toolbar toolbar, LinkSituation situation);

// Shows `situation` on the toolbar, or on each of the toolbars.
void showLinkButtons(ConsoleSurface& surface, Toolbar toolbar, LinkSituation situation);
void showLinkButtons(ConsoleSurface& surface, std::span<const Toolbar> toolbars,
                     LinkSituation situation);

} // namespace orvane
