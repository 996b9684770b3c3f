#pragma once

namespace orvane {

// What the supervision timers ask of other parts of the console.
class SupervisionHooks {
public:
    virtual ~SupervisionHooks() = default;
    // Raise DTR again after a transient panel (the port's line control).
    virtual void setDtr() = 0;
    // "Modem has stopped responding!": the forced shutdown, which ends the process.
    virtual void modemSilenceShutdown() = 0;
    // After a hardware reset of the modem: back to Quoral, modem set up again
    // (the Code menu's Quoral handler).
    virtual void hardwareResetRecovery() = 0;
};

} // namespace orvane
