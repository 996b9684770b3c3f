#pragma once

#include "protocol/link/SupervisionTimers.h"
#include "protocol/status/LinkFigures.h"
#include "protocol/status/StatusDispatcher.h"
#include "session/StatusSides.h"

#include <memory>

namespace orvane {

class Clock;
class ConsoleSurface;
class RxQueue;
class Sound;
struct LinkState;
struct StatusRecords;

// The link picture's timers and the two status dispatchers, wired to the
// objects that carry out what the status handling asks.
class StatusWiring final {
public:
    StatusWiring(RxQueue& queue, Clock& clock, Sound& sound, ConsoleSurface& surface,
                 LinkState& link, StatusRecords& records, const StatusSides& sides);
    ~StatusWiring();

    SupervisionTimers& timers() { return *timers_; }
    StatusDispatcher& dispatcher() { return *dispatcher_; }
    InBandStatusDispatcher& inBandDispatcher() { return *inBand_; }

private:
    LinkFigures figures_;
    std::unique_ptr<SupervisionTimers> timers_;
    std::unique_ptr<StatusDispatcher> dispatcher_;
    std::unique_ptr<InBandStatusDispatcher> inBand_;
};

} // namespace orvane
