#pragma once

#include "protocol/link/OperatingMode.h"

#include <string>
#include <string_view>

namespace orvane {

// Standby with or without listening for other stations' calls.
enum class ListenMode : int { Standby = 1, Listening = 2 };

// Which end of an ARQ link sends information; Unknown until the modem says.
enum class IssIrs : int { Unknown = 0, Irs = 1, Iss = 2 };

// `Listen` "ON" (exactly) starts the console listening.
ListenMode listenModeFromSetting(std::string_view listen);

// The host-side picture of the link. Written by the status dispatchers and by
// the operator's actions; read by whatever decides what the window offers.
struct LinkState {
    OperatingMode operatingMode = OperatingMode::Quoral;
    // The mode to return to when the current link or broadcast ends.
    OperatingMode savedOperatingMode = OperatingMode::Quoral;
    bool linkUp = false;
    // The other station of the link now up or last up; empty when the modem names none.
    std::string linkedCall;
    ListenMode listenMode = ListenMode::Standby;
    bool answerCqPending = false; // a CQ heard may be answered
    bool cqPending = false;       // the modem is calling CQ
    bool txActive = false;        // the modem reported transmit and not yet receive
    IssIrs issIrs = IssIrs::Unknown;

    // "STBY-LISTEN" while listening, else "STBY".
    std::string standbyText() const;
    // The link has ended: back to the saved mode, and out of any broadcast.
    void returnToSavedMode();
    // A port freshly opened: no link, no CQ, no transmission, roles unknown.
    void clearLinkFlags();
};

} // namespace orvane
