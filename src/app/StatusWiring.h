#pragma once

#include "protocol/link/LinkState.h"
#include "protocol/link/SupervisionHooks.h"
#include "protocol/link/SupervisionTimers.h"
#include "protocol/status/ConsoleActivities.h"
#include "protocol/status/MonitorDisplays.h"
#include "protocol/status/ReceiveSide.h"
#include "protocol/status/StatusDispatcher.h"
#include "protocol/status/StatusRecords.h"

#include <functional>
#include <memory>

namespace orvane {

class Clock;
class ConsoleSurface;
class RxQueue;
class Sound;

// The host-side link picture with its timers and the two status dispatchers,
// wired to the rest of the console through callbacks. The statistics and
// tuning windows' calls go to the MonitorDisplays attached.
class StatusWiring final : private SupervisionHooks,
                           private MonitorDisplays,
                           private ReceiveSide,
                           private ConsoleActivities {
public:
    struct Callbacks {
        std::function<void()> setDtr;
        std::function<void()> modemSilenceShutdown;
        std::function<void()> hardwareResetRecovery;
        std::function<bool()> routingActive;
        std::function<void(bool)> setEchoMode;
        std::function<void()> resetEchoPending;
        std::function<void()> clearLineErrors;
        std::function<void()> stopTextFileSend;
        std::function<void()> closeFileActivities;
        std::function<void(const std::string&, EndOfLineWords)> setEndOfLine;
        std::function<std::string()> amtorEndOfLine;
        std::function<std::string()> pmodeEndOfLine;
    };

    StatusWiring(RxQueue& queue, Clock& clock, Sound& sound, ConsoleSurface& surface,
                 Callbacks callbacks);
    ~StatusWiring() override;

    LinkState& link() { return link_; }
    StatusRecords& records() { return records_; }
    SupervisionTimers& timers() { return *timers_; }
    StatusDispatcher& dispatcher() { return *dispatcher_; }
    InBandStatusDispatcher& inBandDispatcher() { return *inBand_; }
    void attachMonitorDisplays(MonitorDisplays& monitor) { monitor_ = &monitor; }

private:
    // SupervisionHooks
    void setDtr() override { callbacks_.setDtr(); }
    void modemSilenceShutdown() override { callbacks_.modemSilenceShutdown(); }
    void hardwareResetRecovery() override { callbacks_.hardwareResetRecovery(); }
    // MonitorDisplays
    void ShowTuneLevels() override { if (monitor_) monitor_->ShowTuneLevels(); }
    void ShowFreqOffset() override { if (monitor_) monitor_->ShowFreqOffset(); }
    void ShowLinkStatistics() override { if (monitor_) monitor_->ShowLinkStatistics(); }
    void ShowModulations() override { if (monitor_) monitor_->ShowModulations(); }
    void LogStatistics() override { if (monitor_) monitor_->LogStatistics(); }
    bool StatsLogging() const override { return monitor_ && monitor_->StatsLogging(); }
    // ReceiveSide
    bool routingActive() const override { return callbacks_.routingActive(); }
    void setEchoMode(bool on) override { callbacks_.setEchoMode(on); }
    void resetEchoPending() override { callbacks_.resetEchoPending(); }
    void clearLineErrors() override { callbacks_.clearLineErrors(); }
    // ConsoleActivities
    void stopTextFileSend() override { callbacks_.stopTextFileSend(); }
    void closeFileActivities() override { callbacks_.closeFileActivities(); }
    void setEndOfLine(const std::string& word, EndOfLineWords accepted) override {
        callbacks_.setEndOfLine(word, accepted);
    }

    Callbacks callbacks_;
    MonitorDisplays* monitor_ = nullptr;
    LinkState link_;
    StatusRecords records_;
    std::unique_ptr<SupervisionTimers> timers_;
    std::unique_ptr<StatusDispatcher> dispatcher_;
    std::unique_ptr<InBandStatusDispatcher> inBand_;
};

} // namespace orvane
