#pragma once

#include "app/StatusSides.h"
#include "protocol/link/LinkState.h"
#include "protocol/link/SupervisionTimers.h"
#include "protocol/status/StatusDispatcher.h"
#include "protocol/status/StatusRecords.h"

#include <memory>

namespace orvane {

class Clock;
class ConsoleSurface;
class RxQueue;
class Sound;

// The host-side link picture with its timers and the two status dispatchers,
// wired to the objects that carry out what the status handling asks.
class StatusWiring final {
public:
    StatusWiring(RxQueue& queue, Clock& clock, Sound& sound, ConsoleSurface& surface,
                 const StatusSides& sides);
    ~StatusWiring();

    LinkState& link() { return link_; }
    StatusRecords& records() { return records_; }
    SupervisionTimers& timers() { return *timers_; }
    StatusDispatcher& dispatcher() { return *dispatcher_; }
    InBandStatusDispatcher& inBandDispatcher() { return *inBand_; }

private:
    LinkState link_;
    StatusRecords records_;
    std::unique_ptr<SupervisionTimers> timers_;
    std::unique_ptr<StatusDispatcher> dispatcher_;
    std::unique_ptr<InBandStatusDispatcher> inBand_;
};

} // namespace orvane
