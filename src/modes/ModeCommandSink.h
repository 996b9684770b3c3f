#pragma once

#include "protocol/ModemCommand.h"

namespace orvane {

// Where the set-ups send their commands. The console appends each command to
// the transmit queue and keeps the interface alive for 50 ms, so menu clicks
// and timers may run inside send().
class ModeCommandSink {
public:
    virtual ~ModeCommandSink() = default;
    virtual void send(const ModemCommand& command) = 0;
};

} // namespace orvane
