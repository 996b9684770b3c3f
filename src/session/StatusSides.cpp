#include "session/StatusSides.h"

#include "serial/EchoCounter.h"
#include "serial/ModemPort.h"
#include "serial/RoutingFlags.h"
#include "session/PortSession.h"

namespace orvane {

void SessionStatusSide::setEchoMode(bool on) {
    routing_.EchoMode = on;
}

void SessionStatusSide::resetEchoPending() {
    echoes_.reset();
}

void SessionStatusSide::clearLineErrors() {
    if (ModemPort* serial = port_.port()) serial->lineStatus();
}

} // namespace orvane
