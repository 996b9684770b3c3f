#pragma once

#include "transfer/InBandParser.h"

#include <cstdint>

namespace orvane {

class Clock;
class RxQueue;

// Where statuses met inside an in-band sequence go: the in-band status dispatcher.
class InBandStatusSink {
public:
    virtual ~InBandStatusSink() = default;
    virtual void dispatchInBandStatus(std::uint8_t code) = 0;
    // False once routing has stopped: a sequence still waiting for its
    // bytes is then given up.
    virtual bool routingActive() const = 0;
};

// InBandHandler: called by the routing with a data byte 0x01, it reads the
// rest of the sequence straight from the RxQueue (the routing waits for it
// meanwhile), with the user interface alive while bytes are awaited.
class InBandHandler {
public:
    InBandHandler(RxQueue& queue, Clock& clock, InBandEvents& events, InBandStatusSink& statuses)
        : queue_(queue), clock_(clock), parser_(events), statuses_(statuses) {}

    void handle();

private:
    RxQueue& queue_;
    Clock& clock_;
    InBandParser parser_;
    InBandStatusSink& statuses_;
};

} // namespace orvane
