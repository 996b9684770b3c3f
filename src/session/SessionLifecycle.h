#pragma once

namespace orvane {

// The session's start and end, as the application hears of them.
class SessionLifecycle {
public:
    virtual ~SessionLifecycle() = default;
    // Start-up ended without showing the main window.
    virtual void startupEndedEarly() = 0;
    // The close has said goodbye to the modem.
    virtual void goodbyeSaid() = 0;
};

} // namespace orvane
