#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace orvane {

class Clock;
class ReceiveSide;
class RxQueue;

// Takes the bytes that follow a status code straight from the RxQueue,
// waiting for them with the user interface alive. Every read returns nothing
// when routing stops before it completes; what it consumed is then lost.
class FollowOnReader {
public:
    // The call text buffer holds 20 bytes with its terminator.
    static constexpr std::size_t kCallTextLimit = 19;

    // `clearLineErrors`: the in-band path also clears line errors while waiting.
    FollowOnReader(RxQueue& queue, Clock& clock, ReceiveSide& receive, bool clearLineErrors);

    // Waits for `count` items and drops them.
    bool discard(int count);
    // `N` items in order.
    template <std::size_t N> std::optional<std::array<std::uint8_t, N>> fixed() {
        std::array<std::uint8_t, N> bytes{};
        for (auto& byte : bytes) {
            const auto item = next();
            if (!item) return std::nullopt;
            byte = *item;
        }
        return bytes;
    }
    // Bytes up to the first one that is not above 0 as a signed byte (0x00 or
    // 0x80 up); that byte is consumed and is not part of the text. Longer texts
    // are cut at kCallTextLimit characters but still read to their end.
    std::optional<std::string> callText();
    // Items in pairs, the second of each pair kept, up to a pair ending in 0x00.
    std::optional<std::string> pairText();

private:
    std::optional<std::uint8_t> next();
    bool waitFor(int count);
    std::uint8_t take();

    RxQueue& queue_;
    Clock& clock_;
    ReceiveSide& receive_;
    bool clearLineErrors_;
};

} // namespace orvane
