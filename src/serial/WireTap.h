#pragma once

#include <cstdint>
#include <span>

namespace orvane {

// Which way bytes went over the serial line.
enum class WireDirection : std::uint8_t {
    ToModem,   // written by the console
    FromModem, // read from the modem
};

// Sees every byte that crosses the serial line, as the port reads or writes
// it. Called on the reader and transmit threads (and from the user-interface
// thread for bytes sent ahead of the queue): it must be quick and must not block.
class WireTap {
public:
    virtual ~WireTap() = default;
    virtual void record(WireDirection direction, std::span<const std::uint8_t> bytes) noexcept = 0;
};

} // namespace orvane
