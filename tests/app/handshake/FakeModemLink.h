#pragma once

#include "platform/Sound.h"
#include "protocol/handshake/HandshakeLink.h"
#include "sequence/SequenceRunner.h"
#include "support/ManualClock.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace orvane::testing {

// A modem on the other end of the link: every command it receives may be
// answered with a scripted list of receive items, at once or after a delay
// of test time. Everything the handshake does to the link is logged.
class FakeModemLink final : public HandshakeLink {
public:
    FakeModemLink(ManualClock& clock, SequenceRunner& sequences);
    ~FakeModemLink() override { clock_.setOnEvents(nullptr); }

    // Items queued when the command with this code arrives.
    std::map<std::uint8_t, std::vector<std::int32_t>> replies;
    // Items queued `delayMs` after the command with this code arrives.
    void replyLater(std::uint8_t code, int delayMs, std::vector<std::int32_t> items);
    // A modem that answers everything as a healthy 800B with these bytes.
    void answerLikeAHealthyModem();

    // Test time each send command takes (the console's 50 ms pause).
    int sendPauseMs = 0;
    // Test time the driver needs to send each command's bytes.
    int drainMs = 0;
    std::function<bool()> onChooseAnotherPort = [] { return false; };

    std::vector<std::uint8_t> sentBytes;
    std::vector<std::int64_t> sendTicks;
    std::vector<std::string> events;

    Task<> sendCommand(const ModemCommand& command) override;
    int pendingOutput() override;
    RxQueue& rxQueue() override { return rx_; }
    bool chooseAnotherPort() override;
    void setRts(bool on) override { events.push_back(on ? "RTS on" : "RTS off"); }
    void setDtr(bool on) override { events.push_back(on ? "DTR on" : "DTR off"); }
    void setXonXoffFilter(bool on) override {
        events.push_back(on ? "XON/XOFF on" : "XON/XOFF off");
    }
    void reapplyLineConfiguration() override { events.push_back("line configuration"); }
    void ensureThreadsRunning() override { events.push_back("threads running"); }
    void clearRoutingPaused() override { events.push_back("routing resumed"); }
    void hideMainWindow() override;

    std::int64_t hiddenAt = -1;

private:
    struct Pending {
        std::int64_t due;
        std::vector<std::int32_t> items;
    };
    void deliverDue();

    ManualClock& clock_;
    SequenceRunner& sequences_;
    RxQueue rx_;
    std::map<std::uint8_t, std::pair<int, std::vector<std::int32_t>>> later_;
    std::vector<Pending> pending_;
    std::int64_t drainedAt_ = 0;
};

struct CountingSound final : Sound {
    int beeps = 0;
    void playSystemDefault() override {}
    void playExclamation() override {}
    void beep() override { ++beeps; }
    void tone(int, int) override {}
};

} // namespace orvane::testing
