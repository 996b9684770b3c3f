#pragma once

#include "sequence/Task.h"
#include "transfer/InBandParser.h"

#include <cstdint>

namespace orvane {

class FollowOnItems;

// Where statuses met inside an in-band sequence go: the in-band status dispatcher.
class InBandStatusSink {
public:
    virtual ~InBandStatusSink() = default;
    // Handles the status with its follow-on bytes; the sequence goes on after it.
    virtual Task<> dispatchInBandStatus(std::uint8_t code) = 0;
};

// InBandHandler: called by the routing with a data byte 0x01, it reads the
// rest of the sequence as the routing hands it over, item by item, and
// returns to the event loop while the bytes are still on their way.
class InBandHandler {
public:
    InBandHandler(FollowOnItems& items, InBandEvents& events, InBandStatusSink& statuses)
        : items_(items), parser_(events), statuses_(statuses) {}

    void handle();

private:
    Task<> readSequence();

    FollowOnItems& items_;
    InBandParser parser_;
    InBandStatusSink& statuses_;
};

} // namespace orvane
