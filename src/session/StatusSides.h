#pragma once

#include "protocol/link/SupervisionHooks.h"
#include "protocol/status/MonitorDisplays.h"
#include "protocol/status/SessionSide.h"
#include "protocol/status/StatusSettings.h"

namespace orvane {

class EchoCounter;
class PortSession;
struct RoutingFlags;

// The objects the status handling reaches outside itself.
struct StatusSides {
    SupervisionHooks& supervision;
    MonitorDisplays& monitors;
    SessionSide& session;
    StatusSettings settings;
};

// The receive routing and the port as the status handling sees them; the
// console's activities are the attached clients'.
class SessionStatusSide final : public SessionSide {
public:
    SessionStatusSide(RoutingFlags& routing, EchoCounter& echoes, PortSession& port,
                      ConsoleActivities& activities)
        : routing_(routing), echoes_(echoes), port_(port), activities_(activities) {}
    // ReceiveSide
    void setEchoMode(bool on) override;
    void resetEchoPending() override;
    void clearLineErrors() override;
    // ConsoleActivities
    void stopTextFileSend() override { activities_.stopTextFileSend(); }
    void closeFileActivities() override { activities_.closeFileActivities(); }
    void setEndOfLine(const std::string& word, EndOfLineWords accepted) override {
        activities_.setEndOfLine(word, accepted);
    }

private:
    RoutingFlags& routing_;
    EchoCounter& echoes_;
    PortSession& port_;
    ConsoleActivities& activities_;
};

} // namespace orvane
