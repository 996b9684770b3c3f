#pragma once

#include "sequence/SequenceRunner.h"
#include "serial/LineLoss.h"
#include "session/ModemProbe.h"

#include <memory>
#include <string>

namespace orvane {

class Clock;
class PortSession;
class Prompter;
class Timer;
class UiQueue;
class UiThread;
struct Settings;

// What the console does around a device that went and came back.
class DeviceRecoveryHost {
public:
    virtual ~DeviceRecoveryHost() = default;
    // Status bar panel 1, where the link state is shown.
    virtual void showLineState(const std::string& text) = 0;
    // The modem may have restarted: no link, and its set-up for the current
    // mode sent again.
    virtual void replayModeSetup() = 0;
};

// Notices the loss of the modem's device, tells the operator once, keeps the
// console running without touching the port, and opens the port name again
// each second, resolved afresh each time (a link that moved is followed). A
// port the operator picks in the configuration meanwhile is opened instead.
// Whatever it opens must answer as the modem before the transmit queue and
// the set-up go to it: another device that took the name is closed again,
// the operator hears of it once, and the search goes on.
class DeviceRecovery final : public LineLossListener {
public:
    static constexpr int kRetryMs = 1000;

    DeviceRecovery(PortSession& port, Clock& clock, Prompter& prompter, UiThread& uiThread,
                   DeviceRecoveryHost& host, const Settings& settings, ModemProbe::Parts probe);
    ~DeviceRecovery() override;

    // LineLossListener: any thread; the work is done on ours.
    void lineLost() override;
    bool waitingForDevice() const { return waiting_; }

private:
    void handleLoss();
    void tryReopen();
    Task<> checkReopened();
    void notTheModem();
    void takeUp();
    std::string portText() const;

    PortSession& port_;
    Prompter& prompter_;
    DeviceRecoveryHost& host_;
    const Settings& settings_;
    std::unique_ptr<UiQueue> uiQueue_;
    std::unique_ptr<Timer> retry_;
    // The probe waits on a runner of its own: a sequence that was under way
    // when the device went must not hold it back.
    SequenceRunner probes_;
    ModemProbe probe_;
    bool waiting_ = false;
    bool strangerReported_ = false;
    std::string lostPortName_;
};

} // namespace orvane
