#pragma once

#include "terminal/keys/KeyTable.h"

namespace orvane {

// Whatever runs the operations of the key table. The dispatcher decides which
// action a key asks for; the target does it.
class KeyActionTarget {
public:
    virtual ~KeyActionTarget() = default;
    virtual void runKeyAction(KeyAction action) = 0;
};

} // namespace orvane
