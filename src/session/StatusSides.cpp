#include "session/StatusSides.h"

#include "serial/EchoCounter.h"
#include "serial/ModemPort.h"
#include "serial/RoutingFlags.h"
#include "session/PortSession.h"

namespace orvane {

void SessionReceiveSide::setEchoMode(bool on) {
    routing_.EchoMode = on;
}

void SessionReceiveSide::resetEchoPending() {
    echoes_.reset();
}

void SessionReceiveSide::clearLineErrors() {
    if (ModemPort* serial = port_.port()) serial->lineStatus();
}

} // namespace orvane
