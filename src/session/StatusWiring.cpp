#include "session/StatusWiring.h"

namespace orvane {

StatusWiring::StatusWiring(RxQueue& queue, Clock& clock, Sound& sound, ConsoleSurface& surface,
                           LinkState& link, StatusRecords& records, const StatusSides& sides) {
    timers_ = std::make_unique<SupervisionTimers>(clock, link, surface, sides.supervision);
    const StatusDispatchContext context{
        queue,   sound,          link,          records,          *timers_,
        surface, sides.monitors, sides.receive, sides.activities, sides.settings};
    dispatcher_ = std::make_unique<StatusDispatcher>(context);
    inBand_ = std::make_unique<InBandStatusDispatcher>(context);
}

StatusWiring::~StatusWiring() = default;

} // namespace orvane
