#pragma once

#include "protocol/link/SupervisionHooks.h"
#include "protocol/status/ConsoleActivities.h"
#include "protocol/status/MonitorDisplays.h"
#include "protocol/status/ReceiveSide.h"
#include "protocol/status/StatusSettings.h"

namespace orvane {

class Console;
class EchoCounter;
class PortSession;
struct RoutingFlags;

// The objects the status handling reaches outside itself.
struct StatusSides {
    SupervisionHooks& supervision;
    MonitorDisplays& monitors;
    ReceiveSide& receive;
    ConsoleActivities& activities;
    StatusSettings settings;
};

// The supervision timers' requests, carried out on the console's parts.
class ConsoleSupervision final : public SupervisionHooks {
public:
    explicit ConsoleSupervision(Console& console) : console_(console) {}
    void setDtr() override;
    void modemSilenceShutdown() override;
    void hardwareResetRecovery() override;

private:
    Console& console_;
};

// The receive routing and the port as the status handling sees them.
class ConsoleReceiveSide final : public ReceiveSide {
public:
    // A status whose bytes stop coming simply waits for them.
    ConsoleReceiveSide(RoutingFlags& routing, EchoCounter& echoes, PortSession& port)
        : routing_(routing), echoes_(echoes), port_(port) {}
    void setEchoMode(bool on) override;
    void resetEchoPending() override;
    void clearLineErrors() override;

private:
    RoutingFlags& routing_;
    EchoCounter& echoes_;
    PortSession& port_;
};

// File activities and the typed text's line ends, as a link change reaches them.
class ConsoleFileActivities final : public ConsoleActivities {
public:
    explicit ConsoleFileActivities(Console& console) : console_(console) {}
    void stopTextFileSend() override;
    void closeFileActivities() override;
    void setEndOfLine(const std::string& word, EndOfLineWords accepted) override;

private:
    Console& console_;
};

// The statistics and tuning windows, attached once they exist (they read
// the status records, so they come after the status handling); until then
// their updates go nowhere.
class AttachedMonitorDisplays final : public MonitorDisplays {
public:
    void attach(MonitorDisplays& windows) { windows_ = &windows; }
    void ShowTuneLevels() override;
    void ShowFreqOffset() override;
    void ShowLinkStatistics() override;
    void ShowModulations() override;
    void LogStatistics() override;
    bool StatsLogging() const override;

private:
    MonitorDisplays* windows_ = nullptr;
};

} // namespace orvane
