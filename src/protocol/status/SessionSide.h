#pragma once

#include "protocol/status/ConsoleActivities.h"
#include "protocol/status/ReceiveSide.h"

namespace orvane {

// The rest of the session as a status reaches it: the receive routing and
// the port, and the console's activities that a change of link state ends
// or adjusts. One object of the session stands for both.
class SessionSide : public ReceiveSide, public ConsoleActivities {};

} // namespace orvane
