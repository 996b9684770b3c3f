#pragma once

#include "sequence/Task.h"
#include "serial/FollowOnItems.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace orvane {

class ReceiveSide;
class RxQueue;

// Reads the bytes that follow a status code as the routing hands them over
// (the RxQueue's followOns()); a read awaits bytes still to come without
// holding up the user interface. Only the low byte of each item counts.
class FollowOnReader {
public:
    // The call text buffer holds 20 bytes with its terminator.
    static constexpr std::size_t kCallTextLimit = 19;

    // `clearLineErrors`: the in-band path also clears line errors whenever it
    // has to wait for a byte.
    FollowOnReader(RxQueue& queue, ReceiveSide& receive, bool clearLineErrors);

    // Starts a status handler that reads through this reader; the routing
    // hands it each follow-on byte as it comes.
    void start(Task<> handler);

    // `count` items, dropped.
    Task<> discard(int count);
    // `N` items in order.
    template <std::size_t N> Task<std::array<std::uint8_t, N>> fixed() {
        std::array<std::uint8_t, N> bytes{};
        for (auto& byte : bytes)
            byte = co_await next();
        co_return bytes;
    }
    // Bytes up to the first one that is not above 0 as a signed byte (0x00 or
    // 0x80 up); that byte is consumed and is not part of the text. Longer texts
    // are cut at kCallTextLimit characters but still read to their end.
    Task<std::string> callText();
    // Items in pairs, the second of each pair kept, up to a pair ending in 0x00.
    Task<std::string> pairText();

private:
    // co_await next(): the low byte of the next item.
    struct NextByte {
        FollowOnItems::Next item;
        bool await_ready() const noexcept { return false; }
        void await_suspend(std::coroutine_handle<> reader) noexcept { item.await_suspend(reader); }
        std::uint8_t await_resume() const noexcept {
            return static_cast<std::uint8_t>(item.await_resume() & 0xFF);
        }
    };
    NextByte next();

    RxQueue& queue_;
    FollowOnItems& items_;
    ReceiveSide& receive_;
    bool clearLineErrors_;
};

} // namespace orvane
