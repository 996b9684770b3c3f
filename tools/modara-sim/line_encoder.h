#pragma once
// Frames what the modem sends and, for the hardware that uses software flow control,
// wraps it in the XON/XOFF escaping.
//
// Framing: 0x80 c is status code c; a data byte 0x80 or 0x81 goes out as 0x81 and the byte.
// Flow escaping: 0x11, 0x13 and 0x91 go out as 0x91 and the byte with 0x20 set, and stray
// XON/XOFF bytes appear after every seventh byte (never inside an escape pair). A stray XOFF
// holds the console's output until the next XON, so a burst of output never ends on one: it
// is closed with an XON.

#include "byte_text.h"

#include <cstdint>

namespace modara_sim {

class LineEncoder {
public:
    static constexpr unsigned kStrayInterval = 7;

    void setFlowEscaping(bool on) { flowEscaping_ = on; }
    bool flowEscaping() const { return flowEscaping_; }
    void setStrayFlowBytes(bool on) { strayFlowBytes_ = on; }

    void status(std::uint8_t code);
    void data(std::uint8_t b);
    void data(const Bytes& bytes);
    // Bytes as the modem's own output: no framing added, flow escaping still applies.
    void modemBytes(const Bytes& bytes);
    // Bytes put on the line exactly as given.
    void raw(const Bytes& bytes);

    bool empty() const { return line_.empty(); }
    // Everything encoded since the last call, ended by an XON if a stray XOFF holds.
    Bytes take();

private:
    void emit(std::uint8_t b);

    Bytes line_;
    bool flowEscaping_ = false;
    bool strayFlowBytes_ = true;
    unsigned sinceStray_ = 0;
    bool nextStrayIsXoff_ = false;
    bool heldByStray_ = false; // the last stray was an XOFF
};

} // namespace modara_sim
