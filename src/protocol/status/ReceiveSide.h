#pragma once

namespace orvane {

// The receive routing and the port as the status handlers need them.
class ReceiveSide {
public:
    virtual ~ReceiveSide() = default;
    // Data items are the modem's echo of what we sent.
    virtual void setEchoMode(bool on) = 0;
    // No more echoes are awaited (EchoPending := 0 under its lock).
    virtual void resetEchoPending() = 0;
    // The port's line status query, which clears a pending line error.
    virtual void clearLineErrors() = 0;
};

} // namespace orvane
