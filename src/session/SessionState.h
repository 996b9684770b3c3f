#pragma once

#include "config/ConfigChanged.h"
#include "config/Settings.h"
#include "modes/TerminalModeState.h"
#include "protocol/handshake/ModemIdentity.h"
#include "protocol/link/LinkState.h"
#include "protocol/status/StatusRecords.h"

namespace orvane {

// What the console knows, shared by the session that keeps it up to date
// and the windows that show it: the settings, whether they differ from the
// file, the modem's identity, the link, the modem's reports and the
// terminal's state. It comes before both, so each can be built with it.
struct SessionState {
    Settings settings;
    ConfigChanged configChanged;
    ModemIdentity identity;
    LinkState link;
    StatusRecords records;
    TerminalModeState terminal;
};

} // namespace orvane
