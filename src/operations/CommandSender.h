#pragma once

#include "protocol/ModemCommand.h"

namespace orvane {

// Where the operations send their commands: each goes to the transmit queue
// the way its kind asks (a plain command keeps the window alive for 50 ms).
class CommandSender {
public:
    virtual ~CommandSender() = default;
    virtual void send(const ModemCommand& command) = 0;
};

} // namespace orvane
