#pragma once

#include "serial/XonXoffFilter.h"

#include <cstdint>
#include <optional>

namespace orvane {

// Turns the modem's byte stream into RxQueue items. 0x80 announces a status
// code, 0x81 escapes one data byte; with the flow-control filter on, XON and
// XOFF are dropped (the filter hears of them: they hold and release our output)
// and 0x91 escapes one byte whose bit 0x20 is then cleared. The state lives on
// between reads, so a prefix may end one read and its byte start the next.
class RxDecoder {
public:
    explicit RxDecoder(XonXoffFilter& filter) : filter_(filter) {}

    // The item byte b completes, if any.
    std::optional<std::int32_t> decode(std::uint8_t b);
    void reset();

private:
    enum class State { Plain, AfterStatusPrefix, AfterDataEscape };
    XonXoffFilter& filter_;
    State state_ = State::Plain;
    bool flowEscapePending_ = false;
};

} // namespace orvane
