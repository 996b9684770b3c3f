#pragma once

#include "platform/Sound.h"
#include "protocol/link/FakeConsole.h"
#include "protocol/link/LinkState.h"
#include "protocol/link/SupervisionTimers.h"
#include "protocol/status/LinkFigures.h"
#include "protocol/status/MonitorDisplays.h"
#include "protocol/status/SessionSide.h"
#include "protocol/status/StatusDispatcher.h"
#include "protocol/status/StatusRecords.h"
#include "serial/RxQueue.h"
#include "support/ManualClock.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace orvane::testing {

class FakeMonitor final : public MonitorDisplays {
public:
    void ShowTuneLevels() override { calls.push_back("ShowTuneLevels"); }
    void ShowFreqOffset() override { calls.push_back("ShowFreqOffset"); }
    void ShowLinkStatistics() override { calls.push_back("ShowLinkStatistics"); }
    void ShowModulations() override { calls.push_back("ShowModulations"); }
    void LogStatistics() override { calls.push_back("LogStatistics"); }
    bool StatsLogging() const override { return logging; }

    std::vector<std::string> calls;
    bool logging = false;
};

class FakeSessionSide final : public SessionSide {
public:
    void setEchoMode(bool on) override { echoMode = on; }
    void resetEchoPending() override { ++echoPendingResets; }
    void clearLineErrors() override { ++lineErrorClears; }
    void stopTextFileSend() override { ++textSendStops; }
    void closeFileActivities() override { ++fileActivitiesClosed; }
    void setEndOfLine(const std::string& word, EndOfLineWords accepted) override {
        endOfLine.emplace_back(word, accepted);
    }

    std::optional<bool> echoMode;
    int echoPendingResets = 0;
    int lineErrorClears = 0;
    int textSendStops = 0;
    int fileActivitiesClosed = 0;
    std::vector<std::pair<std::string, EndOfLineWords>> endOfLine;
};

class FakeSound final : public Sound {
public:
    void playSystemDefault() override {}
    void playExclamation() override {}
    void beep() override { ++beeps; }
    void tone(int hz, int ms) override { tones.emplace_back(hz, ms); }

    int beeps = 0;
    std::vector<std::pair<int, int>> tones;
};

enum class Path { Main, InBand };

// One console's worth of status handling, every outside part faked.
struct StatusHarness {
    ManualClock clock;
    RxQueue queue;
    LinkState link;
    StatusRecords records;
    FakeConsoleSurface surface;
    FakeSupervisionHooks hooks;
    FakeMonitor monitor;
    FakeSessionSide session;
    FakeSound sound;
    SupervisionTimers timers{clock, link, surface, hooks};
    std::string amtorEndOfLine = "CR LF LTRS";
    std::string pmodeEndOfLine = "CR";
    StatusSettings settings{amtorEndOfLine, pmodeEndOfLine};
    LinkFigures figures{records, monitor};
    StatusDispatchContext context{sound, link, timers, surface, figures, session, settings};
    StatusDispatcher main{queue, context};
    InBandStatusDispatcher inBand{queue, context};

    // Items from the modem: as the routing does, it hands each to a status
    // still waiting for its follow-on bytes; the rest stay queued.
    void feed(const std::vector<int>& items) {
        for (const int item : items)
            queue.enqueue(item);
        routeFollowOns();
    }
    // The status as the routing delivers it, with what is queued behind it.
    void dispatch(Path path, std::uint8_t code) {
        if (path == Path::Main)
            main.dispatch(code);
        else
            inBand.dispatch(code);
        routeFollowOns();
    }
    bool waiting() { return queue.followOns().awaited(); }

private:
    void routeFollowOns() {
        while (queue.followOns().awaited()) {
            const auto item = queue.dequeue();
            if (!item) return;
            queue.followOns().feed(*item);
        }
    }
};

} // namespace orvane::testing
