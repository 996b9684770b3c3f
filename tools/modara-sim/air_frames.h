#pragma once
// What two simulated modems say to each other "over the air": the data one transmits, and the
// link's beginning and end. On the socket between them each frame is a kind byte, a 16-bit
// length (high byte first) and the payload.

#include "byte_text.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace modara_sim {

struct AirFrame {
    enum class Kind : std::uint8_t {
        Data = 'D',   // bytes the other station transmitted
        Linked = 'L', // the other station linked to us; payload: its call sign
        Ended = 'E',  // the other station ended the link
    };
    Kind kind;
    Bytes payload;
    bool operator==(const AirFrame&) const = default;
};

Bytes encodeAirFrame(const AirFrame& frame);

// Reassembles frames from the socket's byte stream.
class AirFrameReader {
public:
    void feed(const std::uint8_t* data, std::size_t size, std::vector<AirFrame>& out);

private:
    Bytes buffer_;
};

// The other half of a link: where a modem sends what goes on the air.
class AirPeer {
public:
    virtual ~AirPeer() = default;
    virtual void transmit(const AirFrame& frame) = 0;
};

} // namespace modara_sim
