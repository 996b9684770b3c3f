#pragma once

#include "protocol/ModemCommand.h"

namespace orvane {

// Where the tone test's commands go from inside its sequences: to the modem
// at once and with no pause of its own, since the sequence paces them.
class ToneLine {
public:
    virtual ~ToneLine() = default;
    virtual void write(const ModemCommand& command) = 0;
};

} // namespace orvane
