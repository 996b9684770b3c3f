#include "protocol/status/FollowOnReader.h"

#include "protocol/status/ReceiveSide.h"
#include "serial/RxQueue.h"

namespace orvane {

FollowOnReader::FollowOnReader(RxQueue& queue, ReceiveSide& receive, bool clearLineErrors)
    : queue_(queue), items_(queue.followOns()), receive_(receive),
      clearLineErrors_(clearLineErrors) {}

void FollowOnReader::start(Task<> handler) {
    items_.start(std::move(handler));
}

Task<> FollowOnReader::discard(int count) {
    for (int i = 0; i < count; ++i)
        co_await next();
}

Task<std::string> FollowOnReader::callText() {
    std::string text;
    for (;;) {
        const std::uint8_t byte = co_await next();
        if (static_cast<std::int8_t>(byte) <= 0) co_return text;
        if (text.size() < kCallTextLimit) text.push_back(static_cast<char>(byte));
    }
}

Task<std::string> FollowOnReader::pairText() {
    std::string text;
    for (;;) {
        co_await next();
        const std::uint8_t kept = co_await next();
        if (kept == 0x00) co_return text;
        text.push_back(static_cast<char>(kept));
    }
}

// Nothing queued behind the item being handed over: this byte is still on
// its way.
FollowOnReader::NextByte FollowOnReader::next() {
    if (clearLineErrors_ && queue_.count() == 0) receive_.clearLineErrors();
    return {items_.next()};
}

} // namespace orvane
