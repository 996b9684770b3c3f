#include "FakeModemLink.h"

#include <algorithm>

namespace orvane::testing {

FakeModemLink::FakeModemLink(ManualClock& clock, SequenceRunner& sequences)
    : clock_(clock), sequences_(sequences) {
    clock_.setOnEvents([this] { deliverDue(); });
}

void FakeModemLink::replyLater(std::uint8_t code, int delayMs, std::vector<std::int32_t> items) {
    later_[code] = {delayMs, std::move(items)};
}

void FakeModemLink::answerLikeAHealthyModem() {
    replies = {
        {0x02, {0x8002, 0x00}},       {0x7B, {0x807B, 0x12, 0x34}}, {0x78, {0x8078, 0x8C, 0x05}},
        {0xA0, {0x80A0, 0x80, 0x0B}}, {0x76, {0x8076, 0x93, 0x07}}, {0x77, {0x8077, 0xA2, 0x10}},
    };
}

Task<> FakeModemLink::sendCommand(const ModemCommand& command) {
    sentBytes.insert(sentBytes.end(), command.bytes().begin(), command.bytes().end());
    sendTicks.push_back(clock_.tickMs());
    drainedAt_ = clock_.tickMs() + drainMs;
    const std::uint8_t code = command.bytes().at(1);
    if (auto it = replies.find(code); it != replies.end())
        for (std::int32_t item : it->second)
            rx_.enqueue(item);
    if (auto it = later_.find(code); it != later_.end())
        pending_.push_back({clock_.tickMs() + it->second.first, it->second.second});
    if (sendPauseMs > 0) co_await sequences_.pause(sendPauseMs);
}

int FakeModemLink::pendingOutput() {
    return static_cast<int>(std::max<std::int64_t>(0, drainedAt_ - clock_.tickMs()));
}

bool FakeModemLink::chooseAnotherPort() {
    events.push_back("another port at " + std::to_string(clock_.tickMs()));
    return onChooseAnotherPort();
}

void FakeModemLink::hideMainWindow() {
    hiddenAt = clock_.tickMs();
    events.push_back("hide");
}

void FakeModemLink::deliverDue() {
    for (auto it = pending_.begin(); it != pending_.end();) {
        if (it->due <= clock_.tickMs()) {
            for (std::int32_t item : it->items)
                rx_.enqueue(item);
            it = pending_.erase(it);
        } else {
            ++it;
        }
    }
}

} // namespace orvane::testing
