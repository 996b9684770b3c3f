#include "session/QueuedEndOfLine.h"

#include "config/Settings.h"
#include "modes/TerminalModeState.h"
#include "session/ModemLine.h"

namespace orvane {

void QueuedEndOfLine::queueEndOfLineIfSyncIdle() {
    if (settings_.B_SyncIdle != "ON" && settings_.S_SyncIdle != "ON") return;
    line_.sendText(std::string_view(terminal_.endOfLineSequence));
}

} // namespace orvane
