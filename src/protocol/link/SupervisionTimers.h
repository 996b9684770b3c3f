#pragma once

#include "controls/Control.h"
#include "platform/Clock.h"

#include <memory>

namespace orvane {

class ConsoleSurface;
class SupervisionHooks;
struct LinkState;

// The five timers that watch the link and the modem. None runs at start.
class SupervisionTimers {
public:
    static constexpr int kCommandTimeoutMs = 5000;
    static constexpr int kMonitorMs = 15000;
    static constexpr int kCqAnswerMs = 5000;
    static constexpr int kResetMs = 6000;

    SupervisionTimers(Clock& clock, LinkState& link, ConsoleSurface& surface,
                      SupervisionHooks& hooks);
    ~SupervisionTimers();
    SupervisionTimers(const SupervisionTimers&) = delete;
    SupervisionTimers& operator=(const SupervisionTimers&) = delete;

    // Watchdog while a link's call text is awaited: its expiry shuts down.
    Timer& commandTimer() { return *command_; }
    const Timer& commandTimer() const { return *command_; }
    // Returns a transient announcement in panel 1 to the standby text.
    Timer& monitorTimer() { return *monitor_; }
    const Timer& monitorTimer() const { return *monitor_; }
    // How long a CQ heard may be answered.
    Timer& cqTimer() { return *cq_; }
    const Timer& cqTimer() const { return *cq_; }
    // Hides the transient panels.
    Timer& waitTimer() { return *wait_; }
    const Timer& waitTimer() const { return *wait_; }
    // Recovery after a hardware reset of the modem.
    Timer& resetTimer() { return *reset_; }
    const Timer& resetTimer() const { return *reset_; }

    // A fresh 15 s for the announcement just shown.
    void startMonitorTimer();
    // A fresh 5 s from the latest CQ heard.
    void restartCqTimer();
    void startResetTimer();
    // Shows a transient panel (the Panic or Disconnect notice, the OVER box,
    // ...) centred on the main window for `ms`; WaitTimer hides it.
    void startTransientPanel(Control panel, int ms);
    // Program exit: nothing may fire while the window is taken down.
    void stopForExit();

    // Expiry handlers.
    void onCommandTimeout();
    void onMonitorTimeout();
    void onCqTimeout();
    void onWaitTimeout();
    void onResetTimeout();

private:
    void showStandbyUnlessLinked();

    LinkState& link_;
    ConsoleSurface& surface_;
    SupervisionHooks& hooks_;
    std::unique_ptr<Timer> command_;
    std::unique_ptr<Timer> monitor_;
    std::unique_ptr<Timer> cq_;
    std::unique_ptr<Timer> wait_;
    std::unique_ptr<Timer> reset_;
};

} // namespace orvane
