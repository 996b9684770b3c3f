#pragma once

#include "serial/LineLoss.h"

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
// console running without touching the port, and reopens the same port name
// (the same link or device) as soon as it can be opened again. A port the
// operator picks in the configuration meanwhile is opened instead.
class DeviceRecovery final : public LineLossListener {
public:
    static constexpr int kRetryMs = 1000;

    DeviceRecovery(PortSession& port, Clock& clock, Prompter& prompter, UiThread& uiThread,
                   DeviceRecoveryHost& host, const Settings& settings);
    ~DeviceRecovery() override;

    // LineLossListener: any thread; the work is done on ours.
    void lineLost() override;
    bool waitingForDevice() const { return waiting_; }

private:
    void handleLoss();
    void tryReopen();
    std::string portText() const;

    PortSession& port_;
    Prompter& prompter_;
    DeviceRecoveryHost& host_;
    const Settings& settings_;
    std::unique_ptr<UiQueue> uiQueue_;
    std::unique_ptr<Timer> retry_;
    bool waiting_ = false;
    std::string lostPortName_;
};

} // namespace orvane
