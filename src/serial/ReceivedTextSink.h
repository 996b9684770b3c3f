#pragma once

#include <cstdint>

namespace orvane {

// Where received text goes once the handler has filtered it: the receive
// pane, the capture file, the transcript and the session log, behind one
// object. Each kind keeps its own colour, set when the operator changes it,
// so a character costs no more than its delivery.
class ReceivedTextSink {
public:
    virtual ~ReceivedTextSink() = default;
    // A character from the other station; c is 0x20..0x7E or LF.
    virtual void showReceived(char c) = 0;
    // A character of ours, echoed by the modem as it went out.
    virtual void showEcho(char c) = 0;
    // Every byte handled, shown or not (CR already turned into LF), for the
    // capture file while a capture runs.
    virtual void captureChar(std::uint8_t c) = 0;
};

} // namespace orvane
