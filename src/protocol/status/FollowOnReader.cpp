#include "protocol/status/FollowOnReader.h"

#include "platform/Clock.h"
#include "protocol/status/ReceiveSide.h"
#include "serial/RxQueue.h"

namespace orvane {

FollowOnReader::FollowOnReader(RxQueue& queue, Clock& clock, ReceiveSide& receive,
                               bool clearLineErrors)
    : queue_(queue), clock_(clock), receive_(receive), clearLineErrors_(clearLineErrors) {}

bool FollowOnReader::discard(int count) {
    for (int i = 0; i < count; ++i)
        if (!next()) return false;
    return true;
}

std::optional<std::string> FollowOnReader::callText() {
    std::string text;
    for (;;) {
        const auto byte = next();
        if (!byte) return std::nullopt;
        if (static_cast<std::int8_t>(*byte) <= 0) return text;
        if (text.size() < kCallTextLimit) text.push_back(static_cast<char>(*byte));
    }
}

std::optional<std::string> FollowOnReader::pairText() {
    std::string text;
    for (;;) {
        if (!waitFor(2)) return std::nullopt;
        take();
        const std::uint8_t kept = take();
        if (kept == 0x00) return text;
        text.push_back(static_cast<char>(kept));
    }
}

std::optional<std::uint8_t> FollowOnReader::next() {
    if (!waitFor(1)) return std::nullopt;
    return take();
}

// Timers and operator actions run while we wait; they never read the queue.
// Every item the reader stores wakes the wait.
bool FollowOnReader::waitFor(int count) {
    RxQueue::ConsumerWake wakeOnItems(queue_);
    clock_.waitUntil(
        [&] {
            if (!receive_.routingActive()) return true;
            if (queue_.count() >= count) return true;
            if (clearLineErrors_) receive_.clearLineErrors();
            return false;
        },
        Clock::kNoLimit);
    return receive_.routingActive() && queue_.count() >= count;
}

// Only called once waitFor() has seen the items: we are the only consumer.
std::uint8_t FollowOnReader::take() {
    return static_cast<std::uint8_t>(queue_.dequeue().value_or(0) & 0xFF);
}

} // namespace orvane
