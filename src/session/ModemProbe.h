#pragma once

#include "sequence/Task.h"

namespace orvane {

class ModemPort;
class RxQueue;
class SequenceRunner;
struct RoutingFlags;

// Asks the device on a freshly opened port whether it is a Modara: the
// modem's identity query, answered within a few seconds by its code and two
// bytes. Whatever else answers (or nothing) is not the modem. Meanwhile the
// received items stay in the RxQueue, where the probe reads them itself.
class ModemProbe {
public:
    static constexpr int kAnswerLimitMs = 3000;

    // Where the answer is read.
    struct Parts {
        RxQueue& rx;
        RoutingFlags& routing;
    };

    ModemProbe(Parts parts, SequenceRunner& runner)
        : rx_(parts.rx), routing_(parts.routing), runner_(runner) {}

    Task<bool> answers(ModemPort& port);

private:
    RxQueue& rx_;
    RoutingFlags& routing_;
    SequenceRunner& runner_;
};

} // namespace orvane
