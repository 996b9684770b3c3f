#pragma once

namespace orvane {

// Where the in-band status path (statuses met inside an in-band sequence or a
// binary file header) behaves differently from the main one.
struct DispatchRules {
    // The wait for follow-on bytes also clears line errors.
    bool clearLineErrorsWhileWaiting = false;
    // AMTOR_625_LINK and PMODE_LINK arm CommandTimer before their call text.
    bool watchdogOnLinkCallText = false;
    // LINKED switches the link buttons of all three ARQ toolbars, not only Quoral's.
    bool linkedSwitchesAllToolbars = false;
    // DISCONNECTED also restores the Quoral traffic buttons and closes the FAX panel.
    bool disconnectedRestoresQuoralTraffic = false;
    // LINK_FAILED clears panel 6 besides panels 2 to 5.
    bool linkFailedClearsEntryPanel = false;
    // AMTOR_625_LINK also enables butPModeForcedOver.
    bool amtor625EnablesPModeForcedOver = false;
    // PMODE_LINK announces itself with 800 Hz for 1 s instead of the beep.
    bool pmodeLinkTone = false;
    // ECHO_OFF only while not transmitting; ECHO_ON only outside Quoral or on a link.
    bool echoFollowsLinkState = false;
};

inline constexpr DispatchRules kMainPathRules{
    .watchdogOnLinkCallText = true,
    .linkFailedClearsEntryPanel = true,
    .pmodeLinkTone = true,
};

inline constexpr DispatchRules kInBandPathRules{
    .clearLineErrorsWhileWaiting = true,
    .linkedSwitchesAllToolbars = true,
    .disconnectedRestoresQuoralTraffic = true,
    .amtor625EnablesPModeForcedOver = true,
    .echoFollowsLinkState = true,
};

} // namespace orvane
