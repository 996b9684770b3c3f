#pragma once

#include "protocol/link/SupervisionHooks.h"
#include "protocol/status/ConsoleActivities.h"
#include "protocol/status/MonitorDisplays.h"
#include "protocol/status/ReceiveSide.h"
#include "protocol/status/StatusSettings.h"

namespace orvane {

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

// The receive routing and the port as the status handling sees them.
class SessionReceiveSide final : public ReceiveSide {
public:
    SessionReceiveSide(RoutingFlags& routing, EchoCounter& echoes, PortSession& port)
        : routing_(routing), echoes_(echoes), port_(port) {}
    void setEchoMode(bool on) override;
    void resetEchoPending() override;
    void clearLineErrors() override;

private:
    RoutingFlags& routing_;
    EchoCounter& echoes_;
    PortSession& port_;
};

} // namespace orvane
