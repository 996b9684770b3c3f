#pragma once

#include "protocol/ModemCommand.h"
#include "sequence/Task.h"

namespace orvane {

class SequenceRunner;

// Where a running sequence puts its commands: straight onto the transmit
// queue, with no wait, and the routing hold it may ask for.
class SequenceLine {
public:
    virtual ~SequenceLine() = default;
    virtual void write(const ModemCommand& command) = 0;
    virtual void holdRouting(bool held) = 0;
};

// The modem takes a command at most every 50 ms.
inline constexpr int kCommandSpacingMs = 50;

// A step of a sequence: sends one command and waits out the spacing after it.
Task<> sendPaced(ModemCommand command, SequenceLine& line, SequenceRunner& runner);

} // namespace orvane
