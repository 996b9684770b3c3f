#pragma once

#include "protocol/ModemCommand.h"

namespace orvane {

// The modem as the set-ups see it. The console appends each command to the
// transmit queue and keeps the interface alive for 50 ms, so menu clicks and
// timers may run inside send().
class ModeCommandSink {
public:
    virtual ~ModeCommandSink() = default;
    virtual void send(const ModemCommand& command) = 0;
    // Holds received items back in the RxQueue for `ms` milliseconds while the
    // modem takes new timing; the interface stays alive meanwhile.
    virtual void pauseRoutingFor(int ms) = 0;
};

} // namespace orvane
