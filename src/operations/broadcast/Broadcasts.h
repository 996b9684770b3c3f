#pragma once

namespace orvane {

class BroadcastView;
class CommandSender;
class ModeSurface;
struct LinkState;
struct Settings;
enum class MenuEvent;

// Sending without a link: the Quoral broadcast, the three AMTOR broadcasts
// (FEC Mode B, selective FEC to a group call, converse FEC) and the P-Mode
// unproto broadcast; in Baudot the same toolbar place sends LTRS. A
// broadcast lasts until Disconnect, Panic or the modem's return to standby.
class Broadcasts {
public:
    Broadcasts(LinkState& link, Settings& settings, CommandSender& sender, ModeSurface& surface,
               BroadcastView& view)
        : link_(link), settings_(settings), sender_(sender), surface_(surface), view_(view) {}

    // The FEC button of the Quoral, AMTOR, P-Mode and Baudot toolbars.
    void butFECClick();
    // The FEC mode panel: OK and Cancel.
    void butFECOKClick();
    void butFECCancelClick();
    // The group call panel: OK and Cancel.
    void acceptGroupCall();
    void cancelGroupCall();
    // The FEC rate panel: OK and Cancel.
    void acceptFecRate();
    void cancelFecRate();

    // For Disconnect: a broadcast is on the air, and how long the disconnect
    // notice stays up (a Quoral broadcast takes longer to end).
    bool isBroadcasting() const;
    int disconnectNoticeMs() const;
    // For Panic: an AMTOR broadcast is dropped at once, back to AMTOR standby.
    void panicEndsAmtorBroadcast();

private:
    void startQuoralBroadcast();
    void startAmtorBroadcast(MenuEvent started);

    LinkState& link_;
    Settings& settings_;
    CommandSender& sender_;
    ModeSurface& surface_;
    BroadcastView& view_;
};

} // namespace orvane
