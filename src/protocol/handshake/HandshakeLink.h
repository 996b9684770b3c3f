#pragma once

#include "protocol/ModemCommand.h"
#include "sequence/Task.h"
#include "serial/RxQueue.h"

namespace orvane {

// What the handshake needs from the serial link and the main window, and
// nothing more.
class HandshakeLink {
public:
    virtual ~HandshakeLink() = default;

    // The console's send command as a step of the handshake: append to the
    // transmit queue, then wait out the 50 ms spacing.
    virtual Task<> sendCommand(const ModemCommand& command) = 0;
    // Line status query: bytes the driver still has to send.
    virtual int pendingOutput() = 0;
    // The receive queue; the routing thread is not running yet, so the
    // handshake is its only consumer.
    virtual RxQueue& rxQueue() = 0;

    // Closes the port, asks the operator (askForAnotherPort) and reopens the
    // chosen port. False when the operator cancelled the port dialog.
    virtual bool chooseAnotherPort() = 0;

    virtual void setRts(bool on) = 0;
    virtual void setDtr(bool on) = 0;
    // The receive decoder's XON/XOFF filter.
    virtual void setXonXoffFilter(bool on) = 0;
    virtual void reapplyLineConfiguration() = 0;
    // Makes sure the receive and transmit threads run.
    virtual void ensureThreadsRunning() = 0;
    virtual void clearRoutingPaused() = 0;
    virtual void hideMainWindow() = 0;
};

} // namespace orvane
